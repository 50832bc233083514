// The data files shipped beside the program (data/ in the source tree):
// the readers must find in them what the user is promised.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <set>

#include "framework/rtl/FileUtils.h"
#include "ide/CodeAssist.h"
#include "ide/MacroFile.h"
#include "product/CodeTemplates.h"
#include "product/TextLines.h"
#include "product/ToolsFile.h"

namespace {

std::string Shipped(const std::string& Name) { return ReadFileToString(std::string(QRN_SOURCE_DIR) + "/data/" + Name); }

std::string Lower(std::string S) {
    for (char& C : S) C = static_cast<char>(std::tolower(static_cast<unsigned char>(C)));
    return S;
}

std::string Upper(std::string S) {
    for (char& C : S) C = static_cast<char>(std::toupper(static_cast<unsigned char>(C)));
    return S;
}

bool IsWordChar(char C) { return std::isalnum(static_cast<unsigned char>(C)) || C == '_' || C == '@' || C == '?'; }

// The identifiers of an assembler line, comments and quoted text left out.
std::vector<std::string> Words(std::string_view Line) {
    std::vector<std::string> Result;
    std::string Word;
    char Quote = 0;
    for (char C : Line) {
        if (Quote) {
            if (C == Quote) Quote = 0;
            continue;
        }
        if (C == ';') break;
        if (C == '"' || C == '\'') Quote = C;
        if (IsWordChar(C)) {
            Word += C;
        } else if (!Word.empty()) {
            Result.push_back(Word);
            Word.clear();
        }
    }
    if (!Word.empty()) Result.push_back(Word);
    return Result;
}

void ExpectCrLfOnly(const std::string& Text, const std::string& Name) {
    ASSERT_GE(Text.size(), 2u) << Name;
    EXPECT_EQ(Text.substr(Text.size() - 2), "\r\n") << Name << " must end with a line end";
    for (size_t I = 0; I < Text.size(); ++I) {
        if (Text[I] == '\n') {
            EXPECT_TRUE(I > 0 && Text[I - 1] == '\r') << Name << ": bare LF at " << I;
        }
        if (Text[I] == '\r') {
            EXPECT_TRUE(I + 1 < Text.size() && Text[I + 1] == '\n') << Name << ": bare CR at " << I;
        }
    }
}

// ------------------------------------------------------------ templates

class ShippedTemplates : public ::testing::Test {
protected:
    void SetUp() override {
        Text = Shipped("templates.dat");
        Templates.Load(Text);
        Lines = SplitTextLines(Text);
    }
    std::string Text;
    TCodeTemplates Templates;
    std::vector<std::string> Lines;
};

TEST_F(ShippedTemplates, HoldTheExpectedTemplatesInFileOrder) {
    const std::vector<std::string> Expected = {"dosexe",  "doscom",    "win32app", "win32con", "proc16",
                                               "proc32",  "loopcx",    "loopecx",  "whileloop", "ifelse",
                                               "switch",  "print21",   "readkey",  "dosfile",  "macrodef",
                                               "strucdef"};
    EXPECT_EQ(Templates.Names(), Expected);
    EXPECT_TRUE(Templates.HasTemplates());
    EXPECT_TRUE(Templates.IsTemplateName("DOSEXE"));
}

TEST_F(ShippedTemplates, HeadersReadTheSameByMarkerAndByFixedWidth) {
    // One reading searches the marker, the other cuts the first 16
    // characters: both must give the same names.
    for (const std::string& Line : Lines) {
        if (Line.find("_TEMPLATESTART_") == std::string::npos) continue;
        ASSERT_EQ(Line.rfind("_TEMPLATESTART_ ", 0), 0u) << Line;
        std::string Name;
        ASSERT_TRUE(TemplateHeaderName(Line, Name));
        EXPECT_EQ(Name, Line.substr(16, Line.find('|') - 16)) << Line;
    }
}

TEST_F(ShippedTemplates, NamesAreSingleWordsTheCaretCanPickUp) {
    for (const std::string& Name : Templates.Names()) {
        ASSERT_FALSE(Name.empty());
        EXPECT_EQ(Name.find_first_of("\t ,:;\""), std::string::npos) << Name;
        EXPECT_EQ(Name, Lower(Name)) << "names are typed in lower case";
    }
}

TEST_F(ShippedTemplates, NoNameBeginsAnother) {
    // A body may be looked up by the header's beginning, so a name that
    // begins another one could expand the wrong template.
    const auto& Names = Templates.Names();
    for (const std::string& A : Names)
        for (const std::string& B : Names)
            if (&A != &B) {
                EXPECT_NE(Lower(B).rfind(Lower(A), 0), 0u) << A << " begins " << B;
            }
}

TEST_F(ShippedTemplates, EveryTemplateIsClosedAndHasABody) {
    bool Open = false;
    size_t Starts = 0;
    for (const std::string& Line : Lines) {
        if (Line.find("_TEMPLATESTART_") != std::string::npos) {
            EXPECT_FALSE(Open) << "template before " << Line << " is not closed";
            Open = true;
            ++Starts;
        } else if (Line == "_TEMPLATEEND_") {
            EXPECT_TRUE(Open) << "end without start";
            Open = false;
        } else {
            EXPECT_TRUE(Open) << "line outside a template: " << Line;
            EXPECT_EQ(Line.find("_TEMPLATEEND_"), std::string::npos) << "end marker must stand alone: " << Line;
        }
    }
    EXPECT_FALSE(Open);
    EXPECT_EQ(Starts, Templates.Names().size());
    for (const std::string& Name : Templates.Names()) EXPECT_GE(Templates.Body(Name).size(), 3u) << Name;
}

TEST_F(ShippedTemplates, EveryLocalLabelJumpedToIsDefined) {
    for (const std::string& Name : Templates.Names()) {
        std::set<std::string> Defined, Used;
        for (const std::string& Line : Templates.Body(Name)) {
            const auto W = Words(Line);
            for (size_t I = 0; I < W.size(); ++I) {
                if (W[I].rfind("@@", 0) != 0) continue;
                // A label stands first on its line, followed by a colon.
                if (I == 0 && Line.rfind(W[I] + ":", 0) == 0) {
                    EXPECT_TRUE(Defined.insert(W[I]).second) << Name << ": " << W[I] << " twice";
                } else {
                    Used.insert(W[I]);
                }
            }
        }
        for (const std::string& L : Used) EXPECT_TRUE(Defined.count(L)) << Name << ": " << L << " is not defined";
    }
}

TEST_F(ShippedTemplates, ProgramSkeletonsStartAndEndAtTheirEntry) {
    for (const char* Name : {"dosexe", "doscom", "win32app", "win32con"}) {
        const auto Body = Templates.Body(Name);
        EXPECT_NE(std::find(Body.begin(), Body.end(), "start:"), Body.end()) << Name;
        ASSERT_FALSE(Body.empty());
        EXPECT_EQ(Words(Body.back()), (std::vector<std::string>{"end", "start"})) << Name;
    }
}

TEST_F(ShippedTemplates, InsertedBodyHasTheFileLinesWithCrLf) {
    const auto Body = Templates.Body("print21");
    ASSERT_EQ(Body.size(), 3u);
    EXPECT_EQ(TemplateInsertText(Body).substr(0, Body[0].size() + 2), Body[0] + "\r\n");
    EXPECT_NE(Body[2].find("int     21h"), std::string::npos);
}

TEST_F(ShippedTemplates, LineEndsAreCrLf) { ExpectCrLfOnly(Text, "templates.dat"); }

// ----------------------------------------------------------- macro file

struct TDeclaration {
    std::string Name;
    std::vector<std::string> Params;
    std::vector<std::string> Body;  // up to, not including, its ENDM
};

// The file's declarations as an assembler reads them: a body ends at the
// ENDM that matches its opening, repeat blocks nest inside it.
std::vector<TDeclaration> Declarations(const std::vector<std::string>& Lines) {
    std::vector<TDeclaration> Result;
    for (size_t I = 0; I < Lines.size(); ++I) {
        const auto W = Words(Lines[I]);
        if (W.size() < 2 || Upper(W[1]) != "MACRO") continue;
        TDeclaration D{W[0], std::vector<std::string>(W.begin() + 2, W.end()), {}};
        int Depth = 1;
        for (++I; I < Lines.size(); ++I) {
            const auto B = Words(Lines[I]);
            const std::string First = B.empty() ? "" : Upper(B[0]);
            if (First == "IRP" || First == "IRPC" || First == "REPT" || First == "WHILE") ++Depth;
            if (First == "ENDM" && --Depth == 0) break;
            D.Body.push_back(Lines[I]);
        }
        EXPECT_EQ(Depth, 0) << D.Name << " has no closing ENDM";
        Result.push_back(std::move(D));
    }
    return Result;
}

class ShippedMacros : public ::testing::Test {
protected:
    void SetUp() override {
        Text = Shipped("includes/quor32.mac");
        Lines = SplitTextLines(Text);
        Items = ParseMacroFile(Text);
        Decls = Declarations(Lines);
    }
    std::string Text;
    std::vector<std::string> Lines;
    std::vector<std::string> Items;
    std::vector<TDeclaration> Decls;
};

TEST_F(ShippedMacros, OnlyDeclarationLinesNameTheKeyword) {
    // The list takes every line holding the keyword, comments included.
    size_t Declared = 0;
    for (const std::string& Line : Lines) {
        if (Line.find("Macro") == std::string::npos) continue;
        ++Declared;
        const size_t At = Line.find(" Macro");
        ASSERT_NE(At, std::string::npos) << Line;
        EXPECT_TRUE(IsWordChar(Line[0])) << "declaration must start in column 1: " << Line;
        EXPECT_EQ(Line.find(' '), At) << "one blank between name and keyword: " << Line;
        const std::string Params = Line.substr(At + 6);
        if (!Params.empty()) {
            EXPECT_EQ(Params[0], ' ') << Line;
            EXPECT_EQ(Params.find_first_of(" \t", 1), std::string::npos) << "parameters take bare commas: " << Line;
        }
    }
    EXPECT_EQ(Items.size(), Declared);
    EXPECT_EQ(Decls.size(), Declared);
    EXPECT_GE(Items.size(), 25u);
}

TEST_F(ShippedMacros, EveryItemGivesItsNameAndParameters) {
    ASSERT_EQ(Items.size(), Decls.size());
    for (size_t I = 0; I < Items.size(); ++I) {
        const TDeclaration& D = Decls[I];
        EXPECT_EQ(MacroItemName(Items[I]), D.Name);
        const TParamInfo P = ParseParams(Items[I]);
        std::string Joined;
        for (const std::string& Param : D.Params) Joined += (Joined.empty() ? "" : ", ") + Param;
        EXPECT_EQ(P.HintText, Joined) << Items[I];
        EXPECT_EQ(P.ParamCount, D.Params.size() >= 2 ? static_cast<int>(D.Params.size()) : 0) << Items[I];
        // The hint is cut at single blanks: no piece may come out empty.
        EXPECT_EQ(P.HintText.find("  "), std::string::npos) << Items[I];
        if (P.Accepted()) {
            EXPECT_EQ(HintPieces(P.HintText).size(), D.Params.size()) << Items[I];
        }
    }
}

TEST_F(ShippedMacros, TypingANameSelectsItsOwnItem) {
    std::set<std::string> Seen;
    for (size_t I = 0; I < Items.size(); ++I) {
        const std::string Name = MacroItemName(Items[I]);
        EXPECT_TRUE(Seen.insert(Upper(Name)).second) << Name << " declared twice";
        EXPECT_EQ(FindListItem(Items, Name), static_cast<int>(I)) << Name << " selects another item";
    }
}

TEST_F(ShippedMacros, BodiesUseEveryParameterAndNoReservedName) {
    // Names the assembler keeps for itself cannot be parameters.
    const std::set<std::string> Reserved = {"SIZE", "LENGTH", "TYPE", "OFFSET", "SEG",  "PTR",  "NAME",
                                            "TITLE", "PROC", "ARG",   "LOCAL", "CODE", "DATA", "STACK",
                                            "ENDM",  "MACRO", "EQU",  "AX",    "AL",   "EAX",  "DX"};
    for (const TDeclaration& D : Decls) {
        EXPECT_FALSE(D.Body.empty()) << D.Name;
        std::set<std::string> Used;
        for (const std::string& Line : D.Body)
            for (const std::string& W : Words(Line)) Used.insert(Upper(W));
        for (const std::string& Param : D.Params) {
            EXPECT_FALSE(Reserved.count(Upper(Param))) << D.Name << ": " << Param;
            EXPECT_TRUE(Used.count(Upper(Param))) << D.Name << " never uses " << Param;
        }
    }
}

TEST_F(ShippedMacros, CallHelperTakesARoutineAndSixArguments) {
    const int At = FindListItem(Items, "WinCall ");
    ASSERT_GE(At, 0);
    EXPECT_EQ(ParseParams(Items[At]).HintText, "Routine, P1, P2, P3, P4, P5, P6");
    // A single parameter shows no hint.
    EXPECT_FALSE(ParseParams(Items[FindListItem(Items, "DosPrint ")]).Accepted());
}

TEST_F(ShippedMacros, LineEndsAreCrLf) { ExpectCrLfOnly(Text, "quor32.mac"); }

// ------------------------------------------------------ the other files

TEST(ShippedData, KeywordFileListsEveryGroup) {
    const std::string Text = Shipped("keys.dat");
    ExpectCrLfOnly(Text, "keys.dat");
    const auto Lines = SplitTextLines(Text);
    size_t Groups = 0, Entries = 0;
    for (const std::string& Line : Lines) {
        if (Line.empty() || Line[0] == ';') continue;
        if (Line[0] == '[') ++Groups;
        else ++Entries;
    }
    EXPECT_EQ(Groups, 4u);
    EXPECT_GT(Entries, 250u);
}

TEST(ShippedData, ToolsFileStartsProgramsEveryWindowsHas) {
    const std::string Text = Shipped("tools.dat");
    ExpectCrLfOnly(Text, "tools.dat");
    const auto Tools = ParseToolsFile(Text);
    ASSERT_EQ(Tools.size(), 2u);
    EXPECT_EQ(Tools[0].Program, "notepad.exe");
    EXPECT_EQ(Tools[1].Program, "calc.exe");
    for (const auto& T : Tools) EXPECT_EQ(T.Parameters, "");
}

uint32_t BigEndian32(const std::string& S, size_t At) {
    uint32_t V = 0;
    for (size_t I = 0; I < 4; ++I) V = (V << 8) | static_cast<unsigned char>(S[At + I]);
    return V;
}

TEST(ShippedData, MusicIsAWholeMidiFile) {
    const std::string Mid = Shipped("back.mid");
    ASSERT_GE(Mid.size(), 14u);
    ASSERT_EQ(Mid.substr(0, 4), "MThd");
    ASSERT_EQ(BigEndian32(Mid, 4), 6u);
    const size_t Tracks = (static_cast<unsigned char>(Mid[10]) << 8) | static_cast<unsigned char>(Mid[11]);
    size_t At = 14, Seen = 0;
    // Every chunk's length must lead exactly to the next one.
    while (At + 8 <= Mid.size()) {
        EXPECT_EQ(Mid.substr(At, 4), "MTrk");
        const uint32_t Length = BigEndian32(Mid, At + 4);
        ASSERT_LE(At + 8 + Length, Mid.size());
        EXPECT_EQ(Mid.substr(At + 8 + Length - 3, 3), std::string("\xFF\x2F\x00", 3)) << "track " << Seen;
        At += 8 + Length;
        ++Seen;
    }
    EXPECT_EQ(At, Mid.size());
    EXPECT_EQ(Seen, Tracks);
}

}  // namespace
