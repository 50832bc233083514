#pragma once
// Helpers shared by the editor tests: loading text, a recording value
// writer/reader for the stream formats, a fake window and clipboard.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "editor/QuillEditor.h"
#include "framework/rtl/Streams.h"

inline void LoadText(TQuillEditor& M, const std::string& Text) {
    TStringStream S(Text);
    M.LoadFromStream(&S);
}

inline std::string SavedText(TQuillEditor& M) {
    TStringStream S;
    M.SaveToStream(&S);
    return S.DataString();
}

inline std::vector<std::string> Paragraphs(TQuillEditor& M) {
    std::vector<std::string> R;
    for (int32_t i = 0; i < M.ParagraphCount(); ++i) R.push_back(M.GetParagraphText(i));
    return R;
}

// Records typed values like the form writer and plays them back like the
// form reader.
class TValueTape {
public:
    using TValue = std::variant<std::string, int64_t, bool>;
    enum TMark { ListBegin, ListEnd };
    void WriteListBegin() { Items.push_back(Marker{ListBegin}); }
    void WriteListEnd() { Items.push_back(Marker{ListEnd}); }
    void WriteString(const std::string& S) { Items.push_back(TValue(S)); }
    void WriteInteger(int64_t V) { Items.push_back(TValue(V)); }
    void WriteBoolean(bool V) { Items.push_back(TValue(V)); }

    void ReadListBegin() { Expect(ListBegin); }
    void ReadListEnd() { Expect(ListEnd); }
    bool EndOfList() const {
        return Pos < Items.size() && std::holds_alternative<Marker>(Items[Pos]) && std::get<Marker>(Items[Pos]).M == ListEnd;
    }
    std::string ReadString() { return std::get<std::string>(std::get<TValue>(Items.at(Pos++))); }
    int ReadInteger() { return static_cast<int>(std::get<int64_t>(std::get<TValue>(Items.at(Pos++)))); }
    bool ReadBoolean() { return std::get<bool>(std::get<TValue>(Items.at(Pos++))); }

    std::vector<std::string> Strings() const {
        std::vector<std::string> R;
        for (auto& I : Items)
            if (auto* V = std::get_if<TValue>(&I))
                if (auto* S = std::get_if<std::string>(V)) R.push_back(*S);
        return R;
    }

    struct Marker {
        TMark M;
    };
    std::vector<std::variant<Marker, TValue>> Items;
    size_t Pos = 0;

private:
    void Expect(TMark M) {
        if (!std::holds_alternative<Marker>(Items.at(Pos)) || std::get<Marker>(Items[Pos]).M != M)
            throw std::runtime_error("list marker expected");
        ++Pos;
    }
};

// A window whose font is 8 pixels per character and 15 pixels high.
class TFakeWindow : public IQuillWindowSide {
public:
    void SelectStyle(uint8_t S) override { Style = S; }
    int32_t TextWidth(const char*, int32_t Length) override {
        Measured += Length;
        return Length * 8;
    }
    int32_t FontLineHeight() override { return 15; }
    int32_t ClientWidth() override { return Width; }
    int32_t ClientHeight() override { return Height; }
    void ScheduleFormatStep() override { ++Scheduled; }
    void InvalidateAll() override { ++Invalidated; }
    void PaintNow() override { ++Painted; }
    int32_t Width = 200;
    int32_t Height = 160;
    int Scheduled = 0;
    int Invalidated = 0;
    int Painted = 0;
    int64_t Measured = 0;  // characters measured
    uint8_t Style = 0;
};

class TFakeClipboard : public IQuillClipboard {
public:
    bool HasText() override { return Has; }
    std::string GetText() override { return Text; }
    bool SetText(const std::string& T) override {
        if (Refuses) return false;
        Text = T;
        Has = true;
        return true;
    }
    bool Has = false;
    bool Refuses = false;  // as a clipboard another program holds open
    std::string Text;
};

// Types text one key at a time, as the keyboard does.
inline void Type(TQuillEditor& M, const std::string& S) {
    for (char C : S) M.InsertTextAtSelection(std::string(1, C));
}
