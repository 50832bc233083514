#include <gtest/gtest.h>

#include "designer/support/win/ActiveNotifiers.h"
#include "designer/support/win/ActiveXSupport.h"
#include "designer/support/win/PathDialog.h"
#include "designer/support/win/Win32FileSystem.h"
#include "framework/controls/ModalHook.h"
#include "framework/rtl/Exceptions.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/StrUtils.h"
#include "tests/common/TestFolder.h"

namespace {
std::string ErrorOf(const std::function<void()>& Do) {
    try {
        Do();
    } catch (const Exception& E) {
        return E.Message;
    }
    return "(no error)";
}
}  // namespace

TEST(ActiveX, RegistrationFailuresNameTheFileAndFreeTheLibrary) {
    EXPECT_EQ(ErrorOf([] { RegisterActiveXServer("no-such-server.ocx"); }), "Failed to load \"no-such-server.ocx\"");
    // A library without the export; it must not stay loaded.
    const char* Plain = "msimg32.dll";
    const bool WasLoaded = GetModuleHandleA(Plain) != nullptr;
    EXPECT_EQ(ErrorOf([&] { RegisterActiveXServer(Plain); }),
              "DllRegisterServer procedure not found in \"msimg32.dll\"");
    if (!WasLoaded) {
        EXPECT_EQ(GetModuleHandleA(Plain), nullptr);
    }

    const std::string Text = "{12345678-1234-1234-1234-123456789ABC}";
    EXPECT_EQ(CLSIDToString(StringToCLSID(Text)), Text);
    EXPECT_EQ(GetTypeLibDescription(StringToCLSID(Text)), "");
    HKEY Key = nullptr;
    const std::string Path = "TypeLib\\" + Text;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, (Path + "\\1.0").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &Key,
                              nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(Key, "", 0, REG_SZ, reinterpret_cast<const BYTE*>("Sample Controls"), 16);
    RegCloseKey(Key);
    EXPECT_EQ(GetTypeLibDescription(StringToCLSID(Text)), "Sample Controls");
    RegDeleteKeyA(HKEY_CLASSES_ROOT, (Path + "\\1.0").c_str());
    RegDeleteKeyA(HKEY_CLASSES_ROOT, Path.c_str());
}

TEST(Win32FileSystem, TemporaryNamesRenameDeleteAndReadOnly) {
    TTestFolder Folder;
    TWin32FileSystem Files(nullptr);
    const std::string Form = Folder / "form.wfm";
    const std::string Temp = Files.GetTempFileName(Form);
    EXPECT_EQ(ExtractFilePath(Temp), ExtractFilePath(Form));
    EXPECT_EQ(UpperCase(ExtractFileName(Temp).substr(0, 3)), "FOR");
    EXPECT_TRUE(Files.FileExists(Temp));
    EXPECT_NE(Files.GetTempFileName(Form), Temp);
    EXPECT_EQ(Files.GetBackupFileName(Form), Folder / "form.~wf");

    Files.CheckRename(Temp, Form);
    EXPECT_TRUE(Files.FileExists(Form));
    EXPECT_EQ(ErrorOf([&] { Files.CheckRename(Temp, Form); }),
              "Can't rename file " + Temp + " to file " + Form);
    EXPECT_FALSE(Files.IsReadOnly(Form));
    SetFileAttributesA(Form.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(Files.IsReadOnly(Form));
    SetFileAttributesA(Form.c_str(), FILE_ATTRIBUTE_NORMAL);
    Files.CheckDelete(Form);
    Files.CheckDelete(Form);  // gone: nothing to do
    EXPECT_FALSE(Files.FileExists(Form));
    EXPECT_EQ(ErrorOf([&] { Files.GetTempFileName(Folder / "missing\\x.wfm"); }),
              "Can't create temporary filename");
}

TEST(PathDialog, SettingsSelectionAndAnswers) {
    TZelPathDialog Dialog(nullptr);
    EXPECT_EQ(Dialog.BrowseFlags(), unsigned(BIF_RETURNONLYFSDIRS));
    Dialog.Flags = {pdfBrowseForComputer, pdfDontGoBelowDomain, pdfReturnOnlyFSDirs};
    EXPECT_EQ(Dialog.BrowseFlags(), 0x1000u + 2u + 1u);
    EXPECT_EQ(Dialog.RootFolder(), 0);
    Dialog.Root = pdrNetwork;
    EXPECT_EQ(Dialog.RootFolder(), 18);
    Dialog.Root = pdrTemplates;
    EXPECT_EQ(Dialog.RootFolder(), 21);
    Dialog.SetSelectedItem("c:\\work\\");
    EXPECT_EQ(Dialog.SelectedItem(), "c:\\work");
    Dialog.SetSelectedItem("");
    EXPECT_EQ(Dialog.SelectedItem(), GetCurrentDir());

    int Asked = 0;
    auto Old = SetModalDialogHook([&](const TDialogRequest& R) -> std::optional<int> {
        if (R.DialogClass != "TZelPathDialog") return std::nullopt;
        ++Asked;
        *R.Value = "WORKSTATION7";  // a computer: a display name without a path
        return R.Caption == "Cancel" ? 0 : 1;
    });
    std::string Name;
    EXPECT_TRUE(BrowseForComputer("Pick a computer", Name, nullptr));
    EXPECT_EQ(Name, "WORKSTATION7");
    Dialog.Title = "Cancel";
    Dialog.SetSelectedItem("c:\\keep");
    EXPECT_FALSE(Dialog.Execute());
    EXPECT_EQ(Dialog.SelectedItem(), "c:\\keep");
    SetModalDialogHook(Old);
    EXPECT_EQ(Asked, 2);
}

TEST(ActiveNotifiers, FocusChangesReachEveryNotifierWhileOneLives) {
    HWND Window = CreateWindowExA(0, "STATIC", "focus", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(Window, nullptr);
    int First = 0, Second = 0;
    {
        TActiveNotifier A(nullptr), B(nullptr);
        A.OnActiveChanged() = [&](TObject* Sender) { First += Sender == &A; };
        B.OnActiveChanged() = [&](TObject*) { ++Second; };
        EXPECT_EQ(ActiveNotifierCount(), 2);
        SendMessageA(Window, WM_SETFOCUS, 0, 0);
    }
    EXPECT_EQ(First, 1);
    EXPECT_EQ(Second, 1);
    EXPECT_EQ(ActiveNotifierCount(), 0);
    SendMessageA(Window, WM_SETFOCUS, 0, 0);  // hook gone: nobody hears
    EXPECT_EQ(First, 1);
    DestroyWindow(Window);
}
