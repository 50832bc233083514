#include "editor/QuillMemoStrings.h"

#include "framework/classes/Filer.h"
#include "framework/rtl/Streams.h"

namespace {
[[noreturn]] void IndexError() { throw EStringListError("List index out of bounds"); }
}  // namespace

void TQuillMemoStrings::Assign(TPersistent* Source) {
    if (auto* S = dynamic_cast<TStrings*>(Source)) {
        TMemoryStream M;
        S->SaveToStream(&M);
        M.SetPosition(0);
        Editor->LoadFromStream(&M);
        return;
    }
    TStrings::Assign(Source);
}

void TQuillMemoStrings::SetUpdateState(bool Updating) {
    if (Updating)
        Editor->BeginUpdate();
    else
        Editor->EndUpdate();
}

std::string TQuillMemoStrings::GetTextStr() const { return Editor->GetTextRange(0, Editor->CharCount()); }

void TQuillMemoStrings::SetTextStr(std::string_view Value) { Editor->ReplaceAllText(Value); }

void TQuillMemoStrings::Clear() { Editor->Clear(); }

void TQuillMemoStrings::LoadFromStream(TStream* Stream) { Editor->LoadFromStream(Stream); }

void TQuillMemoStrings::SaveToStream(TStream* Stream) const { Editor->SaveToStream(Stream); }

void TQuillMemoStrings::DefineProperties(TFiler* Filer) {
    Filer->DefineProperty(
        "Strings", [this](TReader* R) { ReadData(*R); }, [this](TWriter* W) { WriteData(*W); }, Editor->CharCount() > 0);
}

// ---- paragraph view ----

std::string TQuillParaStrings::Get(int Index) const {
    if (Index < 0 || Index >= Editor->ParagraphCount()) IndexError();
    return Editor->GetParagraphText(Index);
}

int TQuillParaStrings::GetCount() const {
    int32_t N = Editor->ParagraphCount();
    return Editor->Paragraph(N - 1).Length == 0 ? N - 1 : N;
}

void TQuillParaStrings::Put(int Index, const std::string& S) {
    if (Index < 0) IndexError();
    Editor->SetParagraphText(Index, S);
}

int TQuillParaStrings::Add(const std::string& S) {
    int32_t N = Editor->ParagraphCount();
    if (Editor->Paragraph(N - 1).Length != 0)
        Editor->SetParagraphText(N, S);
    else
        Editor->SetParagraphText(N - 1, S + "\r\n");
    return GetCount() - 1;
}

void TQuillParaStrings::Delete(int Index) {
    if (Index < 0 || Index >= Editor->ParagraphCount()) IndexError();
    Editor->SetCaretParagraph(Index);
    int32_t Len = Editor->Paragraph(Index).Length;
    Editor->SetSelLength(Index == Editor->ParagraphCount() - 1 ? Len : Len + 2);
    Editor->ClearSelection();
}

void TQuillParaStrings::Insert(int Index, const std::string& S) {
    if (Index < 0) IndexError();
    if (Index < Editor->ParagraphCount()) {
        Editor->SetCaretParagraph(Index);
        Editor->InsertTextAtSelection(S + "\r\n");
    } else {
        Editor->SetSelStart(Editor->CharCount());
        Editor->InsertTextAtSelection("\r\n" + S);
    }
}

// ---- display-line view ----

TQuillLinesStrings::TQuillLinesStrings(TQuillEditor* AEditor) : TQuillMemoStrings(AEditor) {}

std::string TQuillLinesStrings::Get(int Index) const { return Editor->GetLineText(Index); }

int TQuillLinesStrings::GetCount() const {
    int32_t Last = Editor->ParagraphCount() - 1;
    const TDisplayLine L = Editor->ParagraphLine(Last, Editor->ParagraphLineCount(Last) - 1);
    return L.End == L.Start ? Editor->LineCount() - 1 : Editor->LineCount();
}

void TQuillLinesStrings::Put(int Index, const std::string& S) {
    if (Index < 0 || Index >= Editor->LineCount()) return;
    Editor->SetCaretLine(Index);
    Editor->SetSelLength(static_cast<int32_t>(Editor->GetLineText(Index).size()));
    Editor->InsertTextAtSelection(S);
}

int TQuillLinesStrings::Add(const std::string& S) {
    int32_t N = Editor->ParagraphCount();
    if (Editor->Paragraph(N - 1).Length != 0)
        Editor->SetParagraphText(N, S);
    else
        Editor->SetParagraphText(N - 1, S + "\r\n");
    Editor->SetSelStart(Editor->CharCount());
    Editor->ScrollCaretIntoView();
    return GetCount() - 1;
}

void TQuillLinesStrings::Delete(int Index) {
    if (Index < 0 || Index >= GetCount()) return;
    Editor->SetCaretLine(Index);
    int32_t Len = static_cast<int32_t>(Editor->GetLineText(Index).size());
    TQuillNavigator* C = Editor->Caret();
    int32_t Par = C->LocatePar();
    int32_t EndOff = C->ParOffset + Len;
    if (EndOff >= Editor->Paragraph(Par).Length && Par < Editor->ParagraphCount() - 1) Len += 2;
    Editor->SetSelLength(Len);
    Editor->ClearSelection();
}

void TQuillLinesStrings::Insert(int Index, const std::string& S) {
    if (Index < 0 || Index > Editor->LineCount()) return;
    if (Index < Editor->LineCount()) {
        Editor->SetCaretLine(Index);
        Editor->InsertTextAtSelection(S + "\r\n");
    } else {
        Editor->SetSelStart(Editor->CharCount());
        Editor->InsertTextAtSelection("\r\n" + S);
    }
}
