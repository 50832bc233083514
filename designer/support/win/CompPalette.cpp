#include "designer/support/win/CompPalette.h"

#include <algorithm>

#include "designer/support/ClassItems.h"
#include "designer/support/win/ActiveXSupport.h"
#include "designer/support/win/AxControlCollection.h"
#include "designer/support/win/DesignApplication.h"
#include "designer/support/win/PaletteGlyphs.h"
#include "designer/support/win/PaletteOptions.h"
#include "framework/rtl/StrUtils.h"

QRN_PUBLISHED(TZelPageControl) {}
QRN_PUBLISHED(TZelPaletteSheet) {}
QRN_PUBLISHED(TZelPaletteButton) {
    B.Prop("GroupIndex", &TZelPaletteButton::GroupIndex, &TZelPaletteButton::SetGroupIndex).Default(0);
    B.Prop("AllowAllUp", &TZelPaletteButton::AllowAllUp, &TZelPaletteButton::SetAllowAllUp).Default(false);
}
QRN_PUBLISHED(TPaletteButton) {}
QRN_PUBLISHED(TButtonData) {}
QRN_PUBLISHED(TZelCompPalette) {
    B.Prop("PredefinedPages", &TZelCompPalette::PageItems, &TZelCompPalette::SetPageItems);
    B.Prop("OnlyDefinedItems", &TZelCompPalette::OnlyDefinedItems, &TZelCompPalette::SetOnlyDefinedItems)
        .Default(false);
    B.Prop("UseGlobalOptions", &TZelCompPalette::UseGlobalOptions, &TZelCompPalette::SetUseGlobalOptions)
        .Default(false);
    B.Prop("MouseGlyph", &TZelCompPalette::MouseGlyph, &TZelCompPalette::SetMouseGlyph);
    // Its own setter: a page set from a form or the inspector is filled as
    // a tab change fills it.
    B.Prop("ActivePage", &TZelCompPalette::ActivePage, &TZelCompPalette::SetActivePage);
    B.Event("OnSelectButton", &TZelCompPalette::OnSelectButton);
    B.Event("OnPagesChanged", &TZelCompPalette::OnPagesChanged);
    B.Message(ClassesRegisteredMessage, &TZelCompPalette::ClassesRegistered);
    B.Message(PackageUnloadedMessage, &TZelCompPalette::ClassesRegistered);
    B.Message(ComponentInsertedMessage, &TZelCompPalette::ComponentInserted);
    B.Message(ActiveXAddedMessage, &TZelCompPalette::ActiveXAdded);
    B.Message(ActiveXRemovedMessage, &TZelCompPalette::ActiveXRemoved);
}

std::string SelectedPaletteClass;

namespace {
// Classes registered with a page and with an icon, in registration order.
std::vector<TPaletteClassEntry> RegisteredPaletteClasses() {
    std::vector<TPaletteClassEntry> Classes;
    if (!DesignApplication) return Classes;
    const TClassItems* Items = DesignApplication->ClassItems();
    for (int I = 0; I < Items->Count(); ++I) {
        const TClassItem* Item = Items->ClassItems(I);
        if ((Item->Flags & ClassOnPage) && !(Item->Flags & ClassWithoutIcon))
            Classes.push_back({Item->ComponentClass, Item->PageName, Item->Module});
    }
    return Classes;
}

TPaletteClassSource GClassSource = &RegisteredPaletteClasses;
std::vector<TZelCompPalette*> GPalettes;

constexpr int GlyphSize = 24;

// What all buttons share: the image list of their glyphs and the
// checkerboard a down button is filled with. Lives while any button does.
struct TPaletteShared {
    TImageList Images{GlyphSize, GlyphSize};
    TBitmap Pattern;
    TPaletteShared() {
        Pattern.SetSize(8, 8);
        for (int Y = 0; Y < 8; ++Y)
            for (int X = 0; X < 8; ++X)
                Pattern.Canvas()->SetPixel(X, Y, (X % 2) == (Y % 2) ? clBtnHighlight : clBtnFace);
    }
};
std::unique_ptr<TPaletteShared> GShared;
int GButtons = 0;

TPaletteShared& Shared() {
    if (!GShared) GShared = std::make_unique<TPaletteShared>();
    return *GShared;
}

uint8_t PressFlags(TMouseButton Button, TShiftState Shift) {
    uint8_t F = 0;
    if (Shift.Contains(ssShift)) F |= psShift;
    if (Shift.Contains(ssAlt)) F |= psAlt;
    if (Shift.Contains(ssCtrl)) F |= psCtrl;
    if (Button == mbLeft) F |= psLeft;
    if (Button == mbRight) F |= psRight;
    if (Button == mbMiddle) F |= psMiddle;
    if (Shift.Contains(ssDouble)) F |= psDouble;
    return F;
}

bool IsClassOrActiveXButton(TPaletteButton* B) { return B->ModuleTag != ArrowButtonTag; }
}  // namespace

void SetPaletteClassSource(TPaletteClassSource Source) {
    GClassSource = Source ? Source : &RegisteredPaletteClasses;
}
const std::vector<TZelCompPalette*>& PaletteList() { return GPalettes; }

// ---- page control with a page list

TZelPageControl::TZelPageControl(TComponent* AOwner)
    : TPageControl(AOwner), FPageItems(std::make_unique<TStringList>()) {
    FPageItems->OnChange = TNotifyEvent(this, &TZelPageControl::PageItemsChanged);
}

TZelPageControl::~TZelPageControl() = default;

void TZelPageControl::SetUseGlobalOptions(bool Value) {
    if (FUseGlobalOptions == Value) return;
    FUseGlobalOptions = Value;
    if (Value) ApplyGlobalOptions();
}

void TZelPageControl::PageItemsChanged(TObject*) {
    if (HandleAllocated()) RebuildPages();
}

void TZelPageControl::RebuildPages() {
    if (ComponentState().Contains(csDesigning)) return;
    std::vector<std::string> Lines;
    for (int I = 0; I < FPageItems->Count(); ++I) Lines.push_back(FPageItems->Strings(I));
    FClassMap.Parse(Lines);
}

void TZelPageControl::RecreatePages() {
    RebuildPages();
    SetActivePage(nullptr);
    if (PageCount() > 0) SetActivePage(Pages(0));
    Change();
}

void TZelPageControl::Loaded() {
    TPageControl::Loaded();
    if (!ComponentState().Contains(csDesigning)) RecreatePages();
}

// ---- sheet

void TZelPaletteSheet::WndProc(TMessage& Message) {
    if (Message.Msg == WM_VSCROLL) {
        const int Code = LOWORD(Message.WParam);
        if ((Code == SB_LINEUP || Code == SB_PAGEUP) && ScrollRow > 0) --ScrollRow;
        else if ((Code == SB_LINEDOWN || Code == SB_PAGEDOWN) && HasMoreRows) ++ScrollRow;
        else return;
        if (auto* Palette = dynamic_cast<TZelCompPalette*>(PageControl())) Palette->LayoutSheet(this);
        return;
    }
    TTabSheet::WndProc(Message);
    // The rows depend on the width: a sheet filled before its window had
    // its size (or made wider by the user) wraps its buttons anew.
    if (Message.Msg == WM_SIZE)
        if (auto* Palette = dynamic_cast<TZelCompPalette*>(PageControl())) Palette->LayoutSheet(this);
}

// ---- button

TZelPaletteButton::TZelPaletteButton(TComponent* AOwner) : TGraphicControl(AOwner) {
    ++GButtons;
    TBitmap Blank;
    Blank.SetSize(GlyphSize, GlyphSize);
    FImageIndex = Shared().Images.AddMasked(&Blank, clWhite);
    SetBounds(0, 0, 25, 25);
}

TZelPaletteButton::~TZelPaletteButton() {
    if (--GButtons == 0) GShared.reset();
}

void TZelPaletteButton::SetGlyph(TBitmap* Glyph) {
    if (Glyph && !Glyph->Empty())
        ReplaceImageListBitmap(&Shared().Images, Glyph, Glyph->TransparentColor(), FImageIndex);
    Invalidate();
}

void TZelPaletteButton::SetDown(bool Value) {
    if (Value == FDown) return;
    if (FDown && !Value && !FAllowAllUp) return;
    FDown = Value;
    if (Value && FGroupIndex != 0 && FParent) {
        TMessage M;
        M.Msg = CM_BUTTONPRESSED;
        M.WParam = static_cast<WPARAM>(FGroupIndex);
        M.LParam = reinterpret_cast<LPARAM>(this);
        FParent->Broadcast(M);
    }
    Invalidate();
}

void TZelPaletteButton::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case CM_BUTTONPRESSED: {
            auto* Sender = reinterpret_cast<TZelPaletteButton*>(Message.LParam);
            if (Sender != this && static_cast<int>(Message.WParam) == FGroupIndex && FDown) {
                FDown = false;
                Invalidate();
            }
            return;
        }
        case CM_MOUSEENTER:
        case CM_MOUSELEAVE:
            FMouseInside = Message.Msg == CM_MOUSEENTER;
            Invalidate();
            break;
    }
    TGraphicControl::WndProc(Message);
}

void TZelPaletteButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        FPressing = true;
        if (FGroupIndex != 0) SetDown(true);
        Invalidate();
    }
    TGraphicControl::MouseDown(Button, Shift, X, Y);
}

void TZelPaletteButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && FPressing) {
        FPressing = false;
        Invalidate();
    }
    TGraphicControl::MouseUp(Button, Shift, X, Y);
}

void TZelPaletteButton::Click() {
    if (FGroupIndex != 0 && !FAllowAllUp) SetDown(true);
    TGraphicControl::Click();
}

void TZelPaletteButton::Paint() {
    TCanvas* C = Canvas();
    TRect R = ClientRect();
    const bool Designing = ComponentState().Contains(csDesigning);
    if (FDown && FPressing) {
        C->Brush()->SetColor(static_cast<TColor>(0xFF8080));
        C->FillRect(R);
    } else {
        C->Brush()->SetColor(clBtnFace);
        C->FillRect(R);
    }
    if (FDown || FMouseInside || Designing) {
        RECT Edge{R.Left, R.Top, R.Right, R.Bottom};
        DrawEdge(C->Handle(), &Edge, FDown ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    }
    TRect Inner = R;
    Inner.Inflate(-1, -1);
    int Shift = 0;
    if (FDown && !FPressing) {
        HBRUSH Pattern = CreatePatternBrush(Shared().Pattern.Handle());
        RECT I{Inner.Left, Inner.Top, Inner.Right, Inner.Bottom};
        FillRect(C->Handle(), &I, Pattern);
        DeleteObject(Pattern);
    }
    if (FDown) Shift = 1;
    const int X = (R.Width() - GlyphSize) / 2 + Shift, Y = (R.Height() - GlyphSize) / 2 + Shift;
    Shared().Images.Draw(C, std::max(X, 0), std::max(Y, 0), FImageIndex);
}

// ---- palette

TZelCompPalette::TZelCompPalette(TComponent* AOwner)
    : TZelPageControl(AOwner),
      FActiveXButtons(std::make_unique<TCollection>(TButtonData::StaticClass())),
      FMouseGlyph(std::make_unique<TBitmap>()) {
    LoadGlyphResource(FMouseGlyph.get(), "PAL_MOUSEGLYPH");
    FMouseGlyph->OnChange = [this](TObject*) { Invalidate(); };
    GPalettes.push_back(this);
    AddListener(this);
}

void TZelCompPalette::BeforeDestruction() {
    RemoveListener(this);
    std::erase(GPalettes, this);
    TZelPageControl::BeforeDestruction();
}

TZelCompPalette::~TZelCompPalette() = default;

TZelPaletteSheet* TZelCompPalette::Sheet(int Index) const { return dynamic_cast<TZelPaletteSheet*>(Pages(Index)); }

std::vector<TPaletteButton*> TZelCompPalette::SheetButtons(TZelPaletteSheet* S) const {
    std::vector<TPaletteButton*> Buttons;
    for (int I = 0; I < ComponentCount(); ++I)
        if (auto* B = dynamic_cast<TPaletteButton*>(Components(I)); B && B->Parent() == S && IsClassOrActiveXButton(B))
            Buttons.push_back(B);
    return Buttons;
}

TPaletteButton* TZelCompPalette::ArrowButtonOf(TZelPaletteSheet* S) const {
    for (int I = 0; I < S->ControlCount(); ++I)
        if (auto* B = dynamic_cast<TPaletteButton*>(S->Controls(I)); B && B->ModuleTag == ArrowButtonTag) return B;
    return nullptr;
}

TPaletteButton* TZelCompPalette::NewButton(const std::string& NameText, intptr_t Tag) {
    auto* Button = new TPaletteButton(this);
    Button->ModuleTag = Tag;
    Button->SetBounds(0, 0, FArrowWidth, FArrowHeight);
    Button->SetGroupIndex(1);
    Button->SetShowHint(true);
    Button->NameText = NameText;
    Button->SetHint(NameText);
    Button->OnMouseDown = TMouseEvent(this, &TZelCompPalette::ButtonMouseDown);
    Button->OnClick = TNotifyEvent(this, &TZelCompPalette::ButtonClick);
    return Button;
}

TZelPaletteSheet* TZelCompPalette::FindPaletteSheet(const std::string& Name) {
    for (int I = 0; I < PageCount(); ++I)
        if (auto* S = Sheet(I); S && SameText(S->Caption(), Name)) {
            S->RebuildMark = false;
            return S;
        }
    auto* S = new TZelPaletteSheet(this);
    S->SetCaption(Name);
    S->SetPageControl(this);
    auto* Arrow = new TPaletteButton(this);
    Arrow->ModuleTag = ArrowButtonTag;
    Arrow->SetBounds(0, 0, FArrowWidth, FArrowHeight);
    Arrow->SetGroupIndex(1);
    Arrow->SetParent(S);
    Arrow->SetDown(true);
    Arrow->SetGlyph(FMouseGlyph.get());
    Arrow->OnClick = TNotifyEvent(this, &TZelCompPalette::ArrowClick);
    return S;
}

std::string TZelCompPalette::PageOfClass(const std::string& ClassName, const std::string& DefaultPage) const {
    if (const TPageOfClass* P = ClassMap().Find(ClassName)) return P->PageName;
    return OnlyDefinedItems() ? std::string() : DefaultPage;
}

void TZelCompPalette::AddClassButton(const std::string& DefaultPage, const TClass* Class, intptr_t Module) {
    const std::string Page = PageOfClass(Class->Name(), DefaultPage);
    if (Page.empty() || SameText(Page, "Hidden")) return;
    TZelPaletteSheet* S = FindPaletteSheet(Page);
    if (!S->Populated && S != FPopulatingSheet) return;
    const std::string NameText = Class->Name().substr(1);
    TPaletteButton* Button = nullptr;
    for (int I = 0; I < ComponentCount() && !Button; ++I)
        if (auto* B = dynamic_cast<TPaletteButton*>(Components(I));
            B && IsClassOrActiveXButton(B) && SameText(B->NameText, NameText))
            Button = B;
    if (!Button) {
        Button = NewButton(NameText, Module);
        Button->SetVisible(false);
        TBitmap Glyph;
        LoadComponentGlyph(&Glyph, Class);
        Button->SetGlyph(&Glyph);
    }
    Button->ModuleTag = Module;
    auto* Old = dynamic_cast<TZelPaletteSheet*>(Button->Parent());
    if (Old != S) {
        Button->SetParent(S);
        if (Old) LayoutSheet(Old);
        LayoutSheet(S);
    }
    Button->SetVisible(true);
}

void TZelCompPalette::RebuildPages() {
    if (ComponentState().Contains(csDesigning)) return;
    TZelPageControl::RebuildPages();
    for (int I = 0; I < ComponentCount(); ++I)
        if (auto* B = dynamic_cast<TPaletteButton*>(Components(I)); B && B->ModuleTag != ArrowButtonTag &&
                                                                     B->ModuleTag != ActiveXButtonTag)
            B->ModuleTag = RebuildMarkTag;
    for (int I = 0; I < PageCount(); ++I)
        if (auto* S = Sheet(I)) S->RebuildMark = true;
    if (GClassSource)
        for (const TPaletteClassEntry& E : GClassSource())
            if (E.Class && E.Class->InheritsFrom(TComponent::StaticClass())) AddClassButton(E.PageName, E.Class, E.Module);
    for (int I = ComponentCount() - 1; I >= 0; --I)
        if (auto* B = dynamic_cast<TPaletteButton*>(Components(I)); B && B->ModuleTag == RebuildMarkTag) B->Free();
    for (int I = 0; I < PageCount(); ++I)
        if (auto* S = Sheet(I); S && S->RebuildMark) S->Populated = true;
    RemoveEmptySheets();
    for (int I = 0; I < PageCount(); ++I)
        if (auto* S = Sheet(I)) {
            S->ScrollRow = 0;
            LayoutSheet(S);
        }
    SortSheets();
    if (OnPagesChanged) OnPagesChanged(this);
    ResetSelection();
    if (HandleAllocated()) PostMessageA(Handle(), PaletteChangedMessage, 0, 0);
}

void TZelCompPalette::RemoveEmptySheets() {
    bool Removed = false;
    for (int I = PageCount() - 1; I >= 0; --I) {
        TZelPaletteSheet* S = Sheet(I);
        if (!S || !S->Populated || !SheetButtons(S).empty()) continue;
        if (TPaletteButton* Arrow = ArrowButtonOf(S)) Arrow->Free();
        S->Free();
        Removed = true;
    }
    if (Removed) {
        if (PageCount() > 0) TPageControl::SetActivePage(Pages(0));
        if (OnPagesChanged) OnPagesChanged(this);
    }
}

void TZelCompPalette::LayoutSheet(TZelPaletteSheet* S) {
    if (!S) return;
    const std::vector<TPaletteButton*> Buttons = SheetButtons(S);
    std::vector<int> Widths;
    for (TPaletteButton* B : Buttons) Widths.push_back(B->Width());
    const TRect Client = S->ClientRect();
    const int ButtonHeight = Buttons.empty() ? FArrowHeight : Buttons.front()->Height();
    const TSheetLayout L =
        LayoutPaletteRow(Widths, ButtonHeight, Client.Width(), Client.Height(), FArrowWidth, FArrowHeight, S->ScrollRow);
    for (size_t I = 0; I < Buttons.size(); ++I) Buttons[I]->SetBounds(L.Places[I].X, L.Places[I].Y, Widths[I], ButtonHeight);
    S->HasMoreRows = L.HasMoreRows;
}

void TZelCompPalette::SortSheets() {
    int Next = 0;
    for (const std::string& Name : ClassMap().PageOrder())
        for (int I = Next; I < PageCount(); ++I)
            if (SameText(Pages(I)->Caption(), Name)) {
                Pages(I)->SetPageIndex(Next++);
                break;
            }
    if (!ActivePage() && PageCount() > 0) TPageControl::SetActivePage(Pages(0));
}

void TZelCompPalette::SetActivePage(TTabSheet* Page) {
    TPageControl::SetActivePage(Page);
    ShowSheet(dynamic_cast<TZelPaletteSheet*>(ActivePage()));
}

void TZelCompPalette::PressArrowsExcept(TZelPaletteSheet* Keep) {
    for (int I = 0; I < PageCount(); ++I)
        if (TZelPaletteSheet* S = Sheet(I); S && S != Keep)
            if (TPaletteButton* Arrow = ArrowButtonOf(S)) Arrow->SetDown(true);
}

void TZelCompPalette::ResetSelection() {
    FSelectedClassName.clear();
    SelectedPaletteClass.clear();
    FSelectFlags = 0;
    PressArrowsExcept(nullptr);
}

void TZelCompPalette::ShowSheet(TZelPaletteSheet* S) {
    if (S && !S->Populated) {
        FPopulatingSheet = S;
        try {
            RebuildPages();
        } catch (...) {
            FPopulatingSheet = nullptr;
            throw;
        }
        S->Populated = true;
        FPopulatingSheet = nullptr;
    }
    PressArrowsExcept(S);
}

void TZelCompPalette::Change() {
    TZelPageControl::Change();
    if (auto* S = dynamic_cast<TZelPaletteSheet*>(ActivePage()); S && !S->Populated) ShowSheet(S);
    else PressArrowsExcept(dynamic_cast<TZelPaletteSheet*>(ActivePage()));
}

void TZelCompPalette::ButtonMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int, int) {
    auto* B = dynamic_cast<TPaletteButton*>(Sender);
    if (!B) return;
    PressArrowsExcept(dynamic_cast<TZelPaletteSheet*>(B->Parent()));
    FSelectedClassName = "T" + B->NameText;
    if (B->ModuleTag == ActiveXButtonTag)
        for (int I = 0; I < FActiveXButtons->Count(); ++I)
            if (auto* D = static_cast<TButtonData*>(FActiveXButtons->Items(I)); D->Button == B)
                FSelectedClassName = CLSIDToString(D->ClassID);
    FSelectFlags = PressFlags(Button, Shift);
}

void TZelCompPalette::ButtonClick(TObject*) {
    SelectedPaletteClass = FSelectedClassName;
    const std::string Name = FSelectedClassName;
    BroadcastToListeners(this, PaletteSelectMessage, reinterpret_cast<intptr_t>(Name.c_str()), FSelectFlags);
    if (FSelectFlags & psDouble) {
        SelectedPaletteClass.clear();
        ResetSelection();
    }
    if (OnSelectButton) OnSelectButton(this);
}

void TZelCompPalette::ApplyGlobalOptions() {
    SetPageItems(TOptionExt::Global<TPaletteOptions>()->PageItems());
}

void TZelCompPalette::RecreatePages() {
    try {
        TAxControlCollection Installed;
        if (DesignApplication)
            for (int I = 0; I < Installed.Count(); ++I) {
                TAxControlInfo* Info = Installed.Controls(I);
                if (DesignApplication->IsKnownActiveX(Info->KnownKey())) AddActiveXButton(Info);
            }
    } catch (...) {
        // A broken registration leaves the ActiveX page out, not the palette.
    }
    TZelPageControl::RecreatePages();
}

void TZelCompPalette::WndProc(TMessage& Message) {
    if (Message.Msg == PaletteChangedMessage) {
        Change();
        return;
    }
    TZelPageControl::WndProc(Message);
}

void TZelCompPalette::ClassesRegistered(TZelMessage&) { RebuildPages(); }

void TZelCompPalette::ComponentInserted(TZelMessage&) {
    if (!(FSelectFlags & psShift)) ResetSelection();
}

void TZelCompPalette::ActiveXAdded(TZelMessage& M) { AddActiveX(reinterpret_cast<TAxControlInfo*>(M.WParam)); }
void TZelCompPalette::ActiveXRemoved(TZelMessage& M) { RemoveActiveX(reinterpret_cast<TAxControlInfo*>(M.WParam)); }

void TZelCompPalette::AddActiveX(TAxControlInfo* Info) {
    if (!Info) return;
    if (IsEqualGUID(Info->TypeLibID, GUID{})) {
        AddActiveXButton(Info);
        return;
    }
    // Every control of the same type library comes along.
    auto* Collection = dynamic_cast<TAxControlCollection*>(Info->Collection());
    if (!Collection) {
        AddActiveXButton(Info);
        return;
    }
    for (int I = 0; I < Collection->Count(); ++I)
        if (IsEqualGUID(Collection->Controls(I)->TypeLibID, Info->TypeLibID)) AddActiveXButton(Collection->Controls(I));
}

void TZelCompPalette::AddActiveXButton(TAxControlInfo* Info) {
    // A control keeps one button however often it is announced.
    for (int I = 0; I < FActiveXButtons->Count(); ++I)
        if (IsEqualGUID(static_cast<TButtonData*>(FActiveXButtons->Items(I))->ClassID, Info->ClassID)) return;
    const int Before = PageCount();
    TZelPaletteSheet* S = FindPaletteSheet("ActiveX");
    S->Populated = true;
    if (PageCount() != Before) SortSheets();
    TPaletteButton* Button = NewButton(Info->Name, ActiveXButtonTag);
    TBitmap Glyph;
    // The server is opened only to read its bitmap: none of its code runs.
    if (HMODULE File = LoadLibraryExA(Info->FileName.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {
        try {
            const std::string Res = Info->BitmapName.empty() ? std::string() : "#" + Info->BitmapName;
            if (!Res.empty() && FindResourceA(File, Res.c_str(), RT_BITMAP))
                Glyph.LoadFromResourceName(reinterpret_cast<HINSTANCE>(File), Res);
        } catch (...) {
            Glyph.SetSize(0, 0);
        }
        FreeLibrary(File);
    }
    if (Glyph.Empty()) LoadUnknownGlyph(&Glyph);
    Button->SetGlyph(&Glyph);
    Button->SetParent(S);
    auto* Data = static_cast<TButtonData*>(FActiveXButtons->Add());
    Data->Button = Button;
    Data->TypeLibID = Info->TypeLibID;
    Data->ClassID = Info->ClassID;
    LayoutSheet(S);
}

void TZelCompPalette::RemoveActiveX(TAxControlInfo* Info) {
    if (!Info) return;
    const bool ByLibrary = !IsEqualGUID(Info->TypeLibID, GUID{});
    for (int I = FActiveXButtons->Count() - 1; I >= 0; --I) {
        auto* D = static_cast<TButtonData*>(FActiveXButtons->Items(I));
        if (ByLibrary ? IsEqualGUID(D->TypeLibID, Info->TypeLibID) : IsEqualGUID(D->ClassID, Info->ClassID)) {
            TZelPaletteSheet* S = dynamic_cast<TZelPaletteSheet*>(D->Button->Parent());
            D->Button->Free();
            D->Free();
            LayoutSheet(S);
        }
    }
    RemoveEmptySheets();
    ResetSelection();
}
