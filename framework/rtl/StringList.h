#pragma once
// TStrings: the abstract list of strings with associated (non-owned)
// objects; TStringList: its stand-alone implementation with sorting,
// duplicates handling and change events.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/rtl/Events.h"
#include "framework/rtl/Object.h"

class TStream;

class TStrings : public TPersistent {
public:
    ~TStrings() override = default;
    // Class records of their own, so that a property typed TStrings shows
    // that type in the designer.
    static const TClass* StaticClass();
    const TClass* ClassType() const override;

    // The storage a descendant provides.
    virtual std::string Get(int Index) const = 0;
    virtual int GetCount() const = 0;
    virtual TObject* GetObject(int Index) const;
    virtual void Put(int Index, const std::string& S);
    virtual void PutObject(int Index, TObject* AObject);
    virtual void Insert(int Index, const std::string& S) = 0;
    virtual void Delete(int Index) = 0;
    virtual void Clear() = 0;

    int Count() const { return GetCount(); }
    std::string Strings(int Index) const { return Get(Index); }
    void SetStrings(int Index, const std::string& S) { Put(Index, S); }
    std::string operator[](int Index) const { return Get(Index); }
    TObject* Objects(int Index) const { return GetObject(Index); }
    void SetObjects(int Index, TObject* AObject) { PutObject(Index, AObject); }

    virtual int Add(const std::string& S);
    virtual int AddObject(const std::string& S, TObject* AObject);
    virtual void AddStrings(const TStrings* Strings);
    void Append(const std::string& S) { Add(S); }
    virtual void InsertObject(int Index, const std::string& S, TObject* AObject);
    virtual void Move(int CurIndex, int NewIndex);
    virtual void Exchange(int Index1, int Index2);
    // Matching follows CompareStrings (case-insensitive for plain TStrings).
    virtual int IndexOf(const std::string& S) const;
    int IndexOfName(std::string_view Name) const;
    int IndexOfObject(const TObject* AObject) const;

    // "Name=Value" lines.
    std::string Names(int Index) const;
    std::string Values(std::string_view Name) const;
    // An empty value removes the line; an unknown name adds one.
    void SetValues(std::string_view Name, const std::string& Value);
    std::string ValueFromIndex(int Index) const;

    // Every line followed by CR LF.
    std::string Text() const { return GetTextStr(); }
    // Splits at CR LF, LF or CR (each one break).
    void SetText(std::string_view Value) { SetTextStr(Value); }
    virtual std::string GetTextStr() const;
    virtual void SetTextStr(std::string_view Value);

    // Items separated by commas; items with blanks, commas, quotes or
    // control characters (or empty ones) are quoted with '"'.
    std::string CommaText() const;
    void SetCommaText(std::string_view Value);
    char Delimiter = ',';
    char QuoteChar = '"';
    std::string DelimitedText() const;
    void SetDelimitedText(std::string_view Value);

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    void Assign(TPersistent* Source) override;
    void DefineProperties(TFiler* Filer) override;
    bool Equals(const TStrings* Strings) const;

    virtual void LoadFromStream(TStream* Stream);
    virtual void SaveToStream(TStream* Stream) const;
    void LoadFromFile(const std::string& FileName);
    // Written whole or not at all.
    void SaveToFile(const std::string& FileName) const;

    // Comparison used by IndexOf and sorting: <0, 0, >0.
    virtual int CompareStrings(const std::string& S1, const std::string& S2) const;

protected:
    // Called with true when the first BeginUpdate starts a batch, with false
    // when the last EndUpdate ends it.
    virtual void SetUpdateState(bool Updating);
    [[noreturn]] static void Error(const char* Msg, int Data);

private:
    std::string JoinQuoted(char Delim, char Quote) const;
    void SplitQuoted(std::string_view Value, char Delim, char Quote);
    int FUpdateCount = 0;
};

class TStringList;
using TStringListSortCompare = std::function<int(TStringList* List, int Index1, int Index2)>;

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TStrings {
public:
    TStringList() = default;
    ~TStringList() override;
    static const TClass* StaticClass();
    const TClass* ClassType() const override;

    std::string Get(int Index) const override;
    int GetCount() const override { return static_cast<int>(FList.size()); }
    TObject* GetObject(int Index) const override;
    void Put(int Index, const std::string& S) override;
    void PutObject(int Index, TObject* AObject) override;
    void Insert(int Index, const std::string& S) override;
    void Delete(int Index) override;
    void Clear() override;

    // On a sorted list Add inserts in order and honours Duplicates.
    int Add(const std::string& S) override;
    int AddObject(const std::string& S, TObject* AObject) override;
    void Exchange(int Index1, int Index2) override;
    // Moving within a sorted list is refused before anything changes.
    void Move(int CurIndex, int NewIndex) override;
    int IndexOf(const std::string& S) const override;
    int CompareStrings(const std::string& S1, const std::string& S2) const override;

    // Binary search of a sorted list: true when found; Index is the match
    // (the first of equal ones) or the place S would be inserted.
    virtual bool Find(const std::string& S, int& Index) const;
    virtual void Sort();
    virtual void CustomSort(const TStringListSortCompare& Compare);

    bool Sorted() const { return FSorted; }
    void SetSorted(bool Value);
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool Value);

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    void SetUpdateState(bool Updating) override;
    virtual void Changed();
    virtual void Changing();
    void InsertItem(int Index, const std::string& S, TObject* AObject);

private:
    struct TStringItem {
        std::string FString;
        TObject* FObject = nullptr;
    };
    void CheckIndex(int Index) const;
    std::vector<TStringItem> FList;
    TDuplicates FDuplicates = dupIgnore;
    bool FSorted = false;
    bool FCaseSensitive = false;
};
