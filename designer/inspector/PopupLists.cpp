#include "designer/inspector/PopupLists.h"

#include <algorithm>

#include "designer/inspector/StyleSamples.h"
#include "designer/inspector/ZelEdit.h"
#include "framework/rtl/StrUtils.h"

namespace {
TCustomZelEdit* OwningEdit(TComponent* Popup) { return dynamic_cast<TCustomZelEdit*>(Popup->Owner()); }
}  // namespace

// ---- TPopupListBox

TPopupListBox::TPopupListBox(TComponent* AOwner) : TZelListBox(AOwner) {
    SetControlStyle(ControlStyle() + TControlStyle{csNoDesignVisible});
    SetVisible(false);
    SetTabStop(false);
}

void TPopupListBox::CreateParams(TCreateParams& Params) {
    inherited::CreateParams(Params);
    // A top-level list that never takes the focus from the form it hangs over.
    Params.Style = (Params.Style & ~static_cast<DWORD>(WS_CHILD)) | WS_POPUP | WS_BORDER | WS_VSCROLL |
                   LBS_HASSTRINGS | LBS_NOTIFY;
    Params.ExStyle |= WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    Params.WindowClass.style |= CS_SAVEBITS;
}

void TPopupListBox::CreateHandle() {
    inherited::CreateHandle();
    if (Items()->Count() == 0) FillItems();
}

void TPopupListBox::ClosePopup(bool Accept) {
    if (TCustomZelEdit* Edit = OwningEdit(this)) Edit->CloseUp(Accept);
}

void TPopupListBox::SetDisplayNames(bool Value) {
    FDisplayNames = Value;
    Invalidate();
}

std::string TPopupListBox::SelectedText() {
    const int Index = ItemIndex();
    return Index >= 0 ? Items()->Get(Index) : std::string();
}

void TPopupListBox::FitHeight() {
    // At most seven rows show; an empty list keeps one.
    const int Rows = std::clamp(Items()->Count(), 1, 7);
    SetClientHeight(ItemHeight() * Rows);
}

void TPopupListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    inherited::MouseUp(Button, Shift, X, Y);
    if (Button == mbLeft) ClosePopup(ClientRect().Contains({X, Y}));
}

void TPopupListBox::KeyDown(uint16_t& Key, TShiftState Shift) {
    if ((Key == VK_RETURN || Key == VK_ESCAPE) && Shift.Empty()) {
        ClosePopup(Key != VK_ESCAPE);
        Key = 0;
        return;
    }
    inherited::KeyDown(Key, Shift);
}

void TPopupListBox::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case WM_SETTEXT: {
            const std::string Text = Message.LParam ? reinterpret_cast<const char*>(Message.LParam) : "";
            // The first item that starts with the text, as a list box finds it.
            int Found = -1;
            for (int I = 0; !Text.empty() && Found < 0 && I < Items()->Count(); ++I)
                if (SameText(Items()->Get(I).substr(0, Text.size()), Text)) Found = I;
            SetItemIndex(Found);
            FitHeight();
            Message.Result = 1;
            return;
        }
        case WM_GETTEXTLENGTH:
            Message.Result = static_cast<LRESULT>(SelectedText().size());
            return;
        case WM_GETTEXT: {
            const std::string Text = SelectedText();
            const size_t Room = Message.WParam;
            if (Room == 0) {
                Message.Result = 0;
                return;
            }
            const size_t N = std::min(Text.size(), Room - 1);
            std::copy_n(Text.data(), N, reinterpret_cast<char*>(Message.LParam));
            reinterpret_cast<char*>(Message.LParam)[N] = '\0';
            Message.Result = static_cast<LRESULT>(N);
            return;
        }
        case WM_LBUTTONDOWN: {
            const int Index = ItemAtPos({static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam))}, true);
            if (Index >= 0) SetItemIndex(Index);
            break;
        }
        case WM_MOUSEMOVE:
            if (GetAsyncKeyState(VK_LBUTTON) < 0) {
                // Held below or above the list, one more item per message.
                const int Y = static_cast<short>(HIWORD(Message.LParam));
                const int Index = ItemAtPos({static_cast<short>(LOWORD(Message.LParam)), Y}, true);
                if (Y >= ClientHeight())
                    SetItemIndex(std::min(ItemIndex() + 1, Items()->Count() - 1));
                else if (Y < 0)
                    SetItemIndex(std::max(ItemIndex() - 1, 0));
                else if (Index >= 0)
                    SetItemIndex(Index);
            }
            break;
        case CN_COMMAND:
            if (HIWORD(Message.WParam) == LBN_SELCHANGE)
                if (TCustomZelEdit* Edit = OwningEdit(this)) Edit->Change();
            break;
        case CM_WANTSPECIALKEY:
            if (Message.WParam == VK_ESCAPE) {
                Message.Result = 1;
                return;
            }
            break;
        case CM_FONTCHANGED:
            inherited::WndProc(Message);
            SetItemHeight(std::max(FontTextHeight(Font()), 9));
            if (HandleAllocated()) RecreateWnd();
            return;
    }
    inherited::WndProc(Message);
}

QRN_PUBLISHED(TPopupListBox) {
    B.Prop("ItemHeight", &TPopupListBox::ItemHeight, &TPopupListBox::SetItemHeight);
    B.Prop("Items", &TPopupListBox::Items, &TPopupListBox::SetItems);
    B.Prop("Sorted", &TPopupListBox::Sorted, &TPopupListBox::SetSorted).Default(false);
}

// ---- the value lists

TPopupValueBox::TPopupValueBox(TComponent* AOwner) : TPopupListBox(AOwner) {
    SetStyle(lbOwnerDrawFixed);
    FDisplayNames = true;
}

int TPopupValueBox::SampleWidth() { return 42 + (FDisplayNames ? FontTextWidth(Font(), WidestName()) : 0); }

void TPopupValueBox::Click() {
    if (TCustomZelEdit* Edit = OwningEdit(this)) Edit->Perform(CM_CHANGED, 0, reinterpret_cast<LPARAM>(Edit));
    inherited::Click();
}

void TPopupValueBox::WndProc(TMessage& Message) {
    if (Message.Msg == WM_SETTEXT) {
        // The item the owning edit shows is the one selected.
        TCustomZelEdit* Edit = OwningEdit(this);
        const std::string Current = Edit ? Edit->GetText() : std::string();
        int Found = -1;
        for (int I = 0; I < Items()->Count(); ++I)
            if (Items()->Get(I) == Current) Found = I;
        SetItemIndex(Found);
        SetClientWidth(SampleWidth());
        FitHeight();
        Message.Result = 1;
        return;
    }
    inherited::WndProc(Message);
}

void TPopupValueBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState) {
    TCanvas* C = Canvas();
    C->FillRect(Rect);
    if (Index < 0 || Index >= Items()->Count()) return;
    const TRect Sample{Rect.Left + 2, Rect.Top + 2, FDisplayNames ? Rect.Left + 24 : Rect.Right - 3, Rect.Bottom - 2};
    DrawSample(C, Sample, Index);
    if (!FDisplayNames) return;
    const std::string Name = Items()->Get(Index).substr(PrefixLength(), 40);
    RECT R{Rect.Left + 28, Rect.Top, Rect.Right, Rect.Bottom};
    SetBkMode(C->Handle(), TRANSPARENT);
    DrawTextA(C->Handle(), Name.c_str(), static_cast<int>(Name.size()), &R,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

QRN_PUBLISHED(TPopupValueBox) {
    B.Prop("DisplayNames", &TPopupValueBox::DisplayNames, &TPopupValueBox::SetDisplayNames).Default(true);
    B.Prop("Items", &TPopupValueBox::Items, &TPopupValueBox::SetItems).Stored(false);
}

void TPopupColorBox::FillItems() {
    Items()->BeginUpdate();
    Items()->Clear();
    GetColorValues([this](const std::string& Name) {
        TColor Color = clBlack;
        IdentToColor(Name, Color);
        Items()->AddObject(Name, reinterpret_cast<TObject*>(static_cast<intptr_t>(Color)));
    });
    Items()->EndUpdate();
}

std::string TPopupColorBox::SelectedText() {
    const int Index = ItemIndex();
    if (Index < 0) return {};
    FValue = static_cast<TColor>(reinterpret_cast<intptr_t>(Items()->GetObject(Index)));
    return Items()->Get(Index);
}

void TPopupColorBox::DrawSample(TCanvas* Canvas, const TRect& Sample, int Index) {
    Canvas->Pen()->SetColor(clBlack);
    Canvas->Brush()->SetColor(static_cast<TColor>(reinterpret_cast<intptr_t>(Items()->GetObject(Index))));
    Canvas->Rectangle(Sample);
}

void TPopupBrushBox::FillItems() {
    Items()->BeginUpdate();
    Items()->Clear();
    for (const char* Name : {"Solid", "Clear", "Horizontal", "Vertical", "FDiagonal", "BDiagonal", "Cross", "DiagCross"})
        Items()->Add(std::string("bs") + Name);
    Items()->EndUpdate();
}

void TPopupBrushBox::DrawSample(TCanvas* Canvas, const TRect& Sample, int Index) {
    DrawBrushSample(Canvas, Sample, static_cast<TBrushStyle>(Index));
}

void TPopupPenBox::FillItems() {
    Items()->BeginUpdate();
    Items()->Clear();
    const TTypeInfo* Info = TTypeInfoOf<TPenStyle>::Get();
    for (int64_t V = Info->MinValue; V <= Info->MaxValue; ++V) Items()->Add(GetEnumName(Info, V));
    Items()->EndUpdate();
}

void TPopupPenBox::DrawSample(TCanvas* Canvas, const TRect& Sample, int Index) {
    DrawPenSample(Canvas, Sample, static_cast<TPenStyle>(Index));
}

QRN_PUBLISHED(TPopupColorBox) {}
QRN_PUBLISHED(TPopupBrushBox) {}
QRN_PUBLISHED(TPopupPenBox) {}
