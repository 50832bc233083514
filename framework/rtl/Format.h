#pragma once
// Format: printf-like formatting with the framework's directive syntax
//   "%" [index ":"] ["-"] [width] ["." precision] type
// where width and precision may be "*" (taken from the arguments) and type is
// one of d u e f g n m p s x. Raises EConvertError
// "Format '%s' invalid or incompatible with argument" on a bad directive,
// a missing argument or an argument of the wrong type.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

class TVarRec {
public:
    enum TKind { vtInteger, vtInt64, vtUInt64, vtExtended, vtChar, vtBoolean, vtString, vtPointer };

    TVarRec(int V) : Kind(vtInteger), I(V) {}
    TVarRec(unsigned V) : Kind(vtInt64), I(V) {}
    TVarRec(long V) : Kind(vtInt64), I(V) {}
    TVarRec(unsigned long V) : Kind(vtUInt64), U(V) {}
    TVarRec(long long V) : Kind(vtInt64), I(V) {}
    TVarRec(unsigned long long V) : Kind(vtUInt64), U(V) {}
    TVarRec(double V) : Kind(vtExtended), D(V) {}
    TVarRec(char V) : Kind(vtChar), S(1, V) {}
    TVarRec(bool V) : Kind(vtBoolean), I(V) {}
    TVarRec(const char* V) : Kind(vtString), S(V ? V : "") {}
    TVarRec(const std::string& V) : Kind(vtString), S(V) {}
    TVarRec(std::string_view V) : Kind(vtString), S(V) {}
    TVarRec(const void* V) : Kind(vtPointer), P(V) {}

    TKind Kind;
    int64_t I = 0;            // vtInteger, vtInt64, vtBoolean
    uint64_t U = 0;           // vtUInt64
    double D = 0;             // vtExtended
    std::string S;            // vtString, vtChar
    const void* P = nullptr;  // vtPointer
};

std::string Format(std::string_view Fmt, std::initializer_list<TVarRec> Args);
// Same, for callers that build the argument list at run time.
std::string FormatArgs(std::string_view Fmt, const TVarRec* Args, size_t ArgCount);
// Float formats as in Format: ffGeneral ("%g"), ffExponent ("%e"),
// ffFixed ("%f"), ffNumber ("%n", thousand separators).
enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };
std::string FloatToStrF(double Value, TFloatFormat Fmt, int Precision, int Digits);
