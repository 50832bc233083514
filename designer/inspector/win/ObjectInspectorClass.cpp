// What TObjectInspector publishes: what a form file may set.
#include "designer/inspector/win/ObjectInspector.h"

namespace {
using OI = TObjectInspector;
int Col0Width(OI* I) { return I->ColWidths(0); }
void SetCol0Width(OI* I, int V) { I->SetColWidths(0, V); }
int Col1Width(OI* I) { return I->ColWidths(1); }
void SetCol1Width(OI* I, int V) { I->SetColWidths(1, V); }
int RowHeight(OI* I) { return I->DefaultRowHeight(); }
void SetRowHeight(OI* I, int V) { I->SetDefaultRowHeight(V); }
// The type-kind set has no names of its own in the class library: a form
// stores it as its bit mask (bit n = kind n).
int FilterMask(OI* I) { return static_cast<int>(I->Filter().Mask()); }
void SetFilterMask(OI* I, int V) { I->SetFilter(TTypeKinds::FromMask(static_cast<uint32_t>(V))); }
}  // namespace

QRN_PUBLISHED(TObjectInspector) {
    B.Prop("Aliases", &OI::Aliases, &OI::SetAliases);
    B.Prop("Colors", &OI::Colors, &OI::SetColors);
    B.Prop("CustomSort", &OI::CustomSort, &OI::SetCustomSort).Default(false);
    B.Prop("Descriptions", &OI::Descriptions, &OI::SetDescriptions);
    B.Prop("DefaultRowHeight", &RowHeight, &SetRowHeight);
    B.Prop("ExpandMode", &OI::ExpandMode, &OI::SetExpandMode).Default(Default);
    B.Prop("Filter", &FilterMask, &SetFilterMask);
    B.Prop("FixedColWidth", &OI::FixedColWidth, &OI::SetFixedColWidth);
    B.Prop("ColWidth0", &Col0Width, &SetCol0Width);
    B.Prop("ColWidth1", &Col1Width, &SetCol1Width);
    B.Prop("GroupFont", &OI::GroupFont, &OI::SetGroupFont);
    B.Prop("HiddenProps", &OI::HiddenProps, &OI::SetHiddenProps);
    B.Prop("ReadOnlyProps", &OI::ReadOnlyProps, &OI::SetReadOnlyProps);
    B.Prop("LineStyle", &OI::LineStyle, &OI::SetLineStyle).Default(DottedLine);
    B.Prop("Options", &OI::Options, &OI::SetOptions).Default(DefaultOIOptions);
    B.Prop("OtherGroupName", &OI::OtherGroupName, &OI::SetOtherGroupName).Default("Other");
    B.Prop("PropOrder", &OI::PropOrder, &OI::SetPropOrder);
    B.Prop("ReadOnly", &OI::ReadOnly, &OI::SetReadOnly).Default(false);
    B.Prop("ShowHints", &OI::ShowHints, &OI::SetShowHints).Default(false);
    B.Prop("SmartRefresh", &OI::SmartRefresh, &OI::SetSmartRefresh).Default(true);
    B.Prop("SplitterSize", &OI::SplitterSize, &OI::SetSplitterSize).Default(3);
    B.Prop("Style", &OI::Style, &OI::SetStyle).Default(isOstrel);
    B.Prop("TrackDestroy", &OI::TrackDestroy, &OI::SetTrackDestroy).Default(true);
    B.Prop("UseGlobalOptions", &OI::UseGlobalOptions, &OI::SetUseGlobalOptions).Default(false);
    B.Prop("Version", &OI::Version, &OI::SetVersion).Stored(false);
    B.Event("OnActivePropertyChanged", &OI::OnActivePropertyChanged);
    B.Event("OnChangePropValue", &OI::OnChangePropValue);
    B.Event("OnChangedPropValue", &OI::OnChangedPropValue);
    B.Event("OnComponentChanged", &OI::OnComponentChanged);
    B.Event("OnDrawCell", &OI::OnDrawCell);
    B.Event("OnEditButtonClick", &OI::OnEditButtonClick);
    B.Event("OnGetCellParams", &OI::OnGetCellParams);
    B.Event("OnEditProperty", &OI::OnEditProperty);
    B.Event("OnShowProperty", &OI::OnShowProperty, &OI::SetOnShowProperty);
    B.Event("OnSplitterMoving", &OI::OnSplitterMoving);
    B.Event("OnSplitterMoved", &OI::OnSplitterMoved);
    B.Event("OnCompare", &OI::OnCompare, &OI::SetOnCompare);
}
