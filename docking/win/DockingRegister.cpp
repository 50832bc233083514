// Published properties of the docking classes and their registration for
// form files.
#include "docking/win/DockingControls.h"
#include "framework/classes/ClassRegistry.h"

QRN_PUBLISHED(TQCustomToolWindow) {
    using T = TQCustomToolWindow;
    B.Prop("ActivateParent", &T::ActivateParent, &T::SetActivateParent).Default(true);
    B.Prop("BorderStyle", &T::BorderStyle, &T::SetBorderStyle).Default(bsSingle);
    B.Prop("CloseButton", &T::CloseButton, &T::SetCloseButton).Default(true);
    B.Prop("DefaultDock", &T::DefaultDock, &T::SetDefaultDock);
    B.Prop("DockableTo", &T::DockableTo, &T::SetDockableTo).Default(TDockableTo{dpTop, dpBottom, dpLeft, dpRight});
    B.Prop("DockedTo", &T::DockedTo, &T::SetDockedTo).Stored(false);
    B.Prop("DockMode", &T::DockMode, &T::SetDockMode).Default(dmCanFloat);
    B.Prop("DockPos", &T::DockPos, &T::SetDockPos).Default(-1);
    B.Prop("DockRow", &T::DockRow, &T::SetDockRow).Default(0);
    B.Prop("DragHandleStyle", &T::DragHandleStyle, &T::SetDragHandleStyle).Default(dhDouble);
    B.Prop("FloatingMode", &T::FloatingMode, &T::SetFloatingMode).Default(fmOnTopOfParentForm);
    B.Prop("FullSize", &T::FullSize, &T::SetFullSize).Default(false);
    B.Prop("HideWhenInactive", &T::HideWhenInactive, &T::SetHideWhenInactive).Default(true);
    B.Prop("LastDock", &T::LastDock, &T::SetLastDock).Stored([](TObject* O) {
        return static_cast<T*>(O)->Floating();
    });
    B.Prop("ShowCaption", &T::ShowCaption, &T::SetShowCaption).Default(true);
    B.Prop("UseLastDock", &T::UseLastDock, &T::SetUseLastDock).Default(true);
    B.Event("OnClose", &T::OnClose);
    B.Event("OnDockChanged", &T::OnDockChanged);
    B.Event("OnDockChanging", &T::OnDockChanging);
    B.Event("OnDockChangingEx", &T::OnDockChangingEx);
    B.Event("OnDockChangingHidden", &T::OnDockChangingHidden);
    B.Event("OnMove", &T::OnMove);
    B.Event("OnRecreated", &T::OnRecreated);
    B.Event("OnRecreating", &T::OnRecreating);
    B.Event("OnVisibleChanged", &T::OnVisibleChanged);
}

QRN_PUBLISHED(TQCustomToolbar) {}
QRN_PUBLISHED(TQToolbar) {}

QRN_PUBLISHED(TQToolWindow) {
    using T = TQToolWindow;
    B.Prop("ClientAreaWidth", &T::ClientAreaWidth, &T::SetClientAreaWidth).NoDefault();
    B.Prop("ClientAreaHeight", &T::ClientAreaHeight, &T::SetClientAreaHeight).NoDefault();
    B.Prop("MinClientWidth", &T::MinClientWidth, &T::SetMinClientWidth).Default(32);
    B.Prop("MinClientHeight", &T::MinClientHeight, &T::SetMinClientHeight).Default(32);
    B.Prop("Resizable", &T::Resizable, &T::SetResizable).Default(true);
}

QRN_PUBLISHED(TQToolbarSep) {
    using T = TQToolbarSep;
    B.Prop("Blank", &T::Blank, &T::SetBlank).Default(false);
    B.Prop("SizeHorz", &T::SizeHorz, &T::SetSizeHorz).Type(QRN_TYPE(TToolbarSepSize)).Default(6);
    B.Prop("SizeVert", &T::SizeVert, &T::SetSizeVert).Type(QRN_TYPE(TToolbarSepSize)).Default(6);
}

QRN_PUBLISHED(TQToolbarButton) {
    using T = TQToolbarButton;
    B.Prop("Alignment", &T::Alignment, &T::SetAlignment).Default(taCenter);
    B.Prop("AllowAllUp", &T::AllowAllUp, &T::SetAllowAllUp).Default(false);
    B.Prop("Cancel", &T::Cancel, &T::SetCancel).Default(false);
    B.Prop("Path", &T::Path, &T::SetPath);
    B.Prop("GroupIndex", &T::GroupIndex, &T::SetGroupIndex).Default(0);
    B.Prop("Default", &T::Default, &T::SetDefault).Default(false);
    B.Prop("DisplayMode", &T::DisplayMode, &T::SetDisplayMode).Default(dmBoth);
    B.Prop("Down", &T::Down, &T::SetDown).Default(false);
    B.Prop("DropdownAlways", &T::DropdownAlways, &T::SetDropdownAlways).Default(false);
    B.Prop("DropdownArrow", &T::DropdownArrow, &T::SetDropdownArrow).Default(true);
    B.Prop("DropdownCombo", &T::DropdownCombo, &T::SetDropdownCombo).Default(false);
    B.Prop("DropdownMenu", &T::DropdownMenu, &T::SetDropdownMenu);
    B.Prop("Flat", &T::Flat, &T::SetFlat).Default(true);
    B.Prop("Glyph", &T::Glyph, &T::SetGlyph);
    B.Prop("GlyphMask", &T::GlyphMask, &T::SetGlyphMask);
    B.Prop("ImageIndex", &T::ImageIndex, &T::SetImageIndex).Type(QRN_TYPE(TImageIndex)).Default(-1);
    B.Prop("Images", &T::Images, &T::SetImages);
    B.Prop("Layout", &T::Layout, &T::SetLayout).Default(blGlyphLeft);
    B.Prop("Margin", &T::Margin, &T::SetMargin).Default(-1);
    B.Prop("ModalResult", &T::ModalResult, &T::SetModalResult).Type(QRN_TYPE(TModalResult)).Default(0);
    B.Prop("NoBorder", &T::NoBorder, &T::SetNoBorder).Default(false);
    B.Prop("NumGlyphs", &T::NumGlyphs, &T::SetNumGlyphs).Type(QRN_TYPE(TQNumGlyphs)).Default(1);
    B.Prop("OldDisabledStyle", &T::OldDisabledStyle, &T::SetOldDisabledStyle).Default(false);
    B.Prop("Opaque", &T::Opaque, &T::SetOpaque).Default(true);
    B.Prop("Repeating", &T::Repeating, &T::SetRepeating).Default(false);
    B.Prop("RepeatDelay", &T::RepeatDelay, &T::SetRepeatDelay).Default(400);
    B.Prop("RepeatInterval", &T::RepeatInterval, &T::SetRepeatInterval).Default(100);
    B.Prop("ShowBorderWhenInactive", &T::ShowBorderWhenInactive, &T::SetShowBorderWhenInactive).Default(false);
    B.Prop("Spacing", &T::Spacing, &T::SetSpacing).Default(4);
    B.Prop("WordWrap", &T::WordWrap, &T::SetWordWrap).Default(false);
    B.Event("OnDropdown", &T::OnDropdown);
    B.Event("OnMouseEnter", &T::OnMouseEnter);
    B.Event("OnMouseExit", &T::OnMouseExit);
}

QRN_PUBLISHED(TGlyphList) {}

void RegisterDockingControls() {
    RegisterClasses({TQDock::StaticClass(), TQToolbar::StaticClass(), TQToolWindow::StaticClass(),
                     TQToolbarButton::StaticClass(), TQToolbarSep::StaticClass()});
}
