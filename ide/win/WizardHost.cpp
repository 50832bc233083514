#include "ide/win/WizardHost.h"

#include "controls/UtilProcs.h"
#include "framework/forms/Forms.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/StringList.h"
#include "framework/rtl/win/WinApi.h"
#include "ide/win/WizardPicker.h"

namespace {

// A plug-in loaded for one call and unloaded when this goes.
class TPluginLibrary {
public:
    explicit TPluginLibrary(const std::string& Path) {
        // A file that is no library must fail quietly, without a system box.
        const UINT OldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
        FModule = LoadLibraryA(Path.c_str());
        SetErrorMode(OldMode);
    }
    ~TPluginLibrary() {
        if (FModule) FreeLibrary(FModule);
    }
    TPluginLibrary(const TPluginLibrary&) = delete;
    TPluginLibrary& operator=(const TPluginLibrary&) = delete;

    template <class TProc>
    TProc Export(const char* Name) const {
        return FModule ? reinterpret_cast<TProc>(reinterpret_cast<void*>(GetProcAddress(FModule, Name))) : nullptr;
    }

private:
    HMODULE FModule = nullptr;
};

std::string CopyText(const char* Text) { return Text ? std::string(Text) : std::string(); }

// Calls a text-returning export with a fresh host buffer and copies the
// result while the library is still loaded.
std::string CallTextExport(const std::string& LibraryPath, const char* Name) {
    TPluginLibrary Library(LibraryPath);
    const auto Proc = Library.Export<TWizzardNameProc>(Name);
    if (!Proc) return std::string();
    std::vector<char> Buffer(WizzardBufferSize, '\0');
    return CopyText(Proc(Buffer.data()));
}

}  // namespace

std::string GetWizzardName(const std::string& LibraryPath) {
    try {
        return CallTextExport(LibraryPath, "WizzardName");
    } catch (...) {
        return std::string();
    }
}

uint16_t GetWizzardVersion(const std::string& LibraryPath) {
    try {
        TPluginLibrary Library(LibraryPath);
        const auto Proc = Library.Export<TWizzardVersionProc>("WizzardVersion");
        return Proc ? Proc() : 0;
    } catch (...) {
        return 0;
    }
}

std::string RunWizzard(const std::string& LibraryPath) {
    try {
        return CallTextExport(LibraryPath, "ExecuteWizzard");
    } catch (...) {
        Application->HandleException(nullptr);
        return std::string();
    }
}

std::vector<TWizzardEntry> CollectWizzards(const std::string& Folder, const TStrings& FileNames) {
    std::vector<TWizzardEntry> Entries;
    for (int I = 0; I < FileNames.Count(); ++I) {
        TWizzardEntry Entry;
        Entry.FileName = FileNames[I];
        Entry.Name = GetWizzardName(Folder + Entry.FileName);
        if (Entry.Name.empty()) continue;
        Entry.Version = GetWizzardVersion(Folder + Entry.FileName);
        Entries.push_back(std::move(Entry));
    }
    return Entries;
}

std::string WizzardFolder() { return GetExeDir() + "wizzards\\"; }

std::unique_ptr<TStringList> ListWizzards() {
    auto Result = std::make_unique<TStringList>();
    TSearchRec Found;
    if (FindFirst(WizzardFolder() + "*.dll", faAnyFile, Found) == 0) {
        do {
            // A search for "*.dll" also matches longer extensions through
            // their short names; and a folder is no plug-in.
            if ((Found.Attr & faDirectory) == 0 && SameText(ExtractFileExt(Found.Name), ".dll")) {
                Result->Add(Found.Name);
            }
        } while (FindNext(Found) == 0);
    }
    FindClose(Found);
    return Result;
}

void NewProjectFromWizzard(TComponent* Owner, const std::string& Folder, const TStrings& FileNames,
                           const std::function<void()>& CloseProject,
                           const std::function<void(const std::string&)>& OpenProject) {
    const std::vector<TWizzardEntry> Entries = CollectWizzards(Folder, FileNames);
    const int Chosen = PickWizzard(Owner, Entries);
    if (Chosen < 0) return;
    CloseProject();
    // By index: the entry keeps its library's file name.
    const std::string ProjectFile = RunWizzard(Folder + Entries[static_cast<size_t>(Chosen)].FileName);
    if (!ProjectFile.empty()) OpenProject(ProjectFile);
}
