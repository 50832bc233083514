#include "framework/rtl/Variant.h"

#include <cmath>
#include <limits>

#include "framework/rtl/DateUtils.h"
#include "framework/rtl/Exceptions.h"
#include "framework/rtl/StrUtils.h"

namespace {
[[noreturn]] void InvalidConversion() { throw EVariantError("Invalid variant type conversion"); }

bool StringToBool(const std::string& S, bool& B) {
    if (SameText(S, "True")) return B = true, true;
    if (SameText(S, "False")) return B = false, true;
    return false;
}

// Ranks of the kinds for mixed comparisons: the wider kind wins.
int NumericRank(TVarType T) {
    switch (T) {
        case varEmpty:
        case varBoolean:
        case varInteger: return 1;
        case varDouble:
        case varDate:
        case varCurrency: return 2;
        default: return 0;
    }
}
}  // namespace

Variant Variant::Null() {
    Variant v;
    v.FType = varNull;
    return v;
}

Variant Variant::Date(double Value) {
    Variant v(Value);
    v.FType = varDate;
    return v;
}

Variant Variant::Currency(double Value) {
    Variant v(Value);
    v.FType = varCurrency;
    return v;
}

const char* VarTypeName(TVarType T) {
    switch (T) {
        case varEmpty: return "Empty";
        case varNull: return "Null";
        case varInteger: return "Integer";
        case varBoolean: return "Boolean";
        case varDouble: return "Double";
        case varString: return "String";
        case varDate: return "Date";
        case varCurrency: return "Currency";
    }
    return "Unknown";
}

int64_t Variant::AsInt64() const {
    switch (FType) {
        case varEmpty: return 0;
        case varInteger: return FInt;
        case varBoolean: return FInt ? -1 : 0;  // True is all bits set, as in the framework's Booleans
        case varDouble:
        case varDate:
        case varCurrency:
            if (!std::isfinite(FDouble) || FDouble >= 9.2233720368547758e18 || FDouble < -9.2233720368547758e18)
                InvalidConversion();
            return static_cast<int64_t>(std::llround(FDouble));
        case varString: {
            int64_t v;
            if (TryStrToInt64(FString, v)) return v;
            double d;
            if (TryStrToFloat(FString, d)) return Variant(d).AsInt64();
            bool b;
            if (StringToBool(FString, b)) return b ? -1 : 0;
            InvalidConversion();
        }
        case varNull: break;
    }
    InvalidConversion();
}

int Variant::AsInteger() const {
    const int64_t v = AsInt64();
    if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()) InvalidConversion();
    return static_cast<int>(v);
}

bool Variant::AsBoolean() const {
    switch (FType) {
        case varEmpty: return false;
        case varInteger:
        case varBoolean: return FInt != 0;
        case varDouble:
        case varDate:
        case varCurrency: return FDouble != 0;
        case varString: {
            bool b;
            if (StringToBool(FString, b)) return b;
            double d;
            if (TryStrToFloat(FString, d)) return d != 0;
            InvalidConversion();
        }
        case varNull: break;
    }
    InvalidConversion();
}

double Variant::AsDouble() const {
    switch (FType) {
        case varEmpty: return 0;
        case varInteger: return static_cast<double>(FInt);
        case varBoolean: return FInt ? -1 : 0;
        case varDouble:
        case varDate:
        case varCurrency: return FDouble;
        case varString: {
            double d;
            if (TryStrToFloat(FString, d)) return d;
            int64_t v;
            if (TryStrToInt64(FString, v)) return static_cast<double>(v);  // "$1F" and friends
            bool b;
            if (StringToBool(FString, b)) return b ? -1 : 0;
            InvalidConversion();
        }
        case varNull: break;
    }
    InvalidConversion();
}

std::string Variant::AsString() const {
    switch (FType) {
        case varEmpty: return {};
        case varInteger: return IntToStr(FInt);
        case varBoolean: return FInt ? "True" : "False";
        case varDouble:
        case varCurrency: return FloatToStr(FDouble);
        case varDate: return DateTimeToStr(FDouble);
        case varString: return FString;
        case varNull: break;
    }
    InvalidConversion();
}

int Variant::Compare(const Variant& Other) const {
    if (FType == varNull || Other.FType == varNull) {
        if (FType == Other.FType) return 0;
        InvalidConversion();
    }
    const int r1 = NumericRank(FType), r2 = NumericRank(Other.FType);
    auto sign = [](auto A, auto B) { return A < B ? -1 : (A > B ? 1 : 0); };
    if (FType == varString && Other.FType == varString) return CompareStr(FString, Other.FString);
    if (r1 > 0 && r2 > 0) {
        if (r1 == 1 && r2 == 1) return sign(AsInt64(), Other.AsInt64());
        return sign(AsDouble(), Other.AsDouble());
    }
    // A string against a number compares as numbers when the string holds
    // one, otherwise as text.
    const Variant& str = FType == varString ? *this : Other;
    double d;
    if (TryStrToFloat(str.FString, d)) return sign(AsDouble(), Other.AsDouble());
    return CompareStr(AsString(), Other.AsString());
}

bool Variant::operator==(const Variant& Other) const {
    if (FType == varNull || Other.FType == varNull) return FType == Other.FType;
    return Compare(Other) == 0;
}
