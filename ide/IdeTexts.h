#pragma once
// Fixed texts of the project, build, run and force-compile commands, kept
// in one place so the windows that show them and the tests that expect
// them agree.
#include <string>
#include <string_view>

namespace IdeTexts {

// Project files and windows.
inline constexpr std::string_view ProjectHasNoFiles = "This project has no files !";
inline constexpr std::string_view SaveProjectQuestion = "Do you want to save this project ?";
inline constexpr std::string_view ProjectWithoutPath = "Fatal : Project doesnt have an associated path !";
inline constexpr std::string_view EmptyFileName = "File name cannot be empty !";
inline constexpr std::string_view FileExistsOverwrite =
    "File allready exists in the current project path.Ignore and overwrite ?";
inline constexpr std::string_view NewFileTitle = "Enter the new file name";
inline constexpr std::string_view NewFilePrompt = "Name :";
inline constexpr std::string_view ProjectFilter = "Quorlen Project|*.qrn";
inline constexpr std::string_view OpenFilter =
    "Quorlen Project|*.qrn|Assembler Files|*.asm|Include Files|*.inc|Macro Files|*.mac";
inline constexpr std::string_view AddFileFilter = "Assembler Files|*.asm|Include Files|*.inc|Macro Files|*.mac";
inline constexpr std::string_view OpenDialogTitle = "Open File ....";
inline constexpr std::string_view NoProjectCaption = "Project Manager - No Project";

inline std::string ProjectFileVanished(std::string_view Name) {
    return "It seems that " + std::string(Name) + " has been somehow erased while i was working with it :(";
}
inline std::string LooseFileVanished(std::string_view Path) {
    return "It seems that " + std::string(Path) + " has been somehow erased while i was trying to open it :(";
}
// A project file that cannot be used names itself, and the line at fault.
inline std::string ProjectFileEmpty(std::string_view Path) {
    return "The project file " + std::string(Path) + " is empty !";
}
inline std::string ProjectFileErrorAt(std::string_view Path, int Line, std::string_view Error) {
    return "Error in the project file " + std::string(Path) + ", line " + std::to_string(Line) + " : " +
           std::string(Error);
}
inline std::string ProjectManagerCaption(std::string_view Name, std::string_view Cpu) {
    return "Project Manager - " + std::string(Name) + " (" + std::string(Cpu) + ")";
}

// Build, run and debug.
inline constexpr std::string_view TasmPathMissing = "TASM Path not defined. Please define it (CTRL+SHIFT+F11)";
inline constexpr std::string_view TLinkPathMissing = "TLINK Path not defined. Please define it (CTRL+SHIFT+F11)";
inline constexpr std::string_view TdPathMissing =
    "Turbo Debugger Path not defined. Please define it (CTRL+SHIFT+F11)";
inline constexpr std::string_view ProjectNotBuilt = "Project not built !";
inline constexpr std::string_view CannotRunDll = "Cannot execute a DLL file !";
inline constexpr std::string_view Success = "Success.";
inline constexpr std::string_view Cleaning = "Cleaning redudant files ...";
inline constexpr std::string_view DoneCleaning = "Done cleaning.";
inline constexpr std::string_view LinkingBanner = "****** LINKING OBJECTS ******";
inline constexpr std::string_view ForceCompileProjectName = "NONE";
// A Force Compile needs the file's folder: it assembles and cleans there.
inline std::string ForceCompileWithoutFolder(std::string_view FileName) {
    return "Cannot force compile " + std::string(FileName) + " : its folder is unknown !";
}

// The assembler is started through a command interpreter.
inline std::string NoCommandInterpreter(std::string_view CommandCom, std::string_view Shell) {
    return "Cannot start the assembler: neither " + std::string(CommandCom) + " nor " + std::string(Shell) +
           " was found.";
}

// Progress form.
inline constexpr std::string_view ProgressCaption = "Compiling ...";
inline constexpr std::string_view CompilingDone = "   Compiling : Done.";
inline constexpr std::string_view CompilingGotErrors = "   Compiling : Got errors.Check output";
inline constexpr std::string_view CompilingNotStarted = "   Compiling : Error running assembler.";
inline constexpr std::string_view LinkingDone = "   Linking : Done";
inline constexpr std::string_view LinkingGotErrors = "   Linking : Got errors.Check output";
inline constexpr std::string_view LinkingNotStarted = "   Linking : Error running linker.";
inline constexpr std::string_view LinkingNotSelected = "   Linking : Not selected";
inline constexpr std::string_view ForceCompileKindLine = "   Project Type : Unknown";

inline std::string ProgressProject(std::string_view Name) { return "   Project : " + std::string(Name); }
inline std::string ProgressCompiling(std::string_view File) { return "   Compiling : " + std::string(File); }
inline std::string ProgressLinking(std::string_view Name) { return "   Linking : " + std::string(Name); }
inline std::string ProgressKind(std::string_view KindName) { return "   Project Type : " + std::string(KindName); }
inline std::string CompilingMessage(std::string_view File) { return "Compiling " + std::string(File) + " ..."; }
inline std::string LinkingMessage(std::string_view Name) { return "Linking " + std::string(Name) + " ..."; }
inline std::string ExecutingMessage(std::string_view CommandLine) { return "Executing " + std::string(CommandLine); }

}  // namespace IdeTexts
