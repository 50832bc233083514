#include "ide/BuildCommands.h"

#include "controls/UtilProcs.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/StrUtils.h"
#include "ide/ProjectFile.h"

namespace {

// Tool paths are lower-cased ASCII only; other characters of a short name
// stay as the system gave them.
std::string LowerShort(const TShortPathFunc& ShortPath, std::string_view Path) {
    return LowerCase(ShortPath(std::string(Path)));
}

// "/L<library> /j<objects> " as far as the folders are set.
std::string LinkerFolders(const TToolSettings& S, const TShortPathFunc& ShortPath) {
    std::string R;
    if (!S.Library.empty()) R += "/L" + LowerShort(ShortPath, S.Library) + " ";
    if (!S.Objects.empty()) R += "/j" + LowerShort(ShortPath, S.Objects) + " ";
    return R;
}

std::string IncludeSwitch(const TToolSettings& S, const TShortPathFunc& ShortPath) {
    if (S.Includes.empty()) return {};
    return " /i" + LowerShort(ShortPath, S.Includes) + " ";
}

}  // namespace

std::string FolderPartOf(std::string_view Path) { return ExtractFilePath(std::string(Path)); }

std::string AssemblerCommandLine(const TToolSettings& S, ProjectKind Kind, std::string_view Dir,
                                 std::string_view FileName, bool DebugBuild, const TShortPathFunc& ShortPath) {
    std::string R = "command.com /c ";
    if (Kind == pkWin32Exe)
        R += FolderPartOf(S.TasmPath) + "tasm32.exe /mx /c ";
    else
        R += S.TasmPath + " /ml ";
    R += IncludeSwitch(S, ShortPath);
    // A file added by its full path (a hot file) is not in the project folder.
    R += LowerShort(ShortPath, ProjectMemberPath(Dir, FileName)) + " ";
    if (DebugBuild) R += " /zi";
    R += S.TasmParams;
    return R;
}

std::string LinkerCommandLine(const TToolSettings& S, ProjectKind Kind, const std::vector<std::string>& Files,
                              bool DebugBuild, const TShortPathFunc& ShortPath) {
    std::string R = Kind == pkWin32Exe ? FolderPartOf(S.TLinkPath) + "tlink32.exe " : S.TLinkPath + " ";
    R += LinkerFolders(S, ShortPath);
    for (size_t I = 0; I < Files.size(); ++I) {
        if (I > 0) R += '+';
        R += ExtractFileBaseName(Files[I]);
    }
    if (Kind == pkWin32Exe) R += " import32.lib -Tpe -aa";
    if (DebugBuild) R += "/v ";
    R += S.TLinkParams;
    return R;
}

std::string ForceAssemblerCommandLine(const TToolSettings& S, std::string_view Switches,
                                      std::string_view FileName, const TShortPathFunc& ShortPath) {
    std::string R = "command.com /c " + S.TasmPath + " /m ";
    R += IncludeSwitch(S, ShortPath);
    R += " " + std::string(Switches) + " ";
    R += ShortPath(std::string(FileName));
    return R;
}

std::string ForceLinkerCommandLine(const TToolSettings& S, std::string_view Switches,
                                   std::string_view FileName, const TShortPathFunc& ShortPath) {
    std::string R = S.TLinkPath + " ";
    R += LinkerFolders(S, ShortPath);
    R += ExtractFileBaseName(std::string(FileName));
    R += " " + std::string(Switches);
    return R;
}

std::optional<std::string> RunTargetPath(ProjectKind Kind, std::string_view Dir, const std::vector<std::string>& Files) {
    if (Kind == pkWin32Dll || Files.empty()) return std::nullopt;
    // The linker names its output after the first object file.
    return std::string(Dir) + "\\" + ChangeFileExt(Files.front(), Kind == pkDosCom ? ".com" : ".exe");
}

std::string RunCommandLine(std::string_view TargetPath) { return "\"" + std::string(TargetPath) + "\""; }

std::string DebuggerCommandLine(const TToolSettings& S, ProjectKind Kind, std::string_view TargetPath,
                                const TShortPathFunc& ShortPath) {
    std::string R = Kind == pkWin32Exe ? FolderPartOf(S.TdPath) + "td32.exe " : S.TdPath;
    std::string Target = ShortPath(std::string(TargetPath));
    if (Target.find(' ') != std::string::npos) Target = "\"" + Target + "\"";
    return R + " " + Target;
}

TForceCompileTarget ForceCompileTargetOf(std::string_view WindowFileName, std::string_view FallbackDir) {
    TForceCompileTarget T;
    T.Folder = FolderPartOf(WindowFileName);
    if (!T.Folder.empty()) {
        T.FullPath = std::string(WindowFileName);
        return T;
    }
    T.Folder = std::string(FallbackDir);
    if (!T.Folder.empty() && T.Folder.back() != '\\') T.Folder += '\\';
    T.FullPath = T.Folder + std::string(WindowFileName);
    return T;
}
