#pragma once
// A model of the assembler and of the 32-bit program it builds, for the
// subset the form designer's files and quorwin.inc use. It reads equates,
// structures, macros, externals and data as the assembler does, and fails
// where the assembler would: an undefined symbol, a symbol defined twice
// (in-module names compared without case, as /mx leaves them) or a macro
// called with the wrong number of arguments. Data is laid out in a 32-bit
// memory of its own; code lines (mov, push, call, macro calls, IF) run
// against it, and a call of a declared external runs the model of that
// system function the test gives.
#include <cstdint>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

class EAsmError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

using TWord = uint32_t;

class TAsmModel {
public:
    // The arguments in the order of the function's prototype (the last
    // pushed first); the result is what the program finds in eax.
    using TFunction = std::function<TWord(const std::vector<TWord>& Args)>;

    // Declarations: equates, structures, macros, externals and data.
    void Read(const std::string& File, const std::vector<std::string>& Lines);
    // Code lines, run one after the other.
    void Run(const std::string& File, const std::vector<std::string>& Lines);

    // What calling the external Name does; ArgCount words leave the stack.
    void Model(const std::string& Name, int ArgCount, TFunction Function);
    // A routine of the program, known to the text by its address only.
    void Label(const std::string& Name, TWord Address);

    TWord Address(const std::string& DataName) const;
    TWord Load(TWord Address) const;
    void Store(TWord Address, TWord Value);
    // Size bytes of data memory at Address; throws when they lie outside.
    const uint8_t* Bytes(TWord Address, size_t Size) const;
    std::string String(TWord Address) const;  // up to its zero

private:
    enum class TKind { Equate, Data, Struct, Field, Macro, Extern, Label };
    struct TSymbol {
        TKind Kind = TKind::Equate;
        std::string Where;                      // "file:line" of the definition
        std::string Text;                       // an equate's text
        TWord Value = 0;                        // address, field offset or structure size
        std::vector<std::string> Params, Body;  // a macro's
        std::vector<uint8_t> Bytes;             // a structure's initial bytes
    };
    struct TOperand {
        enum { Register, Memory, Immediate } Kind;
        TWord Value;  // the address of Memory, the value of Immediate
    };

    TSymbol& Define(const std::string& Name, TKind Kind, const std::string& Where, TWord Value = 0);
    const TSymbol* Find(const std::string& Name) const;
    void ReadData(const std::string& Where, const std::string& Name, const std::string& Type,
                  const std::string& Values);
    std::vector<uint8_t> DataBytes(const std::string& Where, const std::string& Type, const std::string& Values);
    std::string Expand(const std::string& Text, int Depth = 0) const;
    TWord Value(const std::string& Where, const std::string& Expression) const;
    TOperand Operand(const std::string& Where, std::string Text) const;
    TWord Read(const TOperand& Op) const;
    void RunLine(const std::string& Where, const std::string& Line);
    void Call(const std::string& Where, const std::string& Name);
    void CallMacro(const std::string& Where, const TSymbol& Macro, const std::string& Name, const std::string& Args);

    std::map<std::string, TSymbol> FSymbols;  // by upper-cased name
    struct TModelled {
        int ArgCount;
        TFunction Function;
    };
    std::map<std::string, TModelled> FModels;
    std::vector<uint8_t> FData;
    std::vector<TWord> FStack;
    TWord FEax = 0;
};
