#pragma once
// The designed window written out as assembly source for the product's
// macro library: "appvar.inc" (variables and structures), the form's
// ".def" (every property as an EQU line, the window-class and main-window
// macros and one creation macro per control) and "wmcreate.inc" (the calls
// that create the controls). The property lines come from the inspector:
// each row it paints gives one line (HarvestLine).
#include <string>
#include <string_view>
#include <vector>

// What the harvest collected for one component; the window comes first.
struct THarvestedComponent {
    std::string ClassName;           // "TButton"
    std::string Name;                // "Button1"
    std::vector<std::string> Lines;  // its property lines, in row order
};

struct TGeneratedSource {
    std::vector<std::string> AppVar;    // "appvar.inc"
    std::vector<std::string> Def;       // the form's ".def"
    std::vector<std::string> WmCreate;  // "wmcreate.inc"
};

// The EQU line of one property row: PropName and Value as the row's
// property editor gives them, ClassName and ComponentName of the component
// shown. Some rows become comments (their values mean nothing to the
// assembler); captions and texts become string data, and in any other
// value a character below 32 becomes a blank, so no value splits a line.
std::string HarvestLine(std::string_view PropName, std::string_view Value, std::string_view ClassName,
                        std::string_view ComponentName);

// Text as assembler string data ending in a zero: quoted runs with '"'
// doubled, characters below 32 as numbers between them.
std::string AsmStringData(std::string_view Text);

// The three texts. FormName names the window's symbols; BorderStyle is the
// window's BorderStyle value text ("bsSizeable"). A check box or radio
// button whose Checked row is True is checked once it is created.
TGeneratedSource GenerateSource(const std::vector<THarvestedComponent>& Components, const std::string& FormName,
                                std::string_view BorderStyle);

// Writes "appvar.inc" and "wmcreate.inc" into ProjectFolder and the
// ".def" beside the form (FormBasePath + ".def"), each whole or not at
// all; raises EFCreateError on the first file that cannot be written.
void SaveGeneratedSource(const TGeneratedSource& Source, const std::string& ProjectFolder,
                         const std::string& FormBasePath);
