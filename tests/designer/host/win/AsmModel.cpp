#include "tests/designer/host/win/AsmModel.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <optional>

#include "framework/rtl/StrUtils.h"

namespace {

// Where the program's data starts, as a 32-bit linker would place it.
constexpr TWord DataBase = 0x00403000;

bool IsNameChar(char C) {
    return std::isalnum(static_cast<unsigned char>(C)) || C == '_' || C == '@' || C == '?' || C == '$';
}
bool IsNameStart(char C) { return IsNameChar(C) && !std::isdigit(static_cast<unsigned char>(C)); }

// The end of the quoted string that starts at I (its closing quote); a
// doubled quote stands for itself.
size_t QuoteEnd(const std::string& S, size_t I) {
    const char Q = S[I];
    for (size_t J = I + 1; J < S.size(); ++J) {
        if (S[J] != Q) continue;
        if (J + 1 < S.size() && S[J + 1] == Q) {
            ++J;
            continue;
        }
        return J;
    }
    return std::string::npos;
}

std::string WithoutComment(const std::string& Line) {
    for (size_t I = 0; I < Line.size(); ++I) {
        if (Line[I] == '"' || Line[I] == '\'') {
            I = QuoteEnd(Line, I);
            if (I == std::string::npos) break;
        } else if (Line[I] == ';') {
            return Trim(Line.substr(0, I));
        }
    }
    return Trim(Line);
}

// The first word of a line and the text after it.
std::pair<std::string, std::string> FirstWord(const std::string& S) {
    const size_t End = S.find_first_of(" \t");
    if (End == std::string::npos) return {S, {}};
    return {S.substr(0, End), Trim(S.substr(End))};
}

// Items split at commas (and, for macro arguments, at blanks) outside
// quotes and brackets.
std::vector<std::string> Items(const std::string& S, bool BlanksSeparate) {
    std::vector<std::string> Result;
    std::string Item;
    int Depth = 0;
    auto Flush = [&] {
        if (!Trim(Item).empty()) Result.push_back(Trim(Item));
        Item.clear();
    };
    for (size_t I = 0; I < S.size(); ++I) {
        const char C = S[I];
        if (C == '"' || C == '\'') {
            const size_t End = QuoteEnd(S, I);
            if (End == std::string::npos) throw EAsmError("unclosed string in " + S);
            Item += S.substr(I, End - I + 1);
            I = End;
            continue;
        }
        if (C == '[' || C == '(' || C == '<') ++Depth;
        if (C == ']' || C == ')' || C == '>') --Depth;
        if (Depth == 0 && (C == ',' || (BlanksSeparate && (C == ' ' || C == '\t')))) {
            Flush();
            continue;
        }
        Item += C;
    }
    Flush();
    return Result;
}

// Every whole name outside quotes replaced by what Replace gives for it
// (nothing: the name stays).
std::string ReplaceNames(const std::string& S,
                         const std::function<std::optional<std::string>(const std::string&)>& Replace) {
    std::string Out;
    for (size_t I = 0; I < S.size();) {
        if (S[I] == '"' || S[I] == '\'') {
            const size_t End = std::min(QuoteEnd(S, I), S.size() - 1);
            Out += S.substr(I, End - I + 1);
            I = End + 1;
        } else if (IsNameStart(S[I])) {
            size_t J = I;
            while (J < S.size() && IsNameChar(S[J])) ++J;
            const std::string Name = S.substr(I, J - I);
            Out += Replace(Name).value_or(Name);
            I = J;
        } else if (std::isdigit(static_cast<unsigned char>(S[I]))) {
            // A number such as 0FFh is no name.
            while (I < S.size() && IsNameChar(S[I])) Out += S[I++];
        } else {
            Out += S[I++];
        }
    }
    return Out;
}

bool ParseNumber(const std::string& Token, TWord& Value) {
    if (Token.empty() || !std::isdigit(static_cast<unsigned char>(Token[0]))) return false;
    const bool Hex = Token.back() == 'h' || Token.back() == 'H';
    const std::string Digits = Hex ? Token.substr(0, Token.size() - 1) : Token;
    uint64_t V = 0;
    for (char C : Digits) {
        int D = std::isdigit(static_cast<unsigned char>(C)) ? C - '0' : std::toupper(C) - 'A' + 10;
        if (D < 0 || D >= (Hex ? 16 : 10)) return false;
        V = V * (Hex ? 16 : 10) + static_cast<uint64_t>(D);
        if (V > 0xFFFFFFFFu) return false;
    }
    Value = static_cast<TWord>(V);
    return true;
}

// Names, numbers and the single characters between them.
std::vector<std::string> Tokens(const std::string& S) {
    std::vector<std::string> Result;
    for (size_t I = 0; I < S.size();) {
        if (S[I] == ' ' || S[I] == '\t') {
            ++I;
        } else if (IsNameChar(S[I])) {
            size_t J = I;
            while (J < S.size() && IsNameChar(S[J])) ++J;
            Result.push_back(S.substr(I, J - I));
            I = J;
        } else {
            Result.push_back(std::string(1, S[I++]));
        }
    }
    return Result;
}

}  // namespace

TAsmModel::TSymbol& TAsmModel::Define(const std::string& Name, TKind Kind, const std::string& Where, TWord Value) {
    if (const TSymbol* Old = Find(Name))
        throw EAsmError(Where + ": " + Name + " is defined twice (first at " + Old->Where + ")");
    TSymbol& S = FSymbols[UpperCase(Name)];
    S.Kind = Kind;
    S.Where = Where;
    S.Value = Value;
    return S;
}

const TAsmModel::TSymbol* TAsmModel::Find(const std::string& Name) const {
    const auto It = FSymbols.find(UpperCase(Name));
    return It == FSymbols.end() ? nullptr : &It->second;
}

void TAsmModel::Read(const std::string& File, const std::vector<std::string>& Lines) {
    TSymbol* Struct = nullptr;  // the structure being defined
    std::string StructName;
    TSymbol* Macro = nullptr;  // the macro being defined
    for (size_t I = 0; I < Lines.size(); ++I) {
        const std::string Where = File + ":" + std::to_string(I + 1);
        const std::string Line = WithoutComment(Lines[I]);
        if (Line.empty()) continue;
        const auto [First, Rest] = FirstWord(Line);
        const auto [Second, Values] = FirstWord(Rest);
        if (Macro) {
            if (SameText(First, "ENDM"))
                Macro = nullptr;
            else
                Macro->Body.push_back(Line);
            continue;
        }
        if (Struct) {
            if (SameText(Second, "ENDS")) {
                if (UpperCase(First) != UpperCase(StructName))
                    throw EAsmError(Where + ": " + First + " ENDS inside " + StructName);
                Struct = nullptr;
                continue;
            }
            // Field names are the module's names too, as in the
            // assembler's MASM mode.
            const std::vector<uint8_t> Bytes = DataBytes(Where, Second, Values);
            Define(First, TKind::Field, Where, static_cast<TWord>(Struct->Bytes.size()));
            Struct->Bytes.insert(Struct->Bytes.end(), Bytes.begin(), Bytes.end());
            Struct->Value = static_cast<TWord>(Struct->Bytes.size());
            continue;
        }
        if (SameText(First, "EXTRN")) {
            for (const std::string& Item : Items(Rest, false))
                Define(Item.substr(0, Item.find(':')), TKind::Extern, Where);
        } else if (SameText(Second, "EQU")) {
            Define(First, TKind::Equate, Where).Text = Values;
        } else if (SameText(Second, "MACRO")) {
            Macro = &Define(First, TKind::Macro, Where);
            Macro->Params = Items(Values, true);
        } else if (SameText(Second, "STRUC")) {
            Struct = &Define(First, TKind::Struct, Where);
            StructName = First;
        } else if (SameText(Second, "DD") || SameText(Second, "DB") ||
                   (Find(Second) && Find(Second)->Kind == TKind::Struct)) {
            ReadData(Where, First, Second, Values);
        } else {
            throw EAsmError(Where + ": not a declaration: " + Line);
        }
    }
    if (Macro || Struct) throw EAsmError(File + ": ends inside a macro or structure");
}

void TAsmModel::ReadData(const std::string& Where, const std::string& Name, const std::string& Type,
                         const std::string& Values) {
    const std::vector<uint8_t> Bytes = DataBytes(Where, Type, Values);
    Define(Name, TKind::Data, Where, DataBase + static_cast<TWord>(FData.size()));
    FData.insert(FData.end(), Bytes.begin(), Bytes.end());
}

// The bytes of a data line: dd values, db strings and numbers (N dup (V)
// too), or a structure variable with the structure's own values.
std::vector<uint8_t> TAsmModel::DataBytes(const std::string& Where, const std::string& Type,
                                          const std::string& Values) {
    std::vector<uint8_t> Bytes;
    if (const TSymbol* S = Find(Type); S && S->Kind == TKind::Struct) {
        if (Values != "<0>" && Values != "<>") throw EAsmError(Where + ": initial values not modelled: " + Values);
        return S->Bytes;
    }
    const bool Dword = SameText(Type, "DD");
    if (!Dword && !SameText(Type, "DB")) throw EAsmError(Where + ": undefined symbol " + Type);
    for (const std::string& Item : Items(Expand(Values), false)) {
        if (Item[0] == '"' || Item[0] == '\'') {
            if (Dword) throw EAsmError(Where + ": a string as a dd value");
            for (size_t I = 1; I + 1 < Item.size(); ++I) {
                Bytes.push_back(static_cast<uint8_t>(Item[I]));
                if (Item[I] == Item[0]) ++I;  // a doubled quote
            }
            continue;
        }
        size_t Count = 1;
        std::string V = Item;
        if (const size_t Dup = UpperCase(Item).find(" DUP "); Dup != std::string::npos) {
            Count = Value(Where, Item.substr(0, Dup));
            V = Item.substr(Dup + 5);
        }
        const TWord W = V == "?" ? 0 : Value(Where, V);
        if (!Dword && W > 0xFF) throw EAsmError(Where + ": " + V + " does not fit in a byte");
        for (size_t I = 0; I < Count; ++I)
            for (int B = 0; B < (Dword ? 4 : 1); ++B) Bytes.push_back(static_cast<uint8_t>(W >> (8 * B)));
    }
    return Bytes;
}

// Equates replaced by their text, as the assembler does before it reads
// a line. An equate whose text is a whole expression is a number to the
// assembler: it keeps its own precedence, so it goes in in parentheses.
std::string TAsmModel::Expand(const std::string& Text, int Depth) const {
    if (Depth > 20) throw EAsmError("equates refer to themselves: " + Text);
    return ReplaceNames(Text, [&](const std::string& Name) -> std::optional<std::string> {
        const TSymbol* S = Find(Name);
        if (!S || S->Kind != TKind::Equate) return std::nullopt;
        const std::string E = Expand(S->Text, Depth + 1);
        try {
            Value("", E);
            return "(" + E + ")";
        } catch (const EAsmError&) {
            return E;
        }
    });
}

// Numbers, OR, AND, parentheses and offset of a data name or routine;
// equates are expanded already.
TWord TAsmModel::Value(const std::string& Where, const std::string& Expression) const {
    const std::vector<std::string> T = Tokens(Expression);
    size_t P = 0;
    auto Fail = [&](const std::string& Why) -> TWord {
        throw EAsmError(Where + ": " + Why + (T.size() > 1 ? " in " + Expression : ""));
    };
    std::function<TWord()> Or;
    std::function<TWord()> Term = [&]() -> TWord {
        if (P >= T.size()) return Fail("a value missing");
        const std::string Tok = T[P++];
        TWord V = 0;
        if (Tok == "(") {
            V = Or();
            if (P >= T.size() || T[P++] != ")") return Fail("')' missing");
            return V;
        }
        if (ParseNumber(Tok, V)) return V;
        if (SameText(Tok, "OFFSET")) {
            if (P >= T.size()) return Fail("a name missing");
            const TSymbol* S = Find(T[P]);
            if (!S) return Fail("undefined symbol " + T[P]);
            if (S->Kind != TKind::Data && S->Kind != TKind::Label) return Fail(T[P] + " has no offset");
            ++P;
            return S->Value;
        }
        const TSymbol* S = Find(Tok);
        if (!S) return Fail("undefined symbol " + Tok);
        if (S->Kind == TKind::Field) return S->Value;
        return Fail(Tok + " is no constant");
    };
    auto And = [&]() {
        TWord V = Term();
        while (P < T.size() && SameText(T[P], "AND")) {
            ++P;
            V &= Term();
        }
        return V;
    };
    Or = [&]() {
        TWord V = And();
        while (P < T.size() && SameText(T[P], "OR")) {
            ++P;
            V |= And();
        }
        return V;
    };
    const TWord V = Or();
    if (P != T.size()) Fail("'" + T[P] + "' not understood");
    return V;
}

// eax, [Data.Field...] (dword ptr or not), or a constant.
TAsmModel::TOperand TAsmModel::Operand(const std::string& Where, std::string Text) const {
    Text = Trim(Text);
    if (UpperCase(Text).rfind("DWORD PTR", 0) == 0) Text = Trim(Text.substr(9));
    if (SameText(Text, "EAX")) return {TOperand::Register, 0};
    if (Text.empty() || Text.front() != '[' || Text.back() != ']') return {TOperand::Immediate, Value(Where, Text)};
    std::string Inner = Text.substr(1, Text.size() - 2);
    TWord Address = 0;
    bool First = true;
    for (size_t Dot = 0; Dot != std::string::npos; First = false) {
        Dot = Inner.find('.');
        const std::string Part = Trim(Inner.substr(0, Dot));
        Inner = Dot == std::string::npos ? "" : Inner.substr(Dot + 1);
        const TSymbol* S = Find(Part);
        if (!S) throw EAsmError(Where + ": undefined symbol " + Part);
        if (S->Kind != (First ? TKind::Data : TKind::Field)) throw EAsmError(Where + ": " + Part + " is no memory");
        Address += S->Value;
    }
    return {TOperand::Memory, Address};
}

TWord TAsmModel::Read(const TOperand& Op) const {
    if (Op.Kind == TOperand::Register) return FEax;
    return Op.Kind == TOperand::Memory ? Load(Op.Value) : Op.Value;
}

void TAsmModel::Run(const std::string& File, const std::vector<std::string>& Lines) {
    std::vector<bool> Running;  // one per IF that is open
    auto Active = [&] { return std::find(Running.begin(), Running.end(), false) == Running.end(); };
    for (size_t I = 0; I < Lines.size(); ++I) {
        const std::string Where = File + ":" + std::to_string(I + 1);
        const std::string Line = WithoutComment(Lines[I]);
        if (Line.empty()) continue;
        const auto [First, Rest] = FirstWord(Line);
        if (SameText(First, "IF")) {
            const bool Outer = Active();
            Running.push_back(Outer && Value(Where, Expand(Rest)) != 0);
        } else if (SameText(First, "ELSE") || SameText(First, "ENDIF")) {
            if (Running.empty()) throw EAsmError(Where + ": " + First + " without IF");
            const bool Was = Running.back();
            Running.pop_back();
            if (SameText(First, "ELSE")) Running.push_back(Active() && !Was);
        } else if (Active()) {
            RunLine(Where, Line);
        }
    }
    if (!Running.empty()) throw EAsmError(File + ": IF without ENDIF");
}

void TAsmModel::RunLine(const std::string& Where, const std::string& Line) {
    const auto [First, Rest] = FirstWord(Line);
    if (const TSymbol* S = Find(First); S && S->Kind == TKind::Macro) return CallMacro(Where, *S, First, Rest);
    const std::vector<std::string> Ops = Items(Expand(Rest), false);
    if (SameText(First, "MOV") && Ops.size() == 2) {
        const TOperand To = Operand(Where, Ops[0]), From = Operand(Where, Ops[1]);
        if (To.Kind == TOperand::Immediate) throw EAsmError(Where + ": mov into a constant");
        if (To.Kind == TOperand::Memory && From.Kind == TOperand::Memory)
            throw EAsmError(Where + ": mov from memory to memory");
        if (To.Kind == TOperand::Register)
            FEax = Read(From);
        else
            Store(To.Value, Read(From));
    } else if (SameText(First, "PUSH") && Ops.size() == 1) {
        FStack.push_back(Read(Operand(Where, Ops[0])));
    } else if (SameText(First, "CALL") && Ops.size() == 1) {
        Call(Where, Ops[0]);
    } else if (!Find(First) && !SameText(First, "MOV") && !SameText(First, "PUSH") && !SameText(First, "CALL")) {
        throw EAsmError(Where + ": undefined symbol " + First);
    } else {
        throw EAsmError(Where + ": not modelled: " + Line);
    }
}

void TAsmModel::Call(const std::string& Where, const std::string& Name) {
    const TSymbol* S = Find(Name);
    if (!S) throw EAsmError(Where + ": undefined symbol " + Name);
    if (S->Kind != TKind::Extern) throw EAsmError(Where + ": " + Name + " is no external routine");
    const auto It = FModels.find(UpperCase(Name));
    if (It == FModels.end()) throw EAsmError(Where + ": no model of " + Name);
    const size_t N = static_cast<size_t>(It->second.ArgCount);
    if (FStack.size() < N) throw EAsmError(Where + ": " + Name + " needs " + std::to_string(N) + " words pushed");
    std::vector<TWord> Args(FStack.rbegin(), FStack.rbegin() + static_cast<std::ptrdiff_t>(N));
    FStack.resize(FStack.size() - N);
    FEax = It->second.Function(Args);
}

void TAsmModel::CallMacro(const std::string& Where, const TSymbol& Macro, const std::string& Name,
                          const std::string& Args) {
    const std::vector<std::string> Given = Items(Args, true);
    if (Given.size() != Macro.Params.size())
        throw EAsmError(Where + ": macro " + Name + " takes " + std::to_string(Macro.Params.size()) +
                        " arguments, given " + std::to_string(Given.size()));
    auto Argument = [&](const std::string& Param) -> std::optional<std::string> {
        for (size_t I = 0; I < Given.size(); ++I)
            if (UpperCase(Macro.Params[I]) == UpperCase(Param)) return Given[I];
        return std::nullopt;
    };
    std::vector<std::string> Body;
    for (const std::string& Line : Macro.Body) Body.push_back(ReplaceNames(Line, Argument));
    Run(Where + " " + Name, Body);
}

void TAsmModel::Model(const std::string& Name, int ArgCount, TFunction Function) {
    FModels[UpperCase(Name)] = {ArgCount, std::move(Function)};
}

void TAsmModel::Label(const std::string& Name, TWord Address) { Define(Name, TKind::Label, "the program", Address); }

TWord TAsmModel::Address(const std::string& DataName) const {
    const TSymbol* S = Find(DataName);
    if (!S || S->Kind != TKind::Data) throw EAsmError("no data named " + DataName);
    return S->Value;
}

const uint8_t* TAsmModel::Bytes(TWord Address, size_t Size) const {
    if (Address < DataBase || Address - DataBase + Size > FData.size())
        throw EAsmError("address " + std::to_string(Address) + " lies outside the data");
    return FData.data() + (Address - DataBase);
}

TWord TAsmModel::Load(TWord Address) const {
    TWord V = 0;
    std::memcpy(&V, Bytes(Address, 4), 4);
    return V;
}

void TAsmModel::Store(TWord Address, TWord Value) {
    Bytes(Address, 4);
    std::memcpy(FData.data() + (Address - DataBase), &Value, 4);
}

std::string TAsmModel::String(TWord Address) const {
    std::string S;
    for (TWord A = Address; *Bytes(A, 1); ++A) S += static_cast<char>(*Bytes(A, 1));
    return S;
}
