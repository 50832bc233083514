#include "framework/rtl/StringList.h"

#include <algorithm>
#include <numeric>

#include "framework/rtl/Exceptions.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/Streams.h"

// TStrings

void TStrings::Error(const char* Msg, int Data) {
    std::string m(Msg);
    const size_t at = m.find("%d");
    if (at != std::string::npos) m.replace(at, 2, std::to_string(Data));
    throw EStringListError(m);
}

TObject* TStrings::GetObject(int) const { return nullptr; }

void TStrings::Put(int Index, const std::string& S) {
    TObject* obj = GetObject(Index);
    BeginUpdate();
    try {
        Delete(Index);
        InsertObject(Index, S, obj);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::PutObject(int, TObject*) {}

int TStrings::Add(const std::string& S) {
    const int result = GetCount();
    Insert(result, S);
    return result;
}

int TStrings::AddObject(const std::string& S, TObject* AObject) {
    const int result = Add(S);
    PutObject(result, AObject);
    return result;
}

namespace {
// Keeps BeginUpdate/EndUpdate balanced when an operation throws.
class TUpdateScope {
public:
    explicit TUpdateScope(TStrings* S) : Strings(S) { Strings->BeginUpdate(); }
    ~TUpdateScope() { Strings->EndUpdate(); }
    TUpdateScope(const TUpdateScope&) = delete;
    TUpdateScope& operator=(const TUpdateScope&) = delete;

private:
    TStrings* Strings;
};
}  // namespace

void TStrings::AddStrings(const TStrings* Strings) {
    if (!Strings) return;
    TUpdateScope update(this);
    const int n = Strings->GetCount();  // fixed first: Strings may be this list
    for (int i = 0; i < n; ++i) AddObject(Strings->Get(i), Strings->GetObject(i));
}

void TStrings::InsertObject(int Index, const std::string& S, TObject* AObject) {
    Insert(Index, S);
    PutObject(Index, AObject);
}

void TStrings::Move(int CurIndex, int NewIndex) {
    if (CurIndex == NewIndex) return;
    TUpdateScope update(this);
    const std::string s = Get(CurIndex);
    TObject* obj = GetObject(CurIndex);
    if (NewIndex < 0 || NewIndex >= GetCount()) Error("List index out of bounds (%d)", NewIndex);
    Delete(CurIndex);
    InsertObject(NewIndex, s, obj);
}

void TStrings::Exchange(int Index1, int Index2) {
    TUpdateScope update(this);
    const std::string s = Get(Index1);
    TObject* obj = GetObject(Index1);
    Put(Index1, Get(Index2));
    PutObject(Index1, GetObject(Index2));
    Put(Index2, s);
    PutObject(Index2, obj);
}

int TStrings::CompareStrings(const std::string& S1, const std::string& S2) const { return AnsiCompareText(S1, S2); }

int TStrings::IndexOf(const std::string& S) const {
    const int n = GetCount();
    for (int i = 0; i < n; ++i)
        if (CompareStrings(Get(i), S) == 0) return i;
    return -1;
}

int TStrings::IndexOfName(std::string_view Name) const {
    const int n = GetCount();
    const std::string name(Name);
    for (int i = 0; i < n; ++i) {
        const std::string s = Get(i);
        const size_t eq = s.find('=');
        if (eq != std::string::npos && CompareStrings(s.substr(0, eq), name) == 0) return i;
    }
    return -1;
}

int TStrings::IndexOfObject(const TObject* AObject) const {
    const int n = GetCount();
    for (int i = 0; i < n; ++i)
        if (GetObject(i) == AObject) return i;
    return -1;
}

std::string TStrings::Names(int Index) const {
    const std::string s = Get(Index);
    const size_t eq = s.find('=');
    return eq == std::string::npos ? std::string() : s.substr(0, eq);
}

std::string TStrings::Values(std::string_view Name) const {
    const int i = IndexOfName(Name);
    return i < 0 ? std::string() : ValueFromIndex(i);
}

std::string TStrings::ValueFromIndex(int Index) const {
    const std::string s = Get(Index);
    const size_t eq = s.find('=');
    return eq == std::string::npos ? std::string() : s.substr(eq + 1);
}

void TStrings::SetValues(std::string_view Name, const std::string& Value) {
    int i = IndexOfName(Name);
    if (!Value.empty()) {
        if (i < 0) i = Add("");
        Put(i, std::string(Name) + "=" + Value);
    } else if (i >= 0) {
        Delete(i);
    }
}

std::string TStrings::GetTextStr() const {
    std::string r;
    const int n = GetCount();
    for (int i = 0; i < n; ++i) {
        r += Get(i);
        r += "\r\n";
    }
    return r;
}

void TStrings::SetTextStr(std::string_view Value) {
    TUpdateScope update(this);
    Clear();
    size_t i = 0;
    const size_t n = Value.size();
    while (i < n) {
        size_t j = i;
        while (j < n && Value[j] != '\r' && Value[j] != '\n') ++j;
        Add(std::string(Value.substr(i, j - i)));
        if (j < n) {
            // CR LF, LF and CR each end one line.
            if (Value[j] == '\r' && j + 1 < n && Value[j + 1] == '\n') ++j;
            ++j;
        }
        i = j;
    }
}

std::string TStrings::CommaText() const { return JoinQuoted(',', '"'); }
void TStrings::SetCommaText(std::string_view Value) { SplitQuoted(Value, ',', '"'); }
std::string TStrings::DelimitedText() const { return JoinQuoted(Delimiter, QuoteChar); }
void TStrings::SetDelimitedText(std::string_view Value) { SplitQuoted(Value, Delimiter, QuoteChar); }

std::string TStrings::JoinQuoted(char Delim, char Quote) const {
    const int n = GetCount();
    // A single empty item must still read back as one item.
    if (n == 1 && Get(0).empty()) return std::string(2, Quote);
    std::string r;
    for (int i = 0; i < n; ++i) {
        const std::string s = Get(i);
        const bool quote = s.empty() || std::any_of(s.begin(), s.end(), [Delim, Quote](char c) {
                               return static_cast<unsigned char>(c) <= ' ' || c == Quote || c == Delim;
                           });
        if (i > 0) r += Delim;
        r += quote ? AnsiQuotedStr(s, Quote) : s;
    }
    return r;
}

void TStrings::SplitQuoted(std::string_view Value, char Delim, char Quote) {
    // Every character up to a space, NUL included, ends an unquoted item and
    // is skipped as a blank (JoinQuoted quotes items holding any of them):
    // one that ended an item but was not skipped would stop the scan in place.
    auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    TUpdateScope update(this);
    Clear();
    size_t p = 0;
    const size_t n = Value.size();
    while (p < n && isBlank(Value[p])) ++p;
    while (p < n) {
        std::string s;
        if (Value[p] == Quote) {
            // Quoted item: doubled quotes stand for one.
            ++p;
            while (p < n) {
                if (Value[p] == Quote) {
                    if (p + 1 < n && Value[p + 1] == Quote) {
                        s += Quote;
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                s += Value[p++];
            }
        } else {
            // Unquoted items end at a blank or the delimiter.
            const size_t start = p;
            while (p<n&& static_cast<unsigned char>(Value[p])> ' ' && Value[p] != Delim) ++p;
            s.assign(Value.substr(start, p - start));
        }
        Add(s);
        while (p < n && isBlank(Value[p])) ++p;
        if (p < n && Value[p] == Delim) {
            if (p + 1 == n) Add("");  // a trailing delimiter ends with an empty item
            do ++p;
            while (p < n && isBlank(Value[p]));
        }
    }
}

void TStrings::BeginUpdate() {
    if (FUpdateCount == 0) SetUpdateState(true);
    ++FUpdateCount;
}

void TStrings::EndUpdate() {
    if (FUpdateCount <= 0) return;  // unbalanced: ignore rather than go negative
    --FUpdateCount;
    if (FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

void TStrings::Assign(TPersistent* Source) {
    if (auto* src = dynamic_cast<TStrings*>(Source)) {
        if (src == this) return;
        TUpdateScope update(this);
        Clear();
        AddStrings(src);
        return;
    }
    TPersistent::Assign(Source);
}

bool TStrings::Equals(const TStrings* Strings) const {
    if (!Strings) return false;
    const int n = GetCount();
    if (n != Strings->GetCount()) return false;
    for (int i = 0; i < n; ++i)
        if (Get(i) != Strings->Get(i)) return false;
    return true;
}

void TStrings::LoadFromStream(TStream* Stream) {
    TUpdateScope update(this);
    const int64_t size = Stream->Size() - Stream->Position();
    std::string data(static_cast<size_t>(std::max<int64_t>(size, 0)), '\0');
    size_t done = 0;
    while (done < data.size()) {
        const int32_t n =
            Stream->Read(data.data() + done, static_cast<int32_t>(std::min<size_t>(data.size() - done, 1 << 30)));
        if (n <= 0) break;
        done += static_cast<size_t>(n);
    }
    data.resize(done);
    SetTextStr(data);
}

void TStrings::SaveToStream(TStream* Stream) const {
    const std::string text = GetTextStr();
    size_t done = 0;
    while (done < text.size()) {
        const int32_t n = static_cast<int32_t>(std::min<size_t>(text.size() - done, 1 << 30));
        Stream->WriteBuffer(text.data() + done, n);
        done += static_cast<size_t>(n);
    }
}

void TStrings::LoadFromFile(const std::string& FileName) {
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&stream);
}

void TStrings::SaveToFile(const std::string& FileName) const { WriteFileAtomic(FileName, GetTextStr()); }

// TStringList

TStringList::~TStringList() {
    // No change events while going away.
    OnChange = nullptr;
    OnChanging = nullptr;
}

void TStringList::CheckIndex(int Index) const {
    if (Index < 0 || Index >= GetCount()) Error("List index out of bounds (%d)", Index);
}

void TStringList::Changed() {
    if (UpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::Changing() {
    if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::SetUpdateState(bool Updating) {
    if (Updating)
        Changing();
    else
        Changed();
}

std::string TStringList::Get(int Index) const {
    CheckIndex(Index);
    return FList[static_cast<size_t>(Index)].FString;
}

TObject* TStringList::GetObject(int Index) const {
    CheckIndex(Index);
    return FList[static_cast<size_t>(Index)].FObject;
}

void TStringList::Put(int Index, const std::string& S) {
    if (Sorted()) Error("Operation not allowed on sorted list", 0);
    CheckIndex(Index);
    Changing();
    FList[static_cast<size_t>(Index)].FString = S;
    Changed();
}

void TStringList::PutObject(int Index, TObject* AObject) {
    CheckIndex(Index);
    Changing();
    FList[static_cast<size_t>(Index)].FObject = AObject;
    Changed();
}

void TStringList::InsertItem(int Index, const std::string& S, TObject* AObject) {
    Changing();
    FList.insert(FList.begin() + Index, TStringItem{S, AObject});
    Changed();
}

void TStringList::Insert(int Index, const std::string& S) {
    if (Sorted()) Error("Operation not allowed on sorted list", 0);
    if (Index < 0 || Index > GetCount()) Error("List index out of bounds (%d)", Index);
    InsertItem(Index, S, nullptr);
}

void TStringList::Delete(int Index) {
    CheckIndex(Index);
    Changing();
    FList.erase(FList.begin() + Index);
    Changed();
}

void TStringList::Clear() {
    if (FList.empty()) return;
    Changing();
    FList.clear();
    Changed();
}

int TStringList::Add(const std::string& S) { return AddObject(S, nullptr); }

int TStringList::AddObject(const std::string& S, TObject* AObject) {
    int index;
    if (!Sorted()) {
        index = GetCount();
    } else if (Find(S, index)) {
        switch (FDuplicates) {
            case dupIgnore: return index;
            case dupError: Error("Duplicates not allowed", 0);
            case dupAccept: break;
        }
    }
    InsertItem(index, S, AObject);
    return index;
}

void TStringList::Exchange(int Index1, int Index2) {
    CheckIndex(Index1);
    CheckIndex(Index2);
    Changing();
    std::swap(FList[static_cast<size_t>(Index1)], FList[static_cast<size_t>(Index2)]);
    Changed();
}

void TStringList::Move(int CurIndex, int NewIndex) {
    if (CurIndex == NewIndex) return;
    if (Sorted()) Error("Operation not allowed on sorted list", 0);
    CheckIndex(CurIndex);
    CheckIndex(NewIndex);
    Changing();
    TStringItem item = std::move(FList[static_cast<size_t>(CurIndex)]);
    FList.erase(FList.begin() + CurIndex);
    FList.insert(FList.begin() + NewIndex, std::move(item));
    Changed();
}

int TStringList::CompareStrings(const std::string& S1, const std::string& S2) const {
    return FCaseSensitive ? AnsiCompareStr(S1, S2) : AnsiCompareText(S1, S2);
}

int TStringList::IndexOf(const std::string& S) const {
    if (!Sorted()) return TStrings::IndexOf(S);
    int index;
    return Find(S, index) ? index : -1;
}

bool TStringList::Find(const std::string& S, int& Index) const {
    int lo = 0, hi = GetCount();
    while (lo < hi) {  // first item not less than S
        const int mid = lo + (hi - lo) / 2;
        if (CompareStrings(FList[static_cast<size_t>(mid)].FString, S) < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    Index = lo;
    return lo < GetCount() && CompareStrings(FList[static_cast<size_t>(lo)].FString, S) == 0;
}

void TStringList::Sort() {
    CustomSort([](TStringList* List, int A, int B) {
        return List->CompareStrings(List->FList[static_cast<size_t>(A)].FString,
                                    List->FList[static_cast<size_t>(B)].FString);
    });
}

void TStringList::CustomSort(const TStringListSortCompare& Compare) {
    if (GetCount() < 2 || !Compare) return;
    // The comparison names items by index, so sort a permutation while the
    // items stay put, then apply it. A stable sort keeps equal items in
    // their order and tolerates an inconsistent comparison.
    std::vector<int> order(FList.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int A, int B) { return Compare(this, A, B) < 0; });
    std::vector<TStringItem> sorted;
    sorted.reserve(FList.size());
    for (int i : order) sorted.push_back(std::move(FList[static_cast<size_t>(i)]));
    Changing();
    FList = std::move(sorted);
    Changed();
}

void TStringList::SetSorted(bool Value) {
    if (Value == FSorted) return;
    if (Value) Sort();
    FSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value) {
    if (Value == FCaseSensitive) return;
    FCaseSensitive = Value;
    if (FSorted) Sort();
}
