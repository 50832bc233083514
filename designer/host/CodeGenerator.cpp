#include "designer/host/CodeGenerator.h"

#include <algorithm>
#include <array>

#include "framework/rtl/FileUtils.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/StringList.h"

namespace {

// The controls that get variables and creation code; every other
// component is written only as its property lines.
constexpr std::array<std::string_view, 9> SupportedClasses = {
    "TButton", "TLabel", "TComboBox", "TEdit", "TListBox", "TCheckBox", "TRadioButton", "TScrollBar", "TPanel"};

bool IsSupported(std::string_view ClassName) {
    for (std::string_view C : SupportedClasses)
        if (C == ClassName) return true;
    return false;
}

// "biSystemMenu,biMinimize" in brackets becomes an OR of the flags; an
// empty set is 0.
std::string SetAsOr(std::string_view Value) {
    std::string Result;
    for (char C : Value) {
        if (C == '[' || C == ']') continue;
        if (C == ',')
            Result += " OR ";
        else
            Result += C;
    }
    return Result.empty() ? "0" : Result;
}

std::string WindowStylePrefix(std::string_view BorderStyle) {
    if (BorderStyle == "bsNone") return "WS_OVERLAPPED OR ";
    if (BorderStyle == "bsSingle") return "WS_OVERLAPPED OR WS_BORDER OR ";
    if (BorderStyle == "bsDialog") return "WS_DLGFRAME OR ";
    return "WS_OVERLAPPED OR WS_SIZEBOX OR ";  // sizeable and both tool windows
}

// A value other than a caption or a text is written raw: a control
// character in it would end the line or break the assembler's reading.
std::string ControlsAsBlanks(std::string_view Value) {
    std::string Result(Value);
    for (char& C : Result)
        if (static_cast<unsigned char>(C) < 32) C = ' ';
    return Result;
}

void Append(std::vector<std::string>& To, std::initializer_list<std::string> Lines) {
    To.insert(To.end(), Lines.begin(), Lines.end());
}

// A colour of the user's own, stored as $00BBGGRR, as the assembler reads
// a number; a plain one is marked as such for the window's brush.
std::string ColorAsNumber(std::string_view Value) {
    const std::string_view Digits = Value.substr(1);
    if (Digits.size() == 8 && Digits.substr(0, 2) == "00") return "PlainColor OR 0" + std::string(Digits.substr(2)) + "h";
    return "0" + std::string(Digits) + "h";
}

}  // namespace

std::string AsmStringData(std::string_view Text) {
    std::string Result;
    bool InQuotes = false;
    for (char Ch : Text) {
        const auto Code = static_cast<unsigned char>(Ch);
        if (Code < 32) {
            if (InQuotes) Result += '"';
            InQuotes = false;
            if (!Result.empty()) Result += ',';
            Result += std::to_string(Code);
            continue;
        }
        if (!InQuotes) {
            if (!Result.empty()) Result += ',';
            Result += '"';
            InQuotes = true;
        }
        Result += Ch;
        if (Ch == '"') Result += '"';
    }
    if (InQuotes) Result += '"';
    if (Result.empty()) Result = "\"\"";
    return Result + ",0";
}

std::string HarvestLine(std::string_view PropName, std::string_view Value, std::string_view ClassName,
                        std::string_view ComponentName) {
    std::string Prefix(ComponentName);
    std::string Name(PropName);
    std::string V = ControlsAsBlanks(Value);
    if (PropName == "Ctl3D" || PropName == "ParentCtl3D") {
        // The window always gets the window edge; a control its client
        // edge only when the property is on.
        V = ClassName == "TForm" ? "WS_EX_WINDOWEDGE" : Value == "True" ? "WS_EX_CLIENTEDGE" : "0";
    } else if (PropName == "Color" && Value.starts_with('$')) {
        V = ColorAsNumber(Value);
    } else if (PropName == "BorderIcons") {
        V = SetAsOr(V);
    } else if (PropName == "Caption" || PropName == "Text") {
        Name += '_';
        V = AsmStringData(Value);
    } else if (PropName == "Visible") {
        V = Value == "True" ? " OR WS_VISIBLE " : "";
    } else if (PropName == "ActiveControl" || PropName == "Font" || PropName == "HorzScrollBar" ||
               PropName == "Icon" || PropName == "VertScrollBar") {
        Prefix.insert(0, ";");
    }
    return Prefix + Name + " EQU " + V + "   ; " + std::string(ClassName) + " >" + std::string(ComponentName);
}

TGeneratedSource GenerateSource(const std::vector<THarvestedComponent>& Components, const std::string& FormName,
                                std::string_view BorderStyle) {
    TGeneratedSource Out;
    std::vector<std::string> Macros = {";Standard controls structure (if present)"};
    Out.WmCreate = {";Create standard window controls (if present)", ""};
    Out.AppVar = {";Application variables and structures",
                  "",
                  "MainWindowClassA  WindowClassA  <0>",
                  "MainWindowStructure  WindowStructure  <0>",
                  "MainWindowMessage  MessageStructure  <0>",
                  "MainWindowPaint  PaintStructure  <0>",
                  "ApplicationInstance  dd ?",
                  "ApplicationCaptionA  db " + FormName + "Caption_",
                  "ApplicationClassNameA  db 'Quorlen',0",
                  "MainWndHandle  dd ?"};

    int Counter = 0;
    for (const THarvestedComponent& C : Components) {
        if (C.Lines.empty() || !IsSupported(C.ClassName)) continue;
        const std::string& N = C.Name;
        std::string Word;
        for (char Ch : AnsiUpperCase(std::string_view(C.ClassName).substr(1)))
            if (Ch != ' ') Word += Ch;
        std::string Style = "0";
        // Check boxes and radio buttons are buttons to Windows, of the
        // styles that check themselves when clicked.
        std::string WindowClass = Word;
        const bool Checkable = Word == "CHECKBOX" || Word == "RADIOBUTTON";
        if (Checkable) {
            WindowClass = "BUTTON";
            Style = Word == "CHECKBOX" ? "3" : "9";
        }
        if (Word == "BUTTON" || Word == "LABEL") Out.AppVar.push_back(N + "Ctl3D EQU 0");
        std::string Caption = N + "Caption_";
        if (Word == "COMBOBOX" || Word == "EDIT") Caption = N + "Text_";
        if (Word == "LISTBOX" || Word == "SCROLLBAR") Caption = "\"\",0";
        if (Word == "LABEL") Word = WindowClass = "STATIC";
        if (Word == "PANEL") {
            Word = WindowClass = "STATIC";
            Style = "18";
        }
        Append(Out.AppVar, {N + "Structure  WindowStructure  <0>", N + "FontStructure FontStructure  <0>",
                            N + "Caption db " + Caption, N + "ClassName db \"" + WindowClass + "\",0",
                            N + "Handle  dd ?"});
        Append(Out.WmCreate, {Word + "_" + N + "_Init", "CreateWndExA " + N + "Structure " + N + "Handle",
                              "SetFontA " + N + "FontStructure  " + N + "Handle"});
        if (Checkable &&
            std::find(C.Lines.begin(), C.Lines.end(), HarvestLine("Checked", "True", C.ClassName, N)) != C.Lines.end())
            Out.WmCreate.push_back("SetCheckA " + N + "Handle");
        const std::string Q = "mov [" + N + "Structure.";
        Append(Macros, {"", Word + "_" + N + "_Init   Macro", Q + "WndCreateParams],0", "mov eax,[ApplicationInstance]",
                        Q + "WndInstance],eax", Q + "WndMenu]," + std::to_string(Counter), "mov eax,[HandleWnd]",
                        Q + "HandleParentWindow],eax", Q + "WndHeight]," + N + "Height",
                        Q + "WndWidth]," + N + "Width", Q + "WndTop]," + N + "Top", Q + "WndLeft]," + N + "Left",
                        Q + "WndPointerCaption],offset " + N + "Caption",
                        Q + "WndPointerClassName],offset " + N + "ClassName",
                        Q + "WndStyle], WS_CHILD OR " + Style + " " + N + "Visible",
                        Q + "WndExtendedStyle]," + N + "Ctl3D", "EndM"});
        ++Counter;
    }
    Out.AppVar.push_back(FormName + "StandardControls  dd " + std::to_string(Counter));

    std::vector<std::string>& D = Out.Def;
    Append(D, {";***** Start of components section *****", ";"});
    for (const THarvestedComponent& C : Components) {
        D.push_back(";***** Start of component properties *****");
        D.insert(D.end(), C.Lines.begin(), C.Lines.end());
        Append(D, {";***** End of component properties *****", ";"});
    }
    Append(D, {";***** End of components section *****", ";", ";***** Define structures used by application *****",
               ";", "LoadApplicationCursorA  Macro value", "Push " + FormName + "Cursor", "Push 00000000h",
               "Call LoadCursorA", "mov [value],eax", "EndM", ";***** Main Window Class/Structure *****", ";",
               "InitApplicationClassA   Macro", "mov [MainWindowClassA.ClassStyle],DefaultStyle",
               "mov [MainWindowClassA.ClassPointerWndProc],offset MainWindowProc",
               "mov [MainWindowClassA.ClassDataExtended],0", "mov eax,[ApplicationInstance]",
               "mov [MainWindowClassA.ClassHandleInstance],eax",
               "mov [MainWindowClassA.ClassHandleBrushBackground]," + FormName + "Color",
               "mov dword ptr [MainWindowClassA.ClassPointerMenuName],0",
               "mov [MainWindowClassA.ClassPointerClassName],offset ApplicationClassNameA",
               "LoadApplicationIconA MainWindowClassA.ClassHandleIcon",
               "LoadApplicationCursorA MainWindowClassA.ClassHandleCursor", "EndM", "", "InitMainWindowA   Macro",
               "mov [MainWindowStructure.WndCreateParams],0", "mov eax,[ApplicationInstance]",
               "mov [MainWindowStructure.WndInstance],eax", "mov [MainWindowStructure.WndMenu],0",
               "mov [MainWindowStructure.HandleParentWindow],0",
               "mov [MainWindowStructure.WndHeight]," + FormName + "Height",
               "mov [MainWindowStructure.WndWidth]," + FormName + "Width",
               "mov [MainWindowStructure.WndTop]," + FormName + "Top",
               "mov [MainWindowStructure.WndLeft]," + FormName + "Left",
               "mov [MainWindowStructure.WndStyle]," + WindowStylePrefix(BorderStyle) + FormName + "BorderIcons",
               "mov [MainWindowStructure.WndPointerCaption],offset ApplicationCaptionA",
               "mov [MainWindowStructure.WndPointerClassName],offset ApplicationClassNameA",
               "mov [MainWindowStructure.WndExtendedStyle]," + FormName + "Ctl3D", "EndM"});
    D.insert(D.end(), Macros.begin(), Macros.end());
    return Out;
}

void SaveGeneratedSource(const TGeneratedSource& Source, const std::string& ProjectFolder,
                         const std::string& FormBasePath) {
    auto Save = [](const std::vector<std::string>& Lines, const std::string& Path) {
        TStringList L;
        for (const std::string& Line : Lines) L.Add(Line);
        L.SaveToFile(Path);
    };
    const std::string Folder = IncludeTrailingPathDelimiter(ProjectFolder);
    Save(Source.AppVar, Folder + "appvar.inc");
    Save(Source.Def, FormBasePath + ".def");
    Save(Source.WmCreate, Folder + "wmcreate.inc");
}
