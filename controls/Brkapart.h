#pragma once
// Splitting a text at a separator into items and joining items back, as
// functions and as the non-visual component TBrkApart.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/classes/Component.h"

class TStrings;
class TStringList;

// The items of Base between the separators, in order. An empty separator
// never splits. Empty items are kept only when AllowEmpty is set, so
// "a;;b;" gives a, b or a, "", b, "" and an empty Base gives no item or
// one empty item.
std::vector<std::string> BreakApartText(std::string_view Base, std::string_view Separator, bool AllowEmpty);

// The first item as it is (even when empty), then Separator and each
// further item; further empty items are dropped unless AllowEmpty is set.
std::string BuildStringFromItems(const std::vector<std::string>& Items, std::string_view Separator,
                                 bool AllowEmpty);

// The same over a TStrings, for the component's StringList property.
void BreakApartInto(TStrings& Items, std::string_view Base, std::string_view Separator, bool AllowEmpty);
std::string BuildStringFromItems(const TStrings& Items, std::string_view Separator, bool AllowEmpty);

// The string splitter component: BreakApart fills StringList from
// BaseString, BuildString sets BaseString from StringList.
class TBrkApart : public TComponent {
    QRN_CLASS(TBrkApart, TComponent)
public:
    explicit TBrkApart(TComponent* AOwner);
    ~TBrkApart() override;

    const std::string& BreakString() const { return FBreakString; }
    void SetBreakString(const std::string& Value) { FBreakString = Value; }
    const std::string& BaseString() const { return FBaseString; }
    void SetBaseString(const std::string& Value) { FBaseString = Value; }
    bool AllowEmptyString() const { return FAllowEmptyString; }
    void SetAllowEmptyString(bool Value) { FAllowEmptyString = Value; }
    // Owned; assigning copies the given list's items.
    TStringList* StringList() const { return FStringList.get(); }
    void SetStringList(TStringList* Value);

    void BreakApart();
    void BuildString();

private:
    std::string FBreakString;
    std::string FBaseString;
    bool FAllowEmptyString = false;
    std::unique_ptr<TStringList> FStringList;
};
