#include "framework/graphics/ImageList.h"

#include <algorithm>

#include "framework/rtl/Exceptions.h"

TChangeLink::~TChangeLink() {
    if (FSender) FSender->UnRegisterChanges(this);
}

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner) {}

TCustomImageList::TCustomImageList(int AWidth, int AHeight, TComponent* AOwner)
    : TComponent(AOwner), FWidth(AWidth), FHeight(AHeight) {}

TCustomImageList::~TCustomImageList() {
    for (TChangeLink* L : FLinks) L->FSender = nullptr;
    if (FHandle) ImageList_Destroy(FHandle);
}

HIMAGELIST TCustomImageList::Handle() {
    if (!FHandle) {
        FHandle = ImageList_Create(FWidth, FHeight, ILC_COLORDDB | (FMasked ? ILC_MASK : 0), 4, 4);
        if (!FHandle) throw EInvalidOperation("Invalid ImageList");
        ImageList_SetBkColor(FHandle, FBkColor == clNone ? CLR_NONE : ColorToRGB(FBkColor));
    }
    return FHandle;
}

void TCustomImageList::Recreate() {
    if (FHandle) ImageList_Destroy(FHandle);
    FHandle = nullptr;
    Change();
}

void TCustomImageList::SetWidth(int Value) {
    if (Value == FWidth || Value <= 0) return;
    FWidth = Value;
    Recreate();  // images of another size cannot stay
}

void TCustomImageList::SetHeight(int Value) {
    if (Value == FHeight || Value <= 0) return;
    FHeight = Value;
    Recreate();
}

void TCustomImageList::SetMasked(bool Value) {
    if (Value == FMasked) return;
    FMasked = Value;
    Recreate();
}

void TCustomImageList::SetBkColor(TColor Value) {
    FBkColor = Value;
    if (FHandle) ImageList_SetBkColor(FHandle, Value == clNone ? CLR_NONE : ColorToRGB(Value));
    Change();
}

int TCustomImageList::Count() { return FHandle ? ImageList_GetImageCount(FHandle) : 0; }

void TCustomImageList::CheckIndex(int Index, bool AllowCount) {
    if (Index < 0 || Index > Count() - (AllowCount ? 0 : 1)) throw EInvalidOperation("Invalid ImageList Index");
}

int TCustomImageList::Add(TBitmap* Image, TBitmap* Mask) {
    if (!Image || Image->Empty()) return -1;
    int Result = ImageList_Add(Handle(), Image->Handle(), Mask && !Mask->Empty() ? Mask->Handle() : nullptr);
    Change();
    return Result;
}

int TCustomImageList::AddMasked(TBitmap* Image, TColor MaskColor) {
    if (!Image || Image->Empty()) return -1;
    if (!FMasked) return Add(Image, nullptr);
    // The list builds the mask from the colour and blacks those pixels out
    // in its own copy, so a copy of the image is handed over.
    TBitmap Copy;
    Copy.Assign(Image);
    int Result = ImageList_AddMasked(Handle(), Copy.Handle(), ColorToRGB(MaskColor));
    Change();
    return Result;
}

int TCustomImageList::AddIcon(TIcon* Image) {
    if (!Image || Image->Empty()) return -1;
    int Result = ImageList_ReplaceIcon(Handle(), -1, Image->Handle());
    Change();
    return Result;
}

void TCustomImageList::Replace(int Index, TBitmap* Image, TBitmap* Mask) {
    CheckIndex(Index);
    if (!ImageList_Replace(Handle(), Index, Image->Handle(), Mask ? Mask->Handle() : nullptr))
        throw EInvalidOperation("Failed to replace image");
    Change();
}

void TCustomImageList::ReplaceMasked(int Index, TBitmap* NewImage, TColor MaskColor) {
    CheckIndex(Index);
    TBitmap Copy;
    Copy.Assign(NewImage);
    HBITMAP Mask = Copy.CreateMask(MaskColor);
    // Masked pixels black in the image, as the list expects.
    TBitmap MaskBitmap;
    MaskBitmap.SetHandle(Mask);
    HDC DC = Copy.Canvas()->Handle();
    HDC MaskDC = MaskBitmap.Canvas()->Handle();
    ::SetBkColor(DC, RGB(255, 255, 255));
    SetTextColor(DC, RGB(0, 0, 0));
    BitBlt(DC, 0, 0, Copy.Width(), Copy.Height(), MaskDC, 0, 0, 0x00220326);
    if (!ImageList_Replace(Handle(), Index, Copy.Handle(), MaskBitmap.Handle()))
        throw EInvalidOperation("Failed to replace image");
    Change();
}

void TCustomImageList::Delete(int Index) {
    if (Index >= Count()) throw EInvalidOperation("Invalid ImageList Index");
    if (FHandle) ImageList_Remove(FHandle, Index);
    Change();
}

void TCustomImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled) {
    if (!FHandle || Index < 0 || Index >= Count()) return;
    HDC DC = Canvas->Handle();
    if (Enabled) {
        ImageList_DrawEx(FHandle, Index, DC, X, Y, 0, 0, CLR_DEFAULT, CLR_DEFAULT, FMasked ? ILD_TRANSPARENT : ILD_NORMAL);
        return;
    }
    // Disabled: the image's shape embossed in highlight and shadow colours.
    HDC MaskDC = CreateCompatibleDC(DC);
    HBITMAP Mask = CreateBitmap(FWidth, FHeight, 1, 1, nullptr);
    HGDIOBJ Old = SelectObject(MaskDC, Mask);
    PatBlt(MaskDC, 0, 0, FWidth, FHeight, WHITENESS);
    ImageList_Draw(FHandle, Index, MaskDC, 0, 0, ILD_MASK);
    // Black mask pixels (the image) become ones, so the brush goes there.
    COLORREF OldBk = ::SetBkColor(DC, RGB(0, 0, 0));
    COLORREF OldText = SetTextColor(DC, RGB(255, 255, 255));
    HBRUSH Hi = CreateSolidBrush(ColorToRGB(clBtnHighlight));
    HBRUSH Sh = CreateSolidBrush(ColorToRGB(clBtnShadow));
    HGDIOBJ OldBrush = SelectObject(DC, Hi);
    BitBlt(DC, X + 1, Y + 1, FWidth, FHeight, MaskDC, 0, 0, 0x00E20746);
    SelectObject(DC, Sh);
    BitBlt(DC, X, Y, FWidth, FHeight, MaskDC, 0, 0, 0x00E20746);
    SelectObject(DC, OldBrush);
    DeleteObject(Hi);
    DeleteObject(Sh);
    ::SetBkColor(DC, OldBk);
    SetTextColor(DC, OldText);
    SelectObject(MaskDC, Old);
    DeleteObject(Mask);
    DeleteDC(MaskDC);
}

void TCustomImageList::GetBitmap(int Index, TBitmap* Image) {
    CheckIndex(Index);
    Image->SetPixelFormat(pf24bit);
    Image->SetSize(FWidth, FHeight);
    Image->Canvas()->Brush()->SetColor(clWhite);
    Image->Canvas()->FillRect(Rect(0, 0, FWidth, FHeight));
    ImageList_Draw(Handle(), Index, Image->Canvas()->Handle(), 0, 0, ILD_NORMAL);
}

void TCustomImageList::RegisterChanges(TChangeLink* Link) {
    if (!Link || std::find(FLinks.begin(), FLinks.end(), Link) != FLinks.end()) return;
    if (Link->FSender) Link->FSender->UnRegisterChanges(Link);
    Link->FSender = this;
    FLinks.push_back(Link);
}

void TCustomImageList::UnRegisterChanges(TChangeLink* Link) {
    auto It = std::find(FLinks.begin(), FLinks.end(), Link);
    if (It == FLinks.end()) return;
    Link->FSender = nullptr;
    FLinks.erase(It);
}

void TCustomImageList::Change() {
    for (TChangeLink* L : std::vector<TChangeLink*>(FLinks))
        if (L->OnChange) L->OnChange(this);
    if (OnChange) OnChange(this);
}

QRN_PUBLISHED(TCustomImageList) {
    RegisterColorIdents();
    B.Prop("BkColor", &TCustomImageList::BkColor, &TCustomImageList::SetBkColor).Type(QRN_TYPE(TColor)).Default(clNone);
    B.Prop("Height", &TCustomImageList::Height, &TCustomImageList::SetHeight).Default(16);
    B.Prop("Masked", &TCustomImageList::Masked, &TCustomImageList::SetMasked).Default(true);
    B.Prop("Width", &TCustomImageList::Width, &TCustomImageList::SetWidth).Default(16);
    B.Event("OnChange", &TCustomImageList::OnChange);
}

QRN_PUBLISHED(TImageList) {}
