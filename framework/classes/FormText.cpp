// The text form of the form stream, both ways, and the resource header.
#include "framework/classes/FormText.h"
#include "framework/rtl/StrUtils.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "framework/classes/ClassErrors.h"
#include "framework/classes/Filer.h"
#include "framework/classes/StreamValues.h"
#include "framework/rtl/Streams.h"

namespace {

constexpr int MaxTextDepth = 200;
constexpr size_t LineLength = 64;
constexpr int BytesPerLine = 32;
const char* const NewLine = "\r\n";

std::string Indent(int Level) { return std::string(static_cast<size_t>(Level) * 2, ' '); }

// Shortest round-trip digits, always with a decimal point so that the
// value reads back as a float.
template <class T>
std::string ShortestFloatText(T V) {
    char Buf[64];
    auto R = std::to_chars(Buf, Buf + sizeof Buf, V);
    std::string S(Buf, R.ptr);
    size_t E = S.find_first_of("eE");
    std::string Mant = S.substr(0, E), Exp = E == std::string::npos ? std::string() : S.substr(E);
    if (Mant.find('.') == std::string::npos) Mant += ".0";
    return Mant + Exp;
}

std::string FloatText(double V) {
    if (std::isnan(V)) return "NAN";
    if (std::isinf(V)) return V < 0 ? "-INF" : "INF";
    return ShortestFloatText(V);
}

std::string SingleText(float V) {
    if (std::isnan(V) || std::isinf(V)) return FloatText(V);
    return ShortestFloatText(V);
}

std::string CurrencyText(int64_t Scaled) {
    bool Neg = Scaled < 0;
    uint64_t U = Neg ? 0 - static_cast<uint64_t>(Scaled) : static_cast<uint64_t>(Scaled);
    std::string Frac = std::to_string(U % 10000);
    Frac = std::string(4 - Frac.size(), '0') + Frac;
    while (Frac.size() > 1 && Frac.back() == '0') Frac.pop_back();
    return (Neg ? "-" : "") + std::to_string(U / 10000) + "." + Frac;
}

// A string literal from code points: printable ASCII quoted, others #n.
std::string Literal(const std::vector<uint32_t>& CPs, size_t From, size_t To) {
    std::string Out;
    bool InQuote = false;
    for (size_t I = From; I < To; ++I) {
        uint32_t C = CPs[I];
        if (C >= 32 && C <= 126) {
            if (!InQuote) {
                Out += '\'';
                InQuote = true;
            }
            if (C == '\'') Out += '\'';
            Out += static_cast<char>(C);
        } else {
            if (InQuote) {
                Out += '\'';
                InQuote = false;
            }
            Out += '#' + std::to_string(C);
        }
    }
    if (InQuote) Out += '\'';
    if (Out.empty()) Out = "''";
    return Out;
}

class TBinaryToText {
public:
    TBinaryToText(TStream* In) : R(In) {}

    std::string Run() {
        R.ReadSignature();
        ConvertObject(0);
        return Out;
    }

private:
    void Enter() {
        if (++Depth > MaxTextDepth) throw EReadError("Invalid stream format: nesting too deep");
    }

    void ConvertObject(int Level) {
        Enter();
        int Flags, Pos;
        R.ReadPrefix(Flags, Pos);
        std::string ClassName = R.ReadStr();
        std::string Name = R.ReadStr();
        Out += Indent(Level);
        Out += (Flags & ffInherited) ? "inherited " : (Flags & ffInline) ? "inline " : "object ";
        if (!Name.empty()) Out += Name + ": ";
        Out += ClassName;
        if (Flags & ffChildPos) Out += " [" + std::to_string(Pos) + "]";
        Out += NewLine;
        while (!R.EndOfList()) ConvertProperty(Level + 1);
        R.ReadListEnd();
        while (!R.EndOfList()) ConvertObject(Level + 1);
        R.ReadListEnd();
        Out += Indent(Level) + "end" + NewLine;
        --Depth;
    }

    void ConvertProperty(int Level) {
        std::string Name = R.ReadStr();
        Out += Indent(Level) + Name + " = ";
        ConvertValue(Level);
        Out += NewLine;
    }

    void WriteStringValue(const std::vector<uint32_t>& CPs, int Level) {
        if (CPs.size() <= LineLength) {
            Out += Literal(CPs, 0, CPs.size());
            return;
        }
        for (size_t I = 0; I < CPs.size(); I += LineLength) {
            Out += NewLine + Indent(Level + 1);
            Out += Literal(CPs, I, std::min(CPs.size(), I + LineLength));
            if (I + LineLength < CPs.size()) Out += " +";
        }
    }

    void ConvertValue(int Level) {
        Enter();
        uint8_t Buf[10];
        switch (R.NextValue()) {
        case TValueType::vaList:
            R.ReadValue();
            Out += '(';
            while (!R.EndOfList()) {
                Out += NewLine + Indent(Level + 1);
                ConvertValue(Level + 1);
            }
            R.ReadListEnd();
            Out += ')';
            break;
        case TValueType::vaInt8:
        case TValueType::vaInt16:
        case TValueType::vaInt32:
        case TValueType::vaInt64:
            Out += std::to_string(R.ReadInt64());
            break;
        case TValueType::vaExtended:
        case TValueType::vaDouble:
            Out += FloatText(R.ReadFloat());
            break;
        case TValueType::vaSingle:
            Out += SingleText(R.ReadSingle()) + "s";
            break;
        case TValueType::vaCurrency:
            R.ReadValue();
            R.ReadBytes(Buf, 8);
            Out += CurrencyText(static_cast<int64_t>(qrn_stream::GetLE(Buf, 8))) + "c";
            break;
        case TValueType::vaDate:
            Out += FloatText(R.ReadFloat()) + "d";
            break;
        case TValueType::vaString:
        case TValueType::vaLString: {
            std::string S = R.ReadString();
            std::vector<uint32_t> CPs;
            CPs.reserve(S.size());
            for (char C : S) CPs.push_back(static_cast<unsigned char>(C));
            WriteStringValue(CPs, Level);
            break;
        }
        case TValueType::vaWString: {
            R.ReadValue();
            R.ReadBytes(Buf, 4);
            int64_t Count = static_cast<int32_t>(qrn_stream::GetLE(Buf, 4));
            if (Count < 0 || Count * 2 > R.Stream()->Size() - R.Position()) throw EReadError("Stream read error");
            std::string Raw(static_cast<size_t>(Count * 2), '\0');
            R.ReadBytes(Raw.data(), static_cast<int32_t>(Raw.size()));
            std::vector<uint16_t> Units(static_cast<size_t>(Count));
            for (size_t I = 0; I < Units.size(); ++I)
                Units[I] = static_cast<uint16_t>(static_cast<uint8_t>(Raw[2 * I]) | (static_cast<uint8_t>(Raw[2 * I + 1]) << 8));
            WriteStringValue(qrn_stream::Utf16ToCodePoints(Units), Level);
            break;
        }
        case TValueType::vaUTF8String: {
            R.ReadValue();
            R.ReadBytes(Buf, 4);
            int64_t Len = static_cast<int32_t>(qrn_stream::GetLE(Buf, 4));
            if (Len < 0 || Len > R.Stream()->Size() - R.Position()) throw EReadError("Stream read error");
            std::string S(static_cast<size_t>(Len), '\0');
            R.ReadBytes(S.data(), static_cast<int32_t>(Len));
            WriteStringValue(qrn_stream::Utf8ToCodePoints(S), Level);
            break;
        }
        case TValueType::vaIdent:
        case TValueType::vaFalse:
        case TValueType::vaTrue:
        case TValueType::vaNil:
        case TValueType::vaNull:
            Out += R.ReadIdent();
            break;
        case TValueType::vaBinary: {
            R.ReadValue();
            R.ReadBytes(Buf, 4);
            int64_t Len = static_cast<int32_t>(qrn_stream::GetLE(Buf, 4));
            if (Len < 0 || Len > R.Stream()->Size() - R.Position()) throw EReadError("Stream read error");
            std::string Data(static_cast<size_t>(Len), '\0');
            R.ReadBytes(Data.data(), static_cast<int32_t>(Len));
            static const char Hex[] = "0123456789ABCDEF";
            Out += '{';
            bool Multi = Len > BytesPerLine;
            for (size_t I = 0; I < Data.size(); ++I) {
                if (Multi && I % BytesPerLine == 0) Out += NewLine + Indent(Level + 1);
                unsigned char C = static_cast<unsigned char>(Data[I]);
                Out += Hex[C >> 4];
                Out += Hex[C & 15];
            }
            Out += '}';
            break;
        }
        case TValueType::vaSet: {
            Out += '[';
            bool First = true;
            for (const std::string& N : R.ReadSet()) {
                if (!First) Out += ", ";
                Out += N;
                First = false;
            }
            Out += ']';
            break;
        }
        case TValueType::vaCollection:
            R.ReadValue();
            Out += '<';
            while (!R.EndOfList()) {
                Out += NewLine + Indent(Level + 1) + "item";
                TValueType N = R.NextValue();
                if (N == TValueType::vaInt8 || N == TValueType::vaInt16 || N == TValueType::vaInt32)
                    Out += " [" + std::to_string(R.ReadInteger()) + "]";
                Out += NewLine;
                R.ReadListBegin();
                while (!R.EndOfList()) ConvertProperty(Level + 2);
                R.ReadListEnd();
                Out += Indent(Level + 1) + "end";
            }
            R.ReadListEnd();
            Out += '>';
            break;
        default:
            throw EReadError("Invalid stream format");
        }
        --Depth;
    }

    TReader R;
    std::string Out;
    int Depth = 0;
};

// ------------------------------------------------------------ parser

enum TToken { toEOF, toSymbol, toString, toInteger, toFloat, toChar };

class TTextToBinary {
public:
    TTextToBinary(std::string Text, TStream* Output) : Src(std::move(Text)), W(Output) {}

    void Run() {
        Next();
        W.WriteSignature();
        ConvertObject();
        // The designer's clipboard holds one block per copied component:
        // the conversion stops before the next block, the caller converts
        // that one next.
        if (Token == toEOF)
            Consumed = Src.size();
        else if (Token == toSymbol && (SymbolIs("object") || SymbolIs("inherited") || SymbolIs("inline")))
            Consumed = TokenStart;
        else
            Fail("End of file expected");
    }

    // How much of the text the converted block took (up to the next block).
    size_t Consumed = 0;

    // The class and object name of the root, for the resource header.
    std::string RootName;
    std::string RootClass;

private:
    [[noreturn]] void Fail(const std::string& What) {
        throw EParserError(What + " on line " + std::to_string(Line));
    }

    void Enter() {
        if (++Depth > MaxTextDepth) Fail("Nesting too deep");
    }

    // ---- tokenizer
    static bool IsAlpha(char C) { return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') || C == '_'; }
    static bool IsDigit(char C) { return C >= '0' && C <= '9'; }
    static bool IsHex(char C) { return IsDigit(C) || (C >= 'A' && C <= 'F') || (C >= 'a' && C <= 'f'); }

    void SkipBlanks() {
        while (P < Src.size()) {
            char C = Src[P];
            if (C == '\n') {
                ++Line;
                ++P;
            } else if (static_cast<unsigned char>(C) <= ' ') {
                ++P;
            } else {
                break;
            }
        }
    }

    void Next() {
        SkipBlanks();
        TokenStart = P;
        Text.clear();
        Wide.clear();
        if (P >= Src.size()) {
            Token = toEOF;
            return;
        }
        char C = Src[P];
        if (IsAlpha(C)) {
            size_t S = P;
            while (P < Src.size() && (IsAlpha(Src[P]) || IsDigit(Src[P]) ||
                                      (Src[P] == '.' && P + 1 < Src.size() && IsAlpha(Src[P + 1]))))
                ++P;
            Text = Src.substr(S, P - S);
            Token = toSymbol;
            return;
        }
        if (C == '\'' || C == '#') {
            ReadStringToken();
            return;
        }
        if (C == '$') {
            size_t S = ++P;
            while (P < Src.size() && IsHex(Src[P])) ++P;
            if (P == S) Fail("Invalid hexadecimal number");
            Text = "$" + Src.substr(S, P - S);
            Token = toInteger;
            return;
        }
        if (IsDigit(C)) {
            size_t S = P;
            Token = toInteger;
            while (P < Src.size() && IsDigit(Src[P])) ++P;
            if (P < Src.size() && Src[P] == '.' && P + 1 < Src.size() && IsDigit(Src[P + 1])) {
                Token = toFloat;
                ++P;
                while (P < Src.size() && IsDigit(Src[P])) ++P;
            }
            if (P < Src.size() && (Src[P] == 'e' || Src[P] == 'E')) {
                size_t Q = P + 1;
                if (Q < Src.size() && (Src[Q] == '+' || Src[Q] == '-')) ++Q;
                if (Q < Src.size() && IsDigit(Src[Q])) {
                    Token = toFloat;
                    P = Q;
                    while (P < Src.size() && IsDigit(Src[P])) ++P;
                }
            }
            Text = Src.substr(S, P - S);
            Suffix = 0;
            if (P < Src.size() && (Src[P] == 's' || Src[P] == 'S' || Src[P] == 'c' || Src[P] == 'C' ||
                                   Src[P] == 'd' || Src[P] == 'D') &&
                !(P + 1 < Src.size() && (IsAlpha(Src[P + 1]) || IsDigit(Src[P + 1])))) {
                Suffix = static_cast<char>(Src[P] | 0x20);
                Token = toFloat;
                ++P;
            }
            return;
        }
        Token = toChar;
        Text = std::string(1, C);
        ++P;
    }

    void ReadStringToken() {
        Token = toString;
        for (;;) {
            if (P < Src.size() && Src[P] == '\'') {
                ++P;
                for (;;) {
                    if (P >= Src.size() || Src[P] == '\r' || Src[P] == '\n') Fail("Unterminated string");
                    if (Src[P] == '\'') {
                        if (P + 1 < Src.size() && Src[P + 1] == '\'') {
                            Wide.push_back('\'');
                            P += 2;
                            continue;
                        }
                        ++P;
                        break;
                    }
                    Wide.push_back(static_cast<unsigned char>(Src[P]));
                    ++P;
                }
            } else if (P < Src.size() && Src[P] == '#') {
                ++P;
                uint32_t V = 0;
                size_t S = P;
                if (P < Src.size() && Src[P] == '$') {
                    ++P;
                    S = P;
                    while (P < Src.size() && IsHex(Src[P])) {
                        char H = Src[P];
                        V = V * 16 + static_cast<uint32_t>(IsDigit(H) ? H - '0' : (H | 0x20) - 'a' + 10);
                        if (V > 0x10FFFF) Fail("Invalid string constant");
                        ++P;
                    }
                } else {
                    while (P < Src.size() && IsDigit(Src[P])) {
                        V = V * 10 + static_cast<uint32_t>(Src[P] - '0');
                        if (V > 0x10FFFF) Fail("Invalid string constant");
                        ++P;
                    }
                }
                if (P == S) Fail("Invalid string constant");
                Wide.push_back(V);
            } else {
                break;
            }
        }
    }

    bool SymbolIs(const char* S) const { return Token == toSymbol && SameText(Text, S); }
    bool CharIs(char C) const { return Token == toChar && Text[0] == C; }
    void CheckChar(char C) {
        if (!CharIs(C)) Fail(std::string("'") + C + "' expected");
    }
    std::string CheckSymbol() {
        if (Token != toSymbol) Fail("Identifier expected");
        return Text;
    }

    // ---- grammar
    void ConvertObject() {
        Enter();
        int Flags = 0;
        if (SymbolIs("inherited"))
            Flags = ffInherited;
        else if (SymbolIs("inline"))
            Flags = ffInline;
        else if (!SymbolIs("object"))
            Fail("'object' expected");
        Next();
        std::string Name, ClassName = CheckSymbol();
        Next();
        if (CharIs(':')) {
            Next();
            Name = ClassName;
            ClassName = CheckSymbol();
            Next();
        }
        int Pos = 0;
        if (CharIs('[')) {
            Next();
            Pos = CheckInt32(ReadIntegerToken(true));
            Next();
            CheckChar(']');
            Next();
            Flags |= ffChildPos;
        }
        if (Depth == 1) {
            RootName = Name;
            RootClass = ClassName;
        }
        if (Name.size() > 255 || ClassName.size() > 255) Fail("Identifier too long");
        W.WritePrefix(Flags, Pos);
        W.WriteStr(ClassName);
        W.WriteStr(Name);
        while (!(SymbolIs("end") || SymbolIs("object") || SymbolIs("inherited") || SymbolIs("inline"))) ConvertProperty();
        W.WriteListEnd();
        while (!SymbolIs("end")) ConvertObject();
        W.WriteListEnd();
        Next();
        --Depth;
    }

    void ConvertProperty() {
        std::string Name = CheckSymbol();
        if (Name.size() > 255) Fail("Identifier too long");
        Next();
        CheckChar('=');
        Next();
        W.WriteStr(Name);
        ConvertValue();
    }

    int64_t ReadIntegerToken(bool AllowSign) {
        bool Neg = false;
        if (AllowSign && CharIs('-')) {
            Neg = true;
            Next();
        }
        if (Token != toInteger) Fail("Integer expected");
        uint64_t U = 0;
        std::from_chars_result R;
        if (Text[0] == '$')
            R = std::from_chars(Text.data() + 1, Text.data() + Text.size(), U, 16);
        else
            R = std::from_chars(Text.data(), Text.data() + Text.size(), U, 10);
        if (R.ec != std::errc() || (Text[0] != '$' && U > static_cast<uint64_t>(INT64_MAX) + (Neg ? 1 : 0)))
            Fail("Number out of range");
        return Neg ? static_cast<int64_t>(0 - U) : static_cast<int64_t>(U);
    }

    int CheckInt32(int64_t V) {
        if (V < INT32_MIN || V > INT32_MAX) Fail("Number out of range");
        return static_cast<int>(V);
    }

    void WriteFloatToken(bool Neg) {
        std::string T = (Neg ? "-" : "") + Text;
        if (Suffix == 'c') {
            // Exact decimal to the 4-digit scaled integer.
            size_t Dot = Text.find('.');
            if (Text.find_first_of("eE") != std::string::npos) Fail("Invalid currency value");
            std::string IntPart = Text.substr(0, Dot), Frac = Dot == std::string::npos ? "" : Text.substr(Dot + 1);
            if (Frac.size() > 4) Frac.resize(4);
            Frac += std::string(4 - Frac.size(), '0');
            uint64_t I = 0, F = 0;
            if (std::from_chars(IntPart.data(), IntPart.data() + IntPart.size(), I).ec != std::errc() ||
                I > 922337203685476ULL)
                Fail("Number out of range");
            std::from_chars(Frac.data(), Frac.data() + Frac.size(), F);
            int64_t V = static_cast<int64_t>(I * 10000 + F);
            std::string B;
            B.push_back(static_cast<char>(TValueType::vaCurrency));
            qrn_stream::PutLE(B, static_cast<uint64_t>(Neg ? -V : V), 8);
            W.Write(B.data(), 9);
            return;
        }
        double D = 0;
        auto R = std::from_chars(T.data(), T.data() + T.size(), D);
        if (R.ec != std::errc() || R.ptr != T.data() + T.size()) Fail("Invalid floating point value");
        if (Suffix == 's') {
            float F = 0;
            auto RF = std::from_chars(T.data(), T.data() + T.size(), F);
            if (RF.ec != std::errc()) Fail("Invalid floating point value");
            W.WriteSingle(F);
        }
        else if (Suffix == 'd')
            W.WriteDate(D);
        else
            W.WriteFloat(D);
    }

    void WriteStringValue(const std::vector<uint32_t>& CPs) {
        bool NeedWide = false;
        for (uint32_t C : CPs)
            if (C > 255) NeedWide = true;
        if (NeedWide) {
            std::vector<uint16_t> U = qrn_stream::CodePointsToUtf16(CPs);
            std::string B;
            B.push_back(static_cast<char>(TValueType::vaWString));
            qrn_stream::PutLE(B, U.size(), 4);
            for (uint16_t X : U) qrn_stream::PutLE(B, X, 2);
            W.Write(B.data(), static_cast<int32_t>(B.size()));
            return;
        }
        std::string S;
        S.reserve(CPs.size());
        for (uint32_t C : CPs) S.push_back(static_cast<char>(C < 256 ? C : '?'));
        W.WriteString(S);
    }

    void ConvertValue() {
        Enter();
        if (Token == toString) {
            std::vector<uint32_t> All = Wide;
            Next();
            while (CharIs('+')) {
                Next();
                if (Token != toString) Fail("String expected");
                All.insert(All.end(), Wide.begin(), Wide.end());
                if (All.size() > (1u << 28)) Fail("String too long");
                Next();
            }
            WriteStringValue(All);
        } else if (Token == toInteger) {
            W.WriteInteger(ReadIntegerToken(false));
            Next();
        } else if (Token == toFloat) {
            WriteFloatToken(false);
            Next();
        } else if (CharIs('-')) {
            Next();
            if (Token == toInteger) {
                W.WriteInteger(ReadIntegerToken(false) * -1);
                Next();
            } else if (Token == toFloat) {
                WriteFloatToken(true);
                Next();
            } else if (SymbolIs("INF")) {
                W.WriteFloat(-HUGE_VAL);
                Next();
            } else {
                Fail("Number expected");
            }
        } else if (Token == toSymbol) {
            if (SymbolIs("INF"))
                W.WriteFloat(HUGE_VAL);
            else if (SymbolIs("NAN"))
                W.WriteFloat(std::nan(""));
            else if (SameText(Text, "Null")) {
                // Written as a name: a vaNull value would end the list it is in.
                W.WriteValue(TValueType::vaIdent);
                W.WriteStr(Text);
            } else {
                if (Text.size() > 255) Fail("Identifier too long");
                W.WriteIdent(Text);
            }
            Next();
        } else if (CharIs('[')) {
            Next();
            std::vector<std::string> Names;
            if (!CharIs(']')) {
                for (;;) {
                    std::string N = CheckSymbol();
                    if (N.size() > 255) Fail("Identifier too long");
                    Names.push_back(N);
                    Next();
                    if (CharIs(']')) break;
                    CheckChar(',');
                    Next();
                }
            }
            W.WriteSet(Names);
            Next();
        } else if (CharIs('(')) {
            Next();
            W.WriteListBegin();
            while (!CharIs(')')) {
                if (Token == toEOF) Fail("')' expected");
                ConvertValue();
            }
            W.WriteListEnd();
            Next();
        } else if (CharIs('{')) {
            std::string Data;
            int Nibbles = 0;
            unsigned Acc = 0;
            for (;;) {
                if (P >= Src.size()) Fail("'}' expected");
                char C = Src[P++];
                if (C == '}') break;
                if (C == '\n') ++Line;
                if (static_cast<unsigned char>(C) <= ' ') continue;
                if (!IsHex(C)) Fail("Invalid binary value");
                Acc = Acc * 16 + static_cast<unsigned>(IsDigit(C) ? C - '0' : (C | 0x20) - 'a' + 10);
                if (++Nibbles == 2) {
                    Data.push_back(static_cast<char>(Acc));
                    Nibbles = 0;
                    Acc = 0;
                }
            }
            if (Nibbles) Fail("Invalid binary value");
            if (Data.size() > static_cast<size_t>(INT32_MAX)) Fail("Binary value too long");
            W.WriteBinary(Data.data(), static_cast<int32_t>(Data.size()));
            Next();
        } else if (CharIs('<')) {
            Next();
            W.WriteValue(TValueType::vaCollection);
            while (!CharIs('>')) {
                if (!SymbolIs("item")) Fail("'item' expected");
                Next();
                if (CharIs('[')) {
                    Next();
                    W.WriteInteger(CheckInt32(ReadIntegerToken(true)));
                    Next();
                    CheckChar(']');
                    Next();
                }
                W.WriteListBegin();
                while (!SymbolIs("end")) {
                    if (Token == toEOF) Fail("'end' expected");
                    ConvertProperty();
                }
                W.WriteListEnd();
                Next();
            }
            W.WriteListEnd();
            Next();
        } else {
            Fail("Invalid property value");
        }
        --Depth;
    }

    std::string Src;
    size_t P = 0;
    size_t TokenStart = 0;
    int Line = 1;
    TToken Token = toEOF;
    std::string Text;
    std::vector<uint32_t> Wide;
    char Suffix = 0;
    int Depth = 0;
    TWriter W;
};

std::string ReadAll(TStream* Input) {
    int64_t Left = Input->Size() - Input->Position();
    if (Left < 0) Left = 0;
    std::string S(static_cast<size_t>(Left), '\0');
    if (Left) Input->ReadBuffer(S.data(), static_cast<int32_t>(Left));
    return S;
}


}  // namespace

void ObjectBinaryToText(TStream* Input, TStream* Output) {
    std::string Text = TBinaryToText(Input).Run();
    Output->WriteBuffer(Text.data(), static_cast<int32_t>(Text.size()));
}

void ObjectTextToBinary(TStream* Input, TStream* Output) {
    const int64_t Start = Input->Position();
    TTextToBinary Conv(ReadAll(Input), Output);
    Conv.Run();
    Input->SetPosition(Start + static_cast<int64_t>(Conv.Consumed));
}

void ObjectResourceToText(TStream* Input, TStream* Output) {
    ReadResourceHeader(Input);
    ObjectBinaryToText(Input, Output);
}

void ObjectTextToResource(TStream* Input, TStream* Output) {
    TMemoryStream Binary;
    TTextToBinary Conv(ReadAll(Input), &Binary);
    Conv.Run();
    std::string Name = Conv.RootName.empty() ? Conv.RootClass : "T" + Conv.RootName;
    WriteResourceHeader(Output, Name, static_cast<uint32_t>(Binary.Size()));
    Output->WriteBuffer(Binary.Memory(), static_cast<int32_t>(Binary.Size()));
}

std::string ObjectBinaryToText(const std::string& Binary) {
    TStringStream In(Binary), Out;
    ObjectBinaryToText(&In, &Out);
    return Out.DataString();
}

std::string ObjectTextToBinary(const std::string& Text) {
    TStringStream In(Text), Out;
    ObjectTextToBinary(&In, &Out);
    return Out.DataString();
}

void WriteResourceHeader(TStream* Stream, const std::string& Name, uint32_t StreamSize) {
    std::string H = "\xFF\x0A";
    H.push_back('\0');
    H += UpperCase(Name.substr(0, 63));
    H.push_back('\0');
    H += "\x30\x10";
    qrn_stream::PutLE(H, StreamSize, 4);
    Stream->WriteBuffer(H.data(), static_cast<int32_t>(H.size()));
}

int64_t BeginResourceHeader(TStream* Stream, const std::string& Name) {
    WriteResourceHeader(Stream, Name, 0);
    return Stream->Position() - 4;
}

void FixupResourceHeader(TStream* Stream, int64_t SizePos) {
    int64_t End = Stream->Position();
    int64_t Size = End - (SizePos + 4);
    std::string B;
    qrn_stream::PutLE(B, static_cast<uint64_t>(Size), 4);
    Stream->SetPosition(SizePos);
    Stream->WriteBuffer(B.data(), 4);
    Stream->SetPosition(End);
}

std::string ReadResourceHeader(TStream* Stream) {
    int64_t Start = Stream->Position();
    uint8_t Head[4];
    if (Stream->Read(Head, 4) != 4) throw EReadError("Invalid stream format");
    if (std::memcmp(Head, "TPF0", 4) == 0) {
        Stream->SetPosition(Start);
        return {};
    }
    if (Head[0] != 0xFF || Head[1] != 0x0A || Head[2] != 0x00) throw EReadError("Invalid stream format");
    std::string Name;
    uint8_t C = Head[3];
    while (C != 0) {
        if (Name.size() >= 255) throw EReadError("Invalid stream format");
        Name.push_back(static_cast<char>(C));
        if (Stream->Read(&C, 1) != 1) throw EReadError("Invalid stream format");
    }
    uint8_t Rest[6];
    if (Stream->Read(Rest, 6) != 6) throw EReadError("Invalid stream format");
    uint64_t Size = qrn_stream::GetLE(Rest + 2, 4);
    if (static_cast<int64_t>(Size) > Stream->Size() - Stream->Position()) throw EReadError("Invalid stream format");
    return Name;
}
