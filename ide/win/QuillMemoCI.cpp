// TQuillMemoCI: templates, the macro list and the parameter hint.
#include "ide/win/QuillMemoCI.h"

#include "controls/UtilProcs.h"
#include "framework/comctrls/ComCtrls.h"
#include "framework/dialogs/Dialogs.h"
#include "framework/forms/Forms.h"
#include "framework/graphics/Graphics.h"
#include "framework/rtl/Exceptions.h"
#include "framework/rtl/win/WinApi.h"
#include "framework/stdctrls/ListCtrls.h"
#include "ide/ListTexts.h"
#include "ide/MacroFile.h"
#include "product/CodeTemplates.h"

namespace {

constexpr int ListWidth = 400;
constexpr int ListHeight = 80;
constexpr int HintHeight = 18;
constexpr TColor HintColor = 0xB0FFFF;
constexpr int ListPage = 10;
// Beside the editor's own timers (1 and 2).
constexpr uintptr_t StatusTimer = 3;

}  // namespace

TQuillMemoCI::TQuillMemoCI(TComponent* AOwner) : TQuillMemo(AOwner) {
    FList = new TListBox(this);
    FList->SetVisible(false);
    FList->SetBounds(0, 0, ListWidth, ListHeight);
    FList->SetCtl3D(false);
    FList->SetParentCtl3D(false);
    FList->SetParentFont(false);
    FList->OnDblClick = [this](TObject* S) { ListDblClick(S); };

    FHintForm = new TForm(nullptr);
    FHintForm->SetBorderStyle(bsNone);
    FHintForm->SetFormStyle(fsStayOnTop);
    FHintForm->SetHeight(HintHeight);
    FHintForm->SetColor(HintColor);
    FHintForm->OnPaint = [this](TObject* S) { PaintHint(S); };

    OnSelMove = [this](TObject* S) { CaretMoved(S); };
    LoadTemplates();
}

// The list is one of our components and goes with us; the hint form has
// no owner, so it is ours to free.
TQuillMemoCI::~TQuillMemoCI() { FreeAndNil(FHintForm); }

void TQuillMemoCI::LoadTemplates() { SharedTemplates().LoadFromFile(TemplatesPath(GetExeDir())); }

bool TQuillMemoCI::WeHaveTemplates() { return SharedTemplates().HasTemplates(); }

// ---- the caret's line

std::string TQuillMemoCI::CaretLineText() { return GetLineText(CaretLine()); }

std::string TQuillMemoCI::WordUnderCaret() { return WordAt(CaretLineText(), CaretColumn(), CodeSeparators); }

char TQuillMemoCI::CharLeftOfCaret() {
    const std::string Line = CaretLineText();
    const int Col = CaretColumn();
    return Col > 0 && Col <= static_cast<int>(Line.size()) ? Line[static_cast<size_t>(Col - 1)] : '\0';
}

void TQuillMemoCI::DeleteInCaretLine(int From, int Length) {
    const int32_t LineStart = Caret()->Pos - Caret()->GetColumn();
    SetSelStart(LineStart + From);
    SetSelLength(Length);
    if (Length > 0) SetSelText({});
}

TPoint TQuillMemoCI::CaretPixel() {
    TQuillNavigator* C = Caret();
    const int32_t Par = C->LocatePar();
    const int32_t X = ColumnToX(Paragraph(Par), Par, C->GetColumn(), C->GetLineInPar()) - ScrollX();
    const int32_t Y = LineToPixel(CaretLine()) - ScrollY();
    return {X, Y};
}

// ---- message filter

void TQuillMemoCI::WndProc(TMessage& Message) {
    if (Message.Msg == WM_TIMER && Message.WParam == StatusTimer) {
        StatusTick();
        return;
    }
    if (Message.Msg == WM_DESTROY) FStatusDue = false;  // the timer goes with the window
    try {
        bool Used = false;
        switch (FAssistMode) {
            case amNormal: Used = FilterNormal(Message); break;
            case amList: Used = FilterList(Message); break;
            case amHint: FilterHint(Message); break;
        }
        if (Used) return;
    } catch (...) {
        // A failing assistance must not take the editor down with it.
        FAssistMode = amNormal;
        if (Application) Application->HandleException(this);
        return;
    }
    TQuillMemo::WndProc(Message);
}

bool TQuillMemoCI::FilterNormal(TMessage& Message) {
    switch (Message.Msg) {
        case WM_KEYDOWN:
            if (Message.WParam == VK_CONTROL) FCtrlDown = true;
            return false;
        case WM_KEYUP:
            if (Message.WParam == VK_CONTROL) FCtrlDown = false;
            return false;
        case WM_CHAR:
            if (Message.WParam == 10 && FCtrlDown) {
                if (!WeHaveTemplates()) {
                    FCtrlDown = false;
                    return true;
                }
                ExpandTemplate();
                return false;
            }
            if (Message.WParam == ' ' && !FCtrlDown) {
                if (WordUnderCaret() == " ") return true;
                const std::string Word = WordUnderCaret();
                for (int I = 0; I < FList->Items()->Count(); ++I)
                    if (MacroItemName(FList->Items()->Strings(I)) == Word) TryShowParamHint(FList->Items()->Strings(I));
                return false;
            }
            if (Message.WParam == ' ' && FCtrlDown) {
                FCtrlDown = false;
                OpenMacroList();
                return true;
            }
            return false;
    }
    return false;
}

bool TQuillMemoCI::FilterList(TMessage& Message) {
    if (Message.Msg == WM_KEYDOWN) {
        switch (Message.WParam) {
            case VK_ESCAPE: HideMacroList(); return true;
            case VK_PRIOR: MoveListSelection(-ListPage); return true;
            case VK_NEXT: MoveListSelection(ListPage); return true;
            case VK_HOME: MoveListSelection(-1, true); return true;
            case VK_END: MoveListSelection(1, true); return true;
            case VK_UP: MoveListSelection(-1); return true;
            case VK_DOWN: MoveListSelection(1); return true;
        }
        return false;
    }
    if (Message.Msg == WM_CHAR && (Message.WParam == 13 || Message.WParam == ' ')) {
        const int Selected = FList->ItemIndex();
        const std::string Item = Selected >= 0 ? FList->Items()->Strings(Selected) : std::string();
        AcceptListItem();
        if (Message.WParam == 13) return true;
        TQuillMemo::WndProc(Message);
        if (Selected >= 0) TryShowParamHint(Item);
        return true;
    }
    return false;
}

void TQuillMemoCI::FilterHint(TMessage& Message) {
    switch (Message.Msg) {
        case WM_KILLFOCUS: DoHintAction(FHint.FocusLost()); break;
        case WM_KEYDOWN:
            if (Message.WParam == VK_LEFT) DoHintAction(FHint.KeyLeft(CharLeftOfCaret()));
            else if (Message.WParam == VK_BACK) DoHintAction(FHint.KeyBackspace(CaretColumn(), CharLeftOfCaret()));
            else FHint.OtherKey();
            break;
    }
}

// ---- templates

void TQuillMemoCI::ExpandTemplate() {
    const std::string Word = WordUnderCaret();
    if (!SharedTemplates().IsTemplateName(Word)) return;
    const std::string Body = TemplateInsertText(SharedTemplates().Body(Word));
    // The occurrence under the caret goes, not an earlier one on the line.
    const TWordSpan Span = WordSpanAt(CaretLineText(), CaretColumn(), CodeSeparators);
    DeleteInCaretLine(Span.Start, Span.Length);
    SetSelText(Body);
    FCtrlDown = false;
}

// ---- the macro list

void TQuillMemoCI::OpenMacroList() {
    FAssistMode = amList;
    const TPoint P = CaretPixel();
    FList->SetBounds(P.X + 1, P.Y - FList->Font()->Height() + 4, ListWidth, ListHeight);
    if (!FListLoaded) {
        try {
            const std::vector<std::string> Items = LoadMacroFile(FProcsFile);
            FList->Items()->BeginUpdate();
            FList->Items()->Clear();
            for (const std::string& S : Items) FList->Items()->Add(S);
            FList->Items()->EndUpdate();
        } catch (const Exception& E) {
            FAssistMode = amNormal;
            MessageDlg(E.what(), mtError, {mbOK}, 0);
            return;
        }
        FListLoaded = true;
    }
    FList->SetParent(this);
    FList->SetVisible(true);
    std::vector<std::string> Items;
    for (int I = 0; I < FList->Items()->Count(); ++I) Items.push_back(FList->Items()->Strings(I));
    FList->SetItemIndex(FindListItem(Items, WordUnderCaret()));
}

void TQuillMemoCI::HideMacroList() {
    FList->SetVisible(false);
    FAssistMode = amNormal;
}

void TQuillMemoCI::MoveListSelection(int Delta, bool ToEnd) {
    const int Count = FList->Items()->Count();
    if (Count == 0) return;
    int I = ToEnd ? (Delta < 0 ? 0 : Count - 1) : FList->ItemIndex() + Delta;
    FList->SetItemIndex(std::clamp(I, 0, Count - 1));
}

void TQuillMemoCI::AcceptListItem() {
    FAssistMode = amNormal;
    FList->SetVisible(false);
    const int Selected = FList->ItemIndex();
    if (Selected < 0) return;
    const std::string Name = MacroItemName(FList->Items()->Strings(Selected));
    const TLineEdit Edit = RemoveTypedWord(CaretLineText(), CaretColumn());
    const int Removed = CaretColumn() - Edit.Caret;
    DeleteInCaretLine(Edit.Caret, Removed);
    SetSelText(Name);
}

void TQuillMemoCI::ListDblClick(TObject*) {
    AcceptListItem();
    SetFocus();
}

void TQuillMemoCI::Change() {
    TQuillMemo::Change();
    if (FAssistMode != amList) return;
    const std::string Word = WordUnderCaret();
    if (Word.empty() || Word.back() == '(') return;
    std::vector<std::string> Items;
    for (int I = 0; I < FList->Items()->Count(); ++I) Items.push_back(FList->Items()->Strings(I));
    FList->SetItemIndex(FindListItem(Items, Word));
}

void TQuillMemoCI::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (CanFocus()) SetFocus();
    TQuillMemo::MouseDown(Button, Shift, X, Y);
    if (FAssistMode == amList) HideMacroList();
}

// ---- the parameter hint

void TQuillMemoCI::TryShowParamHint(const std::string& Item) {
    if (FHint.Open(Item, CaretColumn(), CaretLine())) ShowParamHint();
}

void TQuillMemoCI::ShowParamHint() {
    const TPoint P = CaretPixel();
    const TPoint Origin = HandleAllocated() ? ClientOrigin() : TPoint{0, 0};
    FHintForm->SetBounds(Origin.X + P.X + 1, Origin.Y + P.Y - Font()->Height() + 4, FHintForm->Width(), HintHeight);
    FHintForm->Show();
    if (CanFocus()) SetFocus();
    FAssistMode = amHint;
    RepaintHint();
}

void TQuillMemoCI::HideParamHint(bool Refresh) {
    FHint.Hide();
    FHintForm->Hide();
    FAssistMode = amNormal;
    if (Refresh) Invalidate();
}

void TQuillMemoCI::RepaintHint() {
    if (FHintForm->HandleAllocated()) FHintForm->Invalidate();
}

void TQuillMemoCI::DoHintAction(THintAction Action) {
    switch (Action) {
        case THintAction::None: break;
        case THintAction::Repaint: RepaintHint(); break;
        case THintAction::Hide: HideParamHint(false); break;
        case THintAction::HideAndRefresh: HideParamHint(true); break;
    }
}

void TQuillMemoCI::PaintHint(TObject*) {
    TCanvas* C = FHintForm->Canvas();
    auto Width = [C](const std::string& Text, bool Bold) {
        C->Font()->SetStyle(Bold ? TFontStyles{fsBold} : TFontStyles{});
        return C->TextWidth(Text);
    };
    const int W = HintWindowWidth(FHint.HintText(), FHint.ParamCount(), Width);
    if (FHintForm->Width() != W) FHintForm->SetWidth(W);
    C->Brush()->SetColor(clBlack);
    C->FrameRect({0, 0, FHintForm->Width(), FHintForm->Height()});
    C->Brush()->SetColor(HintColor);
    for (const THintPiece& P : LayoutHint(FHint.HintText(), FHint.CurrentParam(), Width)) {
        C->Font()->SetStyle(P.Bold ? TFontStyles{fsBold} : TFontStyles{});
        C->TextOut(P.X, 2, P.Text);
    }
}

// ---- caret tracking

void TQuillMemoCI::CaretMoved(TObject*) {
    if (FAssistMode == amHint) DoHintAction(FHint.CaretMoved(CaretColumn(), CaretLine(), CharLeftOfCaret()));
    if (!FStatus) return;
    // The row and column follow once the typed text is on the screen: a
    // new panel text costs round trips to the Wine server and a paint of the
    // bar before the loop is idle, which would hold back every key. Keys in
    // a burst share one.
    if (!HandleAllocated()) {
        ShowCaretPlace();
        return;
    }
    FStatusStale = true;
    FCaretMovedAt = Now();
    // Armed once for a run of keys and left ticking while they come: arming
    // it at each key was a round trip to the Wine server in the key.
    if (!FStatusDue) {
        SetTimer(Handle(), StatusTimer, USER_TIMER_MINIMUM, nullptr);
        FStatusDue = true;
    }
}

void TQuillMemoCI::StatusTick() {
    // The place shows a tick's time after the caret's last move at the
    // earliest: a tick right after a key would paint the bar within it.
    // Half a second without a move covers the gaps between a typist's keys.
    constexpr int64_t StatusIdle = 500;
    const int64_t Since = Now() - FCaretMovedAt;
    if (FStatusStale && Since >= USER_TIMER_MINIMUM) {
        FStatusStale = false;
        ShowCaretPlace();
    }
    if (!FStatusStale && Since >= StatusIdle) {
        KillTimer(Handle(), StatusTimer);
        FStatusDue = false;
    }
}

void TQuillMemoCI::ShowCaretPlace() {
    if (FStatus && FStatus->Panels()->Count() >= 2) {
        FStatus->SetPanelTextLater(0, ListTexts::RowPanel(CaretLine()));
        FStatus->SetPanelTextLater(1, ListTexts::ColumnPanel(CaretColumn()));
    }
}

QRN_PUBLISHED(TQuillMemoCI) { B.Prop("ProcsFile", &TQuillMemoCI::ProcsFile, &TQuillMemoCI::SetProcsFile); }
