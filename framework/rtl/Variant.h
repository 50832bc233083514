#pragma once
// A small variant: empty, null, integer, Boolean, floating point, string,
// date-time or currency, converting between them. Dates and currency are
// numbers that remember their kind (the registry stores each in its own
// 8-byte form). Impossible conversions raise EVariantError
// "Invalid variant type conversion".
#include <cstdint>
#include <string>
#include <string_view>

enum TVarType { varEmpty, varNull, varInteger, varBoolean, varDouble, varString, varDate, varCurrency };

class Variant {
public:
    Variant() = default;
    Variant(int V) : FType(varInteger), FInt(V) {}
    Variant(int64_t V) : FType(varInteger), FInt(V) {}
    Variant(bool V) : FType(varBoolean), FInt(V) {}
    Variant(double V) : FType(varDouble), FDouble(V) {}
    Variant(const char* V) : FType(varString), FString(V ? V : "") {}
    Variant(std::string V) : FType(varString), FString(std::move(V)) {}
    Variant(std::string_view V) : FType(varString), FString(V) {}
    static Variant Null();
    // A date-time (days since 30 Dec 1899, as TDateTime) and a currency amount.
    static Variant Date(double Value);
    static Variant Currency(double Value);

    TVarType VarType() const { return FType; }
    bool IsEmpty() const { return FType == varEmpty; }
    bool IsNull() const { return FType == varNull; }
    void Clear() { *this = Variant(); }

    // Conversions. Empty converts to 0 / false / ""; Null converts to
    // nothing (raises); strings convert when they hold a number or
    // "True"/"False".
    int64_t AsInt64() const;
    int AsInteger() const;
    bool AsBoolean() const;
    double AsDouble() const;
    std::string AsString() const;

    explicit operator int() const { return AsInteger(); }
    explicit operator bool() const { return AsBoolean(); }
    explicit operator double() const { return AsDouble(); }
    explicit operator std::string() const { return AsString(); }

    // Values of different kinds compare after converting to the wider kind
    // (numbers as numbers, otherwise as strings); Null equals only Null.
    // Compare returns <0, 0, >0 and raises when the kinds cannot meet.
    int Compare(const Variant& Other) const;
    bool operator==(const Variant& Other) const;
    bool operator!=(const Variant& Other) const { return !(*this == Other); }
    bool operator<(const Variant& Other) const { return Compare(Other) < 0; }

private:
    TVarType FType = varEmpty;
    int64_t FInt = 0;
    double FDouble = 0;
    std::string FString;
};

const char* VarTypeName(TVarType T);
