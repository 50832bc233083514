// MessageDlg, ShowMessage, InputQuery: our own modal forms, so that any
// set of buttons can be offered (no system message box has No + Ignore).
#include <algorithm>
#include <cstdint>
#include <vector>

#include "framework/dialogs/Dialogs.h"
#include "framework/graphics/ScreenDC.h"
#include "framework/rtl/win/WinApi.h"

namespace {

constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int ButtonGap = 8;
constexpr int Margin = 12;
constexpr int IconSize = 32;
constexpr int MaxTextWidth = 420;
constexpr int HelpButtonId = 0x7F00;  // no modal result: Help does not close

const char* const DlgCaptions[] = {"Warning", "Error", "Information", "Confirm", ""};
const WORD DlgIcons[] = {32515 /*exclamation*/, 32513 /*hand*/, 32516 /*asterisk*/, 32514 /*question*/, 0};

HFONT DialogFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

// The right edge of the ink Text leaves when drawn into a box of Size as a
// static text control draws it (unclipped, on a white bitmap with room to
// spare): -1 without ink.
int InkRight(HDC Ref, const std::string& Text, SIZE Size, UINT Flags) {
    const int Spare = 64;
    BITMAPINFO Info{};
    Info.bmiHeader.biSize = sizeof(Info.bmiHeader);
    Info.bmiHeader.biWidth = Size.cx + Spare;
    Info.bmiHeader.biHeight = -Size.cy;  // top-down rows
    Info.bmiHeader.biPlanes = 1;
    Info.bmiHeader.biBitCount = 32;
    void* Bits = nullptr;
    HBITMAP Bitmap = CreateDIBSection(Ref, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
    HDC DC = CreateCompatibleDC(Ref);
    int Right = -1;
    if (Bitmap && DC && Bits) {
        HGDIOBJ OldBitmap = SelectObject(DC, Bitmap);
        HGDIOBJ OldFont = SelectObject(DC, DialogFont());
        const int W = Size.cx + Spare;
        auto* Px = static_cast<uint32_t*>(Bits);
        std::fill(Px, Px + static_cast<size_t>(W) * static_cast<size_t>(Size.cy), 0xFFFFFFFFu);
        SetTextColor(DC, RGB(0, 0, 0));
        SetBkMode(DC, TRANSPARENT);
        RECT R{0, 0, Size.cx, Size.cy};
        GdiFlush();
        DrawTextA(DC, Text.c_str(), -1, &R, Flags | DT_NOCLIP);
        GdiFlush();
        for (int y = 0; y < Size.cy; ++y)
            for (int x = W - 1; x > Right; --x)
                if ((Px[static_cast<size_t>(y) * static_cast<size_t>(W) + static_cast<size_t>(x)] & 0xFFFFFFu) != 0xFFFFFFu) {
                    Right = x;
                    break;
                }
        SelectObject(DC, OldFont);
        SelectObject(DC, OldBitmap);
    }
    if (DC) DeleteDC(DC);
    if (Bitmap) DeleteObject(Bitmap);
    return Right;
}

// The size Text takes when wrapped at MaxWidth in the dialog font. The
// measured width can fall short of what drawing covers (Wine draws some
// lines a few pixels wider than it measures them), so the box also holds
// the ink the text leaves when drawn.
SIZE MeasureText(const std::string& Text, int MaxWidth, bool Wrap) {
    const std::string Shown = Text.empty() ? " " : Text;
    const UINT Flags = DT_NOPREFIX | (Wrap ? DT_WORDBREAK : DT_SINGLELINE);
    HDC DC = ScreenDC();
    HGDIOBJ Old = SelectObject(DC, DialogFont());
    RECT R{0, 0, MaxWidth, 0};
    DrawTextA(DC, Shown.c_str(), -1, &R, DT_CALCRECT | Flags);
    SelectObject(DC, Old);
    SIZE Size{R.right - R.left, R.bottom - R.top};
    Size.cx = std::max<LONG>(Size.cx, InkRight(DC, Shown, Size, Flags) + 2);
    return Size;
}

HWND AddChild(HWND Parent, const char* Class, const std::string& Text, DWORD Style, int X, int Y, int W, int H, int Id) {
    HWND Wnd = CreateWindowExA(0, Class, Text.c_str(), WS_CHILD | WS_VISIBLE | Style, X, Y, W, H, Parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(Id)), GetModuleHandleA(nullptr), nullptr);
    if (Wnd) SendMessageA(Wnd, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFont()), 0);
    return Wnd;
}

// A dialog form built from plain child windows. Button ids are the modal
// results they give; Enter and Escape arrive as IDOK/IDCANCEL through
// IsDialogMessage.
class TDialogForm : public TForm {
public:
    explicit TDialogForm(const std::string& ACaption) : TForm(nullptr) {
        SetBorderStyle(bsDialog);
        SetPosition(poScreenCenter);
        SetCaption(ACaption);
    }
    ~TDialogForm() override {
        if (FHandle && Application) Application->RemoveModelessDialog(FHandle);
    }

    TModalResult DefaultResult = mrOk;
    TModalResult CancelResult = mrCancel;

protected:
    // Creates the child windows into the new handle.
    virtual void CreateChildren() = 0;

    void CreateWnd() override {
        TForm::CreateWnd();
        CreateChildren();
        if (Application) Application->AddModelessDialog(FHandle);
    }
    void DestroyWindowHandle() override {
        if (FHandle && Application) Application->RemoveModelessDialog(FHandle);
        TForm::DestroyWindowHandle();
    }
    void WndProc(TMessage& Message) override {
        if (Message.Msg == WM_COMMAND && HIWORD(Message.WParam) == BN_CLICKED) {
            const int Id = LOWORD(Message.WParam);
            const HWND From = reinterpret_cast<HWND>(Message.LParam);
            // Without a sender only the dialog keys count: a stray command
            // must not close the dialog with a made-up result.
            if (!From && (Id == IDOK || Id == IDCANCEL)) {
                SetModalResult(Id == IDOK ? DefaultResult : CancelResult);
                Message.Result = 0;
                return;
            }
            if (From && GetParent(From) == FHandle) {
                if (Id != HelpButtonId) SetModalResult(Id);
                Message.Result = 0;
                return;
            }
        }
        if (Message.Msg == DM_GETDEFID) {
            Message.Result = MAKELRESULT(DefaultResult, DC_HASDEFID);
            return;
        }
        TForm::WndProc(Message);
    }
};

class TMessageForm : public TDialogForm {
public:
    TMessageForm(const std::string& AMsg, TMsgDlgType AType, TMsgDlgButtons AButtons)
        : TDialogForm(AType == mtCustom ? (Application ? Application->Title() : std::string())
                                        : DlgCaptions[AType]),
          FMsg(AMsg), FType(AType) {
        for (int B = mbYes; B <= mbHelp; ++B)
            if (AButtons.Contains(static_cast<TMsgDlgBtn>(B))) FButtons.push_back(static_cast<TMsgDlgBtn>(B));
        if (FButtons.empty()) FButtons.push_back(mbOK);
        DefaultResult = MsgDlgButtonResult(FButtons.front());
        // Escape means the most cautious answer the dialog offers.
        CancelResult = mrCancel;
        for (TMsgDlgBtn B : {mbCancel, mbNo, mbOK, mbAbort, mbIgnore})
            if (AButtons.Contains(B)) {
                CancelResult = MsgDlgButtonResult(B);
                break;
            }
        const bool HasIcon = FType != mtCustom;
        const SIZE Text = MeasureText(FMsg, MaxTextWidth, true);
        FTextLeft = Margin + (HasIcon ? IconSize + Margin : 0);
        FTextSize = Text;
        const int ButtonsWidth =
            static_cast<int>(FButtons.size()) * ButtonWidth + (static_cast<int>(FButtons.size()) - 1) * ButtonGap;
        const int Width = std::max(FTextLeft + static_cast<int>(Text.cx) + Margin, ButtonsWidth + 2 * Margin);
        FButtonTop = Margin + std::max(static_cast<int>(Text.cy), HasIcon ? IconSize : 0) + Margin;
        SetClientSize(Width, FButtonTop + ButtonHeight + Margin);
    }

protected:
    void CreateChildren() override {
        RECT Client{};
        GetClientRect(FHandle, &Client);
        if (FType != mtCustom) {
            HWND Icon = AddChild(FHandle, "STATIC", "", SS_ICON, Margin, Margin, IconSize, IconSize, -1);
            SendMessageA(Icon, STM_SETICON,
                         reinterpret_cast<WPARAM>(LoadIconA(nullptr, MAKEINTRESOURCEA(DlgIcons[FType]))), 0);
        }
        AddChild(FHandle, "STATIC", FMsg, SS_LEFT | SS_NOPREFIX, FTextLeft, Margin, FTextSize.cx, FTextSize.cy, -1);
        const int Count = static_cast<int>(FButtons.size());
        int X = (Client.right - (Count * ButtonWidth + (Count - 1) * ButtonGap)) / 2;
        bool First = true;
        for (TMsgDlgBtn B : FButtons) {
            const int Id = B == mbHelp ? HelpButtonId : MsgDlgButtonResult(B);
            AddChild(FHandle, "BUTTON", MsgDlgButtonCaption(B),
                     WS_TABSTOP | (First ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), X, FButtonTop, ButtonWidth, ButtonHeight,
                     Id);
            First = false;
            X += ButtonWidth + ButtonGap;
        }
        if (HWND Default = GetDlgItem(FHandle, DefaultResult)) ::SetFocus(Default);
    }

private:
    std::string FMsg;
    TMsgDlgType FType;
    std::vector<TMsgDlgBtn> FButtons;
    int FTextLeft = 0, FButtonTop = 0;
    SIZE FTextSize{};
};

constexpr int EditId = 0x7F01;

class TInputQueryForm : public TDialogForm {
public:
    TInputQueryForm(const std::string& ACaption, const std::string& APrompt, const std::string& AValue)
        : TDialogForm(ACaption), FPrompt(APrompt), FValue(AValue) {
        FPromptSize = MeasureText(FPrompt, MaxTextWidth, false);
        const int Width = std::max(static_cast<int>(FPromptSize.cx) + 2 * Margin, 2 * ButtonWidth + ButtonGap + 2 * Margin);
        SetClientSize(std::max(Width, 280), Margin + FPromptSize.cy + 4 + 22 + Margin + ButtonHeight + Margin);
    }
    // The text in the edit, read when the form closes.
    std::string Answer() const {
        HWND Edit = FHandle ? GetDlgItem(FHandle, EditId) : nullptr;
        if (!Edit) return FValue;
        std::string S(static_cast<size_t>(GetWindowTextLengthA(Edit)) + 1, '\0');
        S.resize(static_cast<size_t>(GetWindowTextA(Edit, S.data(), static_cast<int>(S.size()))));
        return S;
    }

protected:
    void CreateChildren() override {
        RECT Client{};
        GetClientRect(FHandle, &Client);
        const int W = Client.right - 2 * Margin;
        AddChild(FHandle, "STATIC", FPrompt, SS_LEFT, Margin, Margin, W, FPromptSize.cy, -1);
        const int EditTop = Margin + FPromptSize.cy + 4;
        HWND Edit = AddChild(FHandle, "EDIT", FValue, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, Margin, EditTop, W, 22, EditId);
        const int ButtonTop = EditTop + 22 + Margin;
        const int X = Client.right - Margin - 2 * ButtonWidth - ButtonGap;
        AddChild(FHandle, "BUTTON", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, X, ButtonTop, ButtonWidth, ButtonHeight, mrOk);
        AddChild(FHandle, "BUTTON", "Cancel", WS_TABSTOP, X + ButtonWidth + ButtonGap, ButtonTop, ButtonWidth,
                 ButtonHeight, mrCancel);
        SendMessageA(Edit, EM_SETSEL, 0, -1);
        ::SetFocus(Edit);
    }

private:
    std::string FPrompt, FValue;
    SIZE FPromptSize{};
};

}  // namespace

std::string MsgDlgButtonCaption(TMsgDlgBtn Button) {
    static const char* const Captions[] = {"&Yes",   "&No",  "OK",        "Cancel",     "&Abort", "&Retry",
                                           "&Ignore", "&All", "N&o to All", "Yes to &All", "&Help"};
    return Captions[Button];
}

TModalResult MsgDlgButtonResult(TMsgDlgBtn Button) {
    static const TModalResult Results[] = {mrYes,    mrNo,  mrOk,      mrCancel,   mrAbort, mrRetry,
                                           mrIgnore, mrAll, mrNoToAll, mrYesToAll, mrNone};
    return Results[Button];
}

std::unique_ptr<TForm, TObjectFree> CreateMessageDialog(const std::string& Msg, TMsgDlgType DlgType,
                                                        TMsgDlgButtons Buttons) {
    return std::unique_ptr<TForm, TObjectFree>(new TMessageForm(Msg, DlgType, Buttons));
}

TModalResult MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int /*HelpCtx*/) {
    TDialogRequest R;
    R.Kind = dkMessageDlg;
    R.Caption = DlgType == mtCustom ? (Application ? Application->Title() : std::string()) : DlgCaptions[DlgType];
    R.Text = Msg;
    R.DlgType = DlgType;
    R.Buttons = Buttons.Mask();
    if (auto Answer = AskModalDialogHook(R)) return *Answer;
    auto Form = CreateMessageDialog(Msg, DlgType, Buttons);
    return Form->ShowModal();
}

void ShowMessage(const std::string& Msg) { MessageDlg(Msg, mtCustom, TMsgDlgButtons{mbOK}, 0); }

bool InputQuery(const std::string& Caption, const std::string& Prompt, std::string& Value) {
    std::string Answer = Value;
    TDialogRequest R;
    R.Kind = dkInputQuery;
    R.Caption = Caption;
    R.Text = Prompt;
    R.Value = &Answer;
    std::optional<int> Result = AskModalDialogHook(R);
    if (!Result) {
        std::unique_ptr<TInputQueryForm, TObjectFree> Form(new TInputQueryForm(Caption, Prompt, Value));
        Result = Form->ShowModal();
        // Read before the handle goes: the form hides, it is not destroyed.
        Answer = Form->Answer();
    }
    if (*Result != mrOk) return false;
    Value = Answer;
    return true;
}

std::string InputBox(const std::string& Caption, const std::string& Prompt, const std::string& Default) {
    std::string Value = Default;
    InputQuery(Caption, Prompt, Value);
    return Value;
}
