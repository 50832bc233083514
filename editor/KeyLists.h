#pragma once
// The editor's two key lists: keywords coloured wherever they occur, and
// start/stop keys that open and close regions (comments, strings).
#include <bitset>
#include <cstdint>
#include <string>
#include <vector>

#include "editor/DynArray.h"
#include "framework/classes/TypeInfo.h"
#include "framework/rtl/StringList.h"

// Limits on keys, so that lengths fit their byte fields and indices their
// 16-bit region-stack entries.
constexpr int QuillMaxKeys = 32767;
constexpr int QuillMaxKeyLength = 255;

constexpr uint8_t koMatchCase = 0x01;
constexpr uint8_t koWholeWord = 0x02;

using TSeparators = std::bitset<256>;

// The fields of a keyword record.
struct TKeywordInfo {
    uint8_t Options = 0;
    uint8_t Style = 0;
    int16_t Context = 0;
    int16_t Cursor = 0;
    int32_t Background = -1;
    int32_t Foreground = -1;
    uint16_t Reserved = 0;
    int32_t KeyLength = 0;
};

// The record attached to each keyword string (owned by the list).
class TKeyword : public TObject, public TKeywordInfo {};

class TKeywordList : public TStringList {
    QRN_CLASS(TKeywordList, TStringList)
public:
    ~TKeywordList() override;
    int Add(const std::string& S) override;
    int AddObject(const std::string& S, TObject* AObject) override;
    void Insert(int Index, const std::string& S) override;
    void InsertObject(int Index, const std::string& S, TObject* AObject) override;
    void Put(int Index, const std::string& S) override;
    void Delete(int Index) override;
    void Clear() override;
    void Assign(TPersistent* Source) override;
    // The "Strings" property in the keyword format, stored when not empty.
    void DefineProperties(TFiler* Filer) override;

    // Adds a keyword with a fresh record; returns its index.
    int AddKeyword(const std::string& Text, uint8_t Options, uint8_t Style, int16_t Context, int16_t Cursor,
                   int32_t Background, int32_t Foreground);
    // Copy of item I's record (zeroes when it has none).
    TKeywordInfo GetKeywordInfo(int I) const;
    TKeyword* Keyword(int I) const;

    // Compiled data, rebuilt on every change.
    const std::vector<std::string>& Compiled() const { return FCompiled; }
    // Item I's record, or none (cached on every change).
    TKeyword* Record(int I) const { return FRecords[static_cast<size_t>(I)]; }
    int MaxKeyLength() const { return FMaxKeyLength; }
    // Changes with every rebuild of any list: data derived from the
    // compiled keywords is current while it stays the same.
    uint64_t Generation() const { return FGeneration; }
    bool AnyCaseless() const { return FAnyCaseless; }

    // "Strings" stream format, over any reader/writer with the framework's
    // typed-value calls.
    template <class W> void WriteData(W& Writer) const;
    template <class R> void ReadData(R& Reader);

protected:
    void Changed() override;

private:
    static void CheckKey(const std::string& S);
    void CheckRoom() const;
    void Rebuild();
    std::vector<std::string> FCompiled;
    std::vector<TKeyword*> FRecords;
    int FMaxKeyLength = 0;
    bool FAnyCaseless = false;
    uint64_t FGeneration = 0;
};

struct TStartStopKey {
    uint8_t Options;
    uint8_t Style;
    int16_t Context;
    int16_t Cursor;
    int32_t Background;
    int32_t Foreground;
    char* StartKey;  // owned by the list
    char* StopKey;   // owned by the list
    int16_t StartLength;
    int16_t StopLength;
    uint8_t EndsAtParEnd;
    int16_t SameStartLink;
    uint8_t CheckAfterStart;
    uint8_t CheckBeforeStart;
    uint8_t CheckAfterStop;
    uint8_t CheckBeforeStop;
};

class TStartStopKeyList : public TDynArray {
    QRN_CLASS(TStartStopKeyList, TDynArray)
public:
    TStartStopKeyList();
    // The "Keys" property, stored when not empty.
    void DefineProperties(TFiler* Filer) override;
    ~TStartStopKeyList() override;
    int32_t AddKey(const std::string& Start, const std::string& Stop, bool EndsAtParEnd, int32_t Foreground,
                   int32_t Background, int16_t Cursor, int16_t Context, uint8_t Style, uint8_t Options);
    void ClearKeys();
    TStartStopKey& Key(int32_t I) const { return *static_cast<TStartStopKey*>(Items(I)); }
    // The key texts as they were given (the stored copies may be upper-cased).
    const std::string& OriginalStart(int32_t I) const { return FOriginal[static_cast<size_t>(I)].first; }
    const std::string& OriginalStop(int32_t I) const { return FOriginal[static_cast<size_t>(I)].second; }
    void Prepare(const TSeparators& Separators);
    bool Prepared() const { return FPrepared; }
    void Unprepare() { FPrepared = false; }
    int16_t MaxStartLength() const { return FMaxStartLength; }
    int16_t MaxStopLength() const { return FMaxStopLength; }
    // Whether some key ignoring case holds a letter (else the text itself
    // serves as its upper-cased copy). Valid once prepared.
    bool NeedsUpperCopy() const { return FNeedsUpper; }
    // Whether a character can begin a start key (either case where case is
    // ignored). Valid once prepared.
    bool CanStartKey(unsigned char C) const { return FFirstChars[C]; }

    // "Keys" stream format.
    template <class W> void WriteData(W& Writer) const;
    template <class R> void ReadData(R& Reader);

private:
    std::vector<std::pair<std::string, std::string>> FOriginal;
    int16_t FMaxStartLength = 0;
    int16_t FMaxStopLength = 0;
    bool FPrepared = false;
    bool FNeedsUpper = false;
    bool FFirstChars[256] = {};
};

template <class W>
void TKeywordList::WriteData(W& Writer) const {
    Writer.WriteListBegin();
    for (int i = 0; i < GetCount(); ++i) {
        TKeywordInfo K = GetKeywordInfo(i);
        Writer.WriteString(Get(i));
        Writer.WriteInteger(K.Options);
        Writer.WriteInteger(K.Style);
        Writer.WriteInteger(K.Context);
        Writer.WriteInteger(K.Cursor);
        Writer.WriteInteger(K.Background);
        Writer.WriteInteger(K.Foreground);
    }
    Writer.WriteListEnd();
}

template <class R>
void TKeywordList::ReadData(R& Reader) {
    Clear();
    BeginUpdate();
    try {
        Reader.ReadListBegin();
        while (!Reader.EndOfList()) {
            std::string S = Reader.ReadString();
            auto Options = static_cast<uint8_t>(Reader.ReadInteger());
            auto Style = static_cast<uint8_t>(Reader.ReadInteger());
            auto Context = static_cast<int16_t>(Reader.ReadInteger());
            auto Cursor = static_cast<int16_t>(Reader.ReadInteger());
            int32_t Background = Reader.ReadInteger();
            int32_t Foreground = Reader.ReadInteger();
            AddKeyword(S, Options, Style, Context, Cursor, Background, Foreground);
        }
        Reader.ReadListEnd();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

template <class W>
void TStartStopKeyList::WriteData(W& Writer) const {
    Writer.WriteListBegin();
    for (int32_t i = 0; i < Count(); ++i) {
        const TStartStopKey& K = Key(i);
        Writer.WriteString(OriginalStart(i));
        Writer.WriteString(OriginalStop(i));
        Writer.WriteInteger(K.Options);
        Writer.WriteInteger(K.Style);
        Writer.WriteInteger(K.Context);
        Writer.WriteInteger(K.Cursor);
        Writer.WriteInteger(K.Background);
        Writer.WriteInteger(K.Foreground);
        Writer.WriteBoolean(K.EndsAtParEnd != 0);
    }
    Writer.WriteListEnd();
}

template <class R>
void TStartStopKeyList::ReadData(R& Reader) {
    ClearKeys();
    Reader.ReadListBegin();
    while (!Reader.EndOfList()) {
        std::string Start = Reader.ReadString();
        std::string Stop = Reader.ReadString();
        auto Options = static_cast<uint8_t>(Reader.ReadInteger());
        auto Style = static_cast<uint8_t>(Reader.ReadInteger());
        auto Context = static_cast<int16_t>(Reader.ReadInteger());
        auto Cursor = static_cast<int16_t>(Reader.ReadInteger());
        int32_t Background = Reader.ReadInteger();
        int32_t Foreground = Reader.ReadInteger();
        bool Ends = Reader.ReadBoolean();
        AddKey(Start, Stop, Ends, Foreground, Background, Cursor, Context, Style, Options);
    }
    Reader.ReadListEnd();
    FPrepared = false;
}
