#include "editor/KeyLists.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <memory>

#include "editor/QuillText.h"
#include "framework/classes/Filer.h"

TKeywordList::~TKeywordList() {
    for (int i = 0; i < GetCount(); ++i) delete GetObject(i);
}

void TKeywordList::CheckKey(const std::string& S) {
    if (S.size() > static_cast<size_t>(QuillMaxKeyLength)) throw EListError("Key too long");
}

void TKeywordList::CheckRoom() const {
    if (GetCount() >= QuillMaxKeys) throw EListError("Too many keys");
}

int TKeywordList::Add(const std::string& S) { return AddObject(S, nullptr); }

int TKeywordList::AddObject(const std::string& S, TObject* AObject) {
    CheckKey(S);
    CheckRoom();
    return TStringList::AddObject(S, AObject);
}

void TKeywordList::Insert(int Index, const std::string& S) { InsertObject(Index, S, nullptr); }

void TKeywordList::InsertObject(int Index, const std::string& S, TObject* AObject) {
    CheckKey(S);
    CheckRoom();
    TStringList::InsertObject(Index, S, AObject);
}

void TKeywordList::Put(int Index, const std::string& S) {
    CheckKey(S);
    TStringList::Put(Index, S);
}

void TKeywordList::Delete(int Index) {
    TObject* O = GetObject(Index);
    TStringList::Delete(Index);
    delete O;
}

void TKeywordList::Clear() {
    std::vector<TObject*> Owned;
    for (int i = 0; i < GetCount(); ++i) Owned.push_back(GetObject(i));
    TStringList::Clear();
    for (TObject* O : Owned) delete O;
}

void TKeywordList::Assign(TPersistent* Source) {
    auto* Other = dynamic_cast<TKeywordList*>(Source);
    if (!Other) return;
    BeginUpdate();
    try {
        Clear();
        for (int i = 0; i < Other->GetCount(); ++i) {
            TKeyword* K = Other->Keyword(i);
            std::unique_ptr<TKeyword> Copy;
            if (K) {
                Copy = std::make_unique<TKeyword>();
                static_cast<TKeywordInfo&>(*Copy) = static_cast<const TKeywordInfo&>(*K);
            }
            AddObject(Other->Get(i), Copy.get());
            Copy.release();
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

int TKeywordList::AddKeyword(const std::string& Text, uint8_t Options, uint8_t Style, int16_t Context,
                             int16_t Cursor, int32_t Background, int32_t Foreground) {
    auto K = std::make_unique<TKeyword>();
    K->Options = Options;
    K->Style = Style;
    K->Context = Context;
    K->Cursor = Cursor;
    K->Background = Background;
    K->Foreground = Foreground;
    K->KeyLength = static_cast<int32_t>(Text.size());
    int I = AddObject(Text, K.get());
    K.release();
    return I;
}

TKeyword* TKeywordList::Keyword(int I) const { return dynamic_cast<TKeyword*>(GetObject(I)); }

TKeywordInfo TKeywordList::GetKeywordInfo(int I) const {
    TKeywordInfo Info;
    Info.Background = Info.Foreground = 0;
    if (TKeyword* K = Keyword(I)) {
        Info.Options = K->Options;
        Info.Style = K->Style;
        Info.Context = K->Context;
        Info.Cursor = K->Cursor;
        Info.Background = K->Background;
        Info.Foreground = K->Foreground;
        Info.Reserved = K->Reserved;
        Info.KeyLength = K->KeyLength;
    }
    return Info;
}

void TKeywordList::Rebuild() {
    static uint64_t Rebuilds = 0;
    FGeneration = ++Rebuilds;
    FCompiled.clear();
    FRecords.clear();
    FMaxKeyLength = 0;
    FAnyCaseless = false;
    for (int i = 0; i < GetCount(); ++i) {
        std::string S = Get(i);
        TKeyword* K = Keyword(i);
        FRecords.push_back(K);
        if (K) K->KeyLength = static_cast<int32_t>(S.size());
        bool MatchCase = K && (K->Options & koMatchCase);
        if (!MatchCase) {
            QuillUpperInPlace(S.data(), static_cast<int32_t>(S.size()));
            FAnyCaseless = true;
        }
        if (static_cast<int>(S.size()) > FMaxKeyLength) FMaxKeyLength = static_cast<int>(S.size());
        FCompiled.push_back(std::move(S));
    }
}

void TKeywordList::Changed() {
    Rebuild();
    TStringList::Changed();
}

TStartStopKeyList::TStartStopKeyList()
    : TDynArray(static_cast<int16_t>(sizeof(TStartStopKey)), static_cast<int16_t>((sizeof(TStartStopKey) + 7) / 8 * 8)) {}

TStartStopKeyList::~TStartStopKeyList() { ClearKeys(); }

namespace {
char* CopyKey(const std::string& S, bool Upper) {
    auto* P = static_cast<char*>(std::malloc(S.size() + 1));
    if (!P) throw EOutOfMemory("Out of memory");
    std::memcpy(P, S.c_str(), S.size() + 1);
    if (Upper) QuillUpperInPlace(P, static_cast<int32_t>(S.size()));
    return P;
}
}  // namespace

int32_t TStartStopKeyList::AddKey(const std::string& Start, const std::string& Stop, bool EndsAtParEnd,
                                  int32_t Foreground, int32_t Background, int16_t Cursor, int16_t Context,
                                  uint8_t Style, uint8_t Options) {
    if (Start.size() > static_cast<size_t>(QuillMaxKeyLength) || Stop.size() > static_cast<size_t>(QuillMaxKeyLength))
        throw EListError("Key too long");
    if (Count() >= QuillMaxKeys) throw EListError("Too many keys");
    TStartStopKey K{};
    bool Upper = !(Options & koMatchCase);
    K.Options = Options;
    K.Style = Style;
    K.Context = Context;
    K.Cursor = Cursor;
    K.Background = Background;
    K.Foreground = Foreground;
    K.StartLength = static_cast<int16_t>(Start.size());
    K.StopLength = static_cast<int16_t>(Stop.size());
    K.EndsAtParEnd = EndsAtParEnd ? 1 : 0;
    K.SameStartLink = -1;
    if (FOriginal.capacity() == FOriginal.size()) FOriginal.reserve(FOriginal.size() * 2 + 8);
    K.StartKey = CopyKey(Start, Upper);
    try {
        K.StopKey = CopyKey(Stop, Upper);
    } catch (...) {
        std::free(K.StartKey);
        throw;
    }
    for (int32_t i = 0; i < Count(); ++i) {
        const TStartStopKey& O = Key(i);
        if (O.Options == K.Options && std::strcmp(O.StartKey, K.StartKey) == 0) {
            K.SameStartLink = static_cast<int16_t>(i);
            break;
        }
    }
    try {
        // Room grows geometrically: SetCount alone grows to the exact need.
        if (Capacity() <= Count()) SetCapacity(Count() < 8 ? 8 : Count() + Count() / 2);
        Add(&K);
    } catch (...) {
        std::free(K.StartKey);
        std::free(K.StopKey);
        throw;
    }
    FOriginal.emplace_back(Start, Stop);
    if (K.StartLength > FMaxStartLength) FMaxStartLength = K.StartLength;
    if (K.StopLength > FMaxStopLength) FMaxStopLength = K.StopLength;
    if (EndsAtParEnd && FMaxStopLength < 2) FMaxStopLength = 2;
    FPrepared = false;
    return Count() - 1;
}

void TStartStopKeyList::ClearKeys() {
    for (int32_t i = 0; i < Count(); ++i) {
        std::free(Key(i).StartKey);
        std::free(Key(i).StopKey);
    }
    FOriginal.clear();
    SetCount(0);
    SetCapacity(2);
    FMaxStartLength = FMaxStopLength = 0;
    FPrepared = false;
}

void TStartStopKeyList::Prepare(const TSeparators& Sep) {
    FNeedsUpper = false;
    std::fill(std::begin(FFirstChars), std::end(FFirstChars), false);
    for (int32_t i = 0; i < Count(); ++i) {
        TStartStopKey& K = Key(i);
        if (K.StartLength > 0) {
            auto Ch = static_cast<unsigned char>(K.StartKey[0]);
            FFirstChars[Ch] = true;
            if (!(K.Options & koMatchCase) && Ch >= 'A' && Ch <= 'Z') FFirstChars[Ch + 32] = true;
        }
        bool Whole = (K.Options & koWholeWord) != 0;
        auto IsSep = [&](char C) { return Sep[static_cast<unsigned char>(C)]; };
        K.CheckAfterStart = Whole && K.StartLength > 0 && !IsSep(K.StartKey[K.StartLength - 1]);
        K.CheckBeforeStart = Whole && K.StartLength > 0 && !IsSep(K.StartKey[0]);
        K.CheckAfterStop = K.StopLength >= 1 && Whole && !IsSep(K.StopKey[K.StopLength - 1]);
        K.CheckBeforeStop = K.StopLength >= 1 && Whole && !IsSep(K.StopKey[0]);
        if (!(K.Options & koMatchCase)) {
            auto HasLetter = [](const char* P) {
                for (; *P; ++P)
                    if (AsciiUpper(*P) != *P || (*P >= 'A' && *P <= 'Z')) return true;
                return false;
            };
            if (HasLetter(K.StartKey) || HasLetter(K.StopKey)) FNeedsUpper = true;
        }
    }
    FPrepared = true;
}

void TKeywordList::DefineProperties(TFiler* Filer) {
    Filer->DefineProperty(
        "Strings", [this](TReader* R) { ReadData(*R); }, [this](TWriter* W) { WriteData(*W); }, GetCount() > 0);
}

void TStartStopKeyList::DefineProperties(TFiler* Filer) {
    Filer->DefineProperty(
        "Keys", [this](TReader* R) { ReadData(*R); }, [this](TWriter* W) { WriteData(*W); }, Count() > 0);
}

QRN_PUBLISHED(TKeywordList) {}
QRN_PUBLISHED(TStartStopKeyList) {}
