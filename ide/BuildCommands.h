#pragma once
// Command lines of the external tools: the assembler and linker of a
// project build and of Force Compile, the debugger, and the built program.
// Pure functions: the short (8.3) form of a path comes from the caller
// (GetShortPath in the program, a stand-in in tests).
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "product/ProjectKind.h"
#include "product/Settings.h"

// Returns the short form of a path, or the path unchanged when it has none.
using TShortPathFunc = std::function<std::string(const std::string&)>;

// "command.com /c <assembler> ..." for one project file; Dir ends in a
// backslash. pkWin32Exe uses tasm32.exe from the configured assembler's folder.
std::string AssemblerCommandLine(const TToolSettings& S, ProjectKind Kind, std::string_view Dir,
                                 std::string_view FileName, bool DebugBuild, const TShortPathFunc& ShortPath);

// The linker over every project file's object (base names joined by "+").
// pkWin32Exe uses tlink32.exe from the configured linker's folder.
std::string LinkerCommandLine(const TToolSettings& S, ProjectKind Kind, const std::vector<std::string>& Files,
                              bool DebugBuild, const TShortPathFunc& ShortPath);

// Force Compile of one file (its full name as the code window shows it),
// with the switches typed into the Force Compile dialog.
std::string ForceAssemblerCommandLine(const TToolSettings& S, std::string_view Switches,
                                      std::string_view FileName, const TShortPathFunc& ShortPath);
std::string ForceLinkerCommandLine(const TToolSettings& S, std::string_view Switches,
                                   std::string_view FileName, const TShortPathFunc& ShortPath);

// The program a build of the project produces, Dir + "\" + the first file's
// name with ".com" (pkDosCom) or ".exe" in place of its extension. No target
// for a DLL project (pkWin32Dll) or a project without files.
std::optional<std::string> RunTargetPath(ProjectKind Kind, std::string_view Dir, const std::vector<std::string>& Files);

// The built program's command line: its path in double quotes, so a folder
// with blanks still names one program.
std::string RunCommandLine(std::string_view TargetPath);

// The debugger started on the run target's short form; pkWin32Exe uses td32.exe
// from the configured debugger's folder. A target whose short form still
// holds blanks is quoted.
std::string DebuggerCommandLine(const TToolSettings& S, ProjectKind Kind, std::string_view TargetPath,
                                const TShortPathFunc& ShortPath);

// What Force Compile works on. A code window opened as a project file shows
// only its bare name; that name lives in the project folder, so the folder
// and full path come from FallbackDir (the project's Dir, ending in a
// backslash) then. Folder ends in a backslash.
struct TForceCompileTarget {
    std::string Folder;
    std::string FullPath;
};
TForceCompileTarget ForceCompileTargetOf(std::string_view WindowFileName, std::string_view FallbackDir);

// The folder part of a path with its trailing separator ("" when none).
std::string FolderPartOf(std::string_view Path);
