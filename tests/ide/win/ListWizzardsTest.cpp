#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "controls/UtilProcs.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/StringList.h"
#include "framework/rtl/win/WinApi.h"
#include "ide/win/WizardHost.h"

TEST(ListWizzards, ListsTheDllNamesInSearchOrder) {
    // The folder may hold real plug-ins built beside the tests: leave them.
    const std::string Folder = GetExeDir() + "wizzards\\";
    const bool Existed = std::filesystem::exists(Folder);
    std::filesystem::create_directory(Folder);
    const std::vector<std::string> Ours = {"qrn-zeta.dll", "qrn-Alpha.DLL", "qrn-beta.dll",
                                           "qrn-notes.txt", "qrn-gamma.dllx"};
    for (const std::string& Name : Ours) std::ofstream(Folder + Name) << "x";
    std::filesystem::create_directory(Folder + "qrn-sub.dll");

    // Every .dll file in the order the directory search gives, whatever it is.
    std::vector<std::string> Expected;
    WIN32_FIND_DATAA Data;
    HANDLE Find = FindFirstFileA((Folder + "*").c_str(), &Data);
    ASSERT_NE(Find, INVALID_HANDLE_VALUE);
    do {
        const std::string Name = Data.cFileName;
        if (SameText(ExtractFileExt(Name), ".dll") && !(Data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            Expected.push_back(Name);
        }
    } while (FindNextFileA(Find, &Data));
    FindClose(Find);

    const std::unique_ptr<TStringList> List = ListWizzards();

    std::error_code Ignored;
    for (const std::string& Name : Ours) std::filesystem::remove(Folder + Name, Ignored);
    std::filesystem::remove(Folder + "qrn-sub.dll", Ignored);
    if (!Existed) std::filesystem::remove(Folder, Ignored);

    std::vector<std::string> Got;
    for (int I = 0; I < List->Count(); ++I) Got.push_back((*List)[I]);
    EXPECT_EQ(Got, Expected);
    for (const char* Name : {"qrn-zeta.dll", "qrn-Alpha.DLL", "qrn-beta.dll"}) {
        EXPECT_NE(std::find(Got.begin(), Got.end(), Name), Got.end()) << Name;
    }
    for (const char* Name : {"qrn-notes.txt", "qrn-gamma.dllx"}) {
        EXPECT_EQ(std::find(Got.begin(), Got.end(), Name), Got.end()) << Name;
    }
}
