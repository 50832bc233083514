#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <map>
#include <set>

#include "designer/host/CodeGenerator.h"
#include "framework/rtl/FileUtils.h"
#include "product/TextLines.h"

namespace {

std::vector<std::string> Words(const std::string& Line) {
    std::vector<std::string> Result;
    std::string Word;
    bool Quoted = false;
    for (char C : Line + " ") {
        if (C == '"' || C == '\'') Quoted = !Quoted;
        if (!Quoted && C == ';') break;
        if (!Quoted && (std::isalnum(static_cast<unsigned char>(C)) || C == '_')) {
            Word += C;
            continue;
        }
        if (!Word.empty() && !std::isdigit(static_cast<unsigned char>(Word[0]))) Result.push_back(Word);
        Word.clear();
    }
    return Result;
}

// Every name the generated code uses in an instruction, a data line or a
// macro call is defined: by the shipped include file, by the generated
// files themselves, or by the program (its window procedure); the values
// of the EQU lines it uses are followed to their names too.
TEST(GeneratedNames, EveryNameUsedIsDefined) {
    auto Rows = [](const std::string& Cls, const std::string& Name, const std::string& Caption) {
        THarvestedComponent C{Cls, Name, {}};
        const std::vector<std::pair<std::string, std::string>> Values = {
            {"Left", "8"},   {"Top", "8"},     {"Width", "75"},         {"Height", "25"},     {"Visible", "True"},
            {"Ctl3D", "True"}, {"Caption", Caption}, {"Text", Caption}, {"Color", "clBtnFace"}, {"Cursor", "crDefault"},
            {"BorderIcons", "[biSystemMenu,biMinimize,biMaximize]"}};
        for (const auto& [R, V] : Values) C.Lines.push_back(HarvestLine(R, V, Cls, Name));
        return C;
    };
    std::vector<THarvestedComponent> All = {Rows("TForm", "Window1", "Main Window")};
    for (const char* Cls : {"TButton", "TLabel", "TComboBox", "TEdit", "TListBox", "TCheckBox", "TRadioButton",
                            "TScrollBar", "TPanel"})
        All.push_back(Rows(Cls, std::string(Cls + 1) + "1", "x"));
    const TGeneratedSource S = GenerateSource(All, "Window1", "bsSizeable");
    const std::vector<std::string> Include =
        SplitTextLines(ReadFileToString(std::string(QRN_SOURCE_DIR) + "/data/includes/quorwin.inc"));

    // Names defined: the first word of an EQU, data, macro or structure
    // line (fields included), a variable of a structure type, and the
    // routines declared external.
    std::set<std::string> Defined = {"MainWindowProc"};
    std::set<std::string> Defining = {"EQU", "equ", "dd", "db", "Macro", "STRUC"};
    for (const std::string& Line : Include)
        if (const auto W = Words(Line); W.size() > 1 && W[1] == "STRUC") Defining.insert(W[0]);
    std::map<std::string, std::string> Equates;
    for (const std::vector<std::string>* File : {&Include, &S.AppVar, &S.Def, &S.WmCreate})
        for (const std::string& Line : *File) {
            const auto W = Words(Line);
            if (W.size() < 2) continue;
            if (W[0] == "extrn") Defined.insert(W[1]);
            if (Defining.count(W[1])) Defined.insert(W[0]);
            const size_t Equ = Line.find(" EQU ");
            if (Equ != std::string::npos) Equates[W[0]] = Line.substr(Equ + 5);
        }

    const std::set<std::string> Vocabulary = {"mov", "push", "Push", "call", "Call", "offset", "dword", "ptr", "eax",
                                              "dd", "db", "dup", "OR", "Macro", "EndM", "ENDM", "EQU", "equ",
                                              "STRUC", "ENDS", "extrn", "PROC", "include", "IF", "ENDIF", "AND"};
    std::set<std::string> Missing;
    std::set<std::string> Seen;
    std::function<void(const std::string&)> Use = [&](const std::string& Name) {
        if (Vocabulary.count(Name) || !Seen.insert(Name).second) return;
        if (!Defined.count(Name)) Missing.insert(Name);
        if (auto E = Equates.find(Name); E != Equates.end())
            for (const std::string& W : Words(E->second)) Use(W);
    };
    auto UseLines = [&](const std::vector<std::string>& Lines, bool SkipEqu) {
        std::set<std::string> Params;
        for (const std::string& Line : Lines) {
            if (SkipEqu && Line.find(" EQU ") != std::string::npos) continue;
            auto W = Words(Line);
            if (W.size() > 1 && W[1] == "Macro") {
                Params = std::set<std::string>(W.begin() + 2, W.end());
                continue;
            }
            // The name a line defines is not a use of it.
            const size_t First = W.size() > 1 && Defining.count(W[1]) ? 1 : 0;
            for (size_t I = First; I < W.size(); ++I)
                if (!Params.count(W[I])) Use(W[I]);
        }
    };
    UseLines(S.AppVar, true);
    UseLines(S.WmCreate, false);
    UseLines(S.Def, true);
    UseLines(Include, true);
    std::string List;
    for (const std::string& M : Missing) List += M + " ";
    EXPECT_TRUE(Missing.empty()) << "not defined: " << List;
}

}  // namespace
