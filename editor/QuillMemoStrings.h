#pragma once
// TStrings views of the editor's text: by paragraph and by display line.
#include <memory>
#include <string>

#include "editor/ParagraphsList.h"
#include "framework/rtl/StringList.h"

class TQuillEditor;

class TQuillMemoStrings : public TStrings {
public:
    explicit TQuillMemoStrings(TQuillEditor* AEditor) : Editor(AEditor) {}
    void Assign(TPersistent* Source) override;
    std::string GetTextStr() const override;
    void SetTextStr(std::string_view Value) override;
    void Clear() override;
    void LoadFromStream(TStream* Stream) override;
    void SaveToStream(TStream* Stream) const override;
    void DefineProperties(TFiler* Filer) override;

    // The "Strings" property, over any reader/writer with the framework's
    // typed-value calls.
    template <class W> void WriteData(W& Writer) const;
    template <class R> void ReadData(R& Reader);

protected:
    void SetUpdateState(bool Updating) override;
    TQuillEditor* Editor;
};

class TQuillParaStrings : public TQuillMemoStrings {
public:
    using TQuillMemoStrings::TQuillMemoStrings;
    std::string Get(int Index) const override;
    int GetCount() const override;
    void Put(int Index, const std::string& S) override;
    int Add(const std::string& S) override;
    void Delete(int Index) override;
    void Insert(int Index, const std::string& S) override;
};

class TQuillLinesStrings : public TQuillMemoStrings {
public:
    explicit TQuillLinesStrings(TQuillEditor* AEditor);
    std::string Get(int Index) const override;
    int GetCount() const override;
    void Put(int Index, const std::string& S) override;
    int Add(const std::string& S) override;
    void Delete(int Index) override;
    void Insert(int Index, const std::string& S) override;
};

#include "editor/QuillEditor.h"
#include "editor/QuillStringsFormat.h"

template <class W>
void TQuillMemoStrings::WriteData(W& Writer) const {
    Writer.WriteListBegin();
    for (int32_t i = 0; i < Editor->ParagraphCount(); ++i) {
        const TParagraph& P = Editor->Paragraph(i);
        WriteParagraphStrings(Writer, std::string_view(P.Text() ? P.Text() : "", static_cast<size_t>(P.Length)));
    }
    Writer.WriteListEnd();
}

template <class R>
void TQuillMemoStrings::ReadData(R& Reader) {
    Editor->Clear();
    BeginUpdate();
    try {
        Reader.ReadListBegin();
        bool First = true;
        while (!Reader.EndOfList()) {
            std::string Text = ReadParagraphStrings(Reader);
            if (First && Editor->CharCount() == 0)
                Editor->SetParagraphText(0, Text);
            else
                Editor->SetParagraphText(Editor->ParagraphCount(), Text);
            First = false;
        }
        Reader.ReadListEnd();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}
