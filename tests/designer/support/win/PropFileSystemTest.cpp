// Component properties opened as files, and the small shared routines.
#include <gtest/gtest.h>

#include "designer/support/win/PropFileSystem.h"
#include "designer/support/win/SharedRoutines.h"
#include "framework/menus/Menus.h"
#include "framework/forms/Forms.h"
#include "framework/rtl/Exceptions.h"
#include "framework/stdctrls/StdCtrls.h"

namespace {
std::string ReadAll(TStream* S) {
    std::string Text(static_cast<size_t>(S->Size()), '\0');
    S->Read(Text.data(), static_cast<int32_t>(Text.size()));
    return Text;
}
void WriteText(TStream* S, const std::string& Text) {
    S->SetSize(0);
    S->Write(Text.data(), static_cast<int32_t>(Text.size()));
}
}  // namespace

TEST(PropFileSystem, StringAndListPropertiesReadAndWriteBackUnlessReadOnly) {
    std::unique_ptr<TForm, TObjectFree> Form(new TForm(nullptr));
    Form->SetName("PropForm");
    auto* Memo = new TMemo(Form.get());
    Memo->SetName("Memo1");
    Memo->Lines()->SetText("one\r\ntwo\r\n");
    auto* Button = new TButton(Form.get());
    Button->SetName("Button1");
    Button->SetCaption("Go");

    std::unique_ptr<TPropFileSystem, TObjectFree> Files(new TPropFileSystem(nullptr));
    Files->SetObjectPath("propform.Memo1");
    Files->SetPropName("Lines");
    EXPECT_EQ(Files->Component(), Memo);
    EXPECT_TRUE(Files->FileExists(""));
    {
        auto S = Files->CreateStream("", 2);
        EXPECT_EQ(ReadAll(S.get()), "one\r\ntwo\r\n");
        WriteText(S.get(), "three\r\n");
    }
    EXPECT_EQ(Memo->Lines()->Text(), "three\r\n");
    {
        auto S = Files->CreateStream("", 0);
        WriteText(S.get(), "ignored");
    }
    EXPECT_EQ(Memo->Lines()->Text(), "three\r\n");

    Files->SetObjectPath("PropForm.Button1");
    Files->SetPropName("Caption");
    {
        auto S = Files->CreateStream("", 1);
        EXPECT_EQ(S->Size(), 0);
        WriteText(S.get(), "Stop");
    }
    EXPECT_EQ(Button->Caption(), "Stop");

    Files->SetPropName("Left");  // holds no text
    EXPECT_FALSE(Files->FileExists(""));
    EXPECT_THROW(Files->CreateStream("", 0), Exception);
    Files->SetObjectPath("PropForm.Nothing");
    try {
        Files->CreateStream("", 0);
        ADD_FAILURE();
    } catch (const Exception& E) {
        EXPECT_STREQ(E.what(), "Component PropForm.Nothing doesn't exist");
    }
}

TEST(SharedRoutines, UsedModulesAreTheRootsOfReferencedComponents) {
    std::unique_ptr<TForm, TObjectFree> Main(new TForm(nullptr));
    std::unique_ptr<TForm, TObjectFree> Other(new TForm(nullptr));
    auto* Menu = new TPopupMenu(Other.get());
    auto* Button = new TButton(Main.get());
    Button->SetPopupMenu(Menu);
    auto* Own = new TPopupMenu(Main.get());
    Main->SetPopupMenu(Own);  // the root itself is not a used module
    std::vector<TComponent*> Used{Button};
    GetUsedModules(Main.get(), Used);
    EXPECT_EQ(Used, (std::vector<TComponent*>{Other.get()}));
    EXPECT_GT(CheckBoxGlyphHeight(), 0);
}
