// Files dropped from the shell and hot files dropped on the window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/controls/ModalHook.h"
#include "ide/win/DroppedFiles.h"

namespace {

using Files = std::vector<std::string>;

struct TOpened {
    std::vector<std::string> Projects, Files;
    TDropOpeners Openers() {
        return {[this](const std::string& F) { Projects.push_back(F); },
                [this](const std::string& F) { Files.push_back(F); }};
    }
};

TEST(DroppedFiles, OnlyTheFirstFileOpensWhateverItsLength) {
    const std::string Long = "C:\\" + std::string(400, 'x') + "\\game.qrn";
    TOpened O;
    EXPECT_TRUE(OpenShellDrop(Files({Long, "C:\\other.asm"}), O.Openers()));
    EXPECT_EQ(O.Projects, std::vector<std::string>{Long});
    EXPECT_TRUE(O.Files.empty());
}

TEST(DroppedFiles, ProjectByItsExactExtension) {
    TOpened O;
    OpenShellDrop(Files({"C:\\src\\main.asm"}), O.Openers());
    OpenShellDrop(Files({"C:\\src\\GAME.QRN"}), O.Openers());
    EXPECT_TRUE(O.Projects.empty());
    EXPECT_EQ(O.Files, (std::vector<std::string>{"C:\\src\\main.asm", "C:\\src\\GAME.QRN"}));
    EXPECT_FALSE(OpenShellDrop(Files({}), O.Openers()));
}

TEST(DroppedFiles, HotProjectsAreRefused) {
    std::vector<std::string> Boxes;
    auto Old = SetModalDialogHook([&](const TDialogRequest& R) -> std::optional<int> {
        Boxes.push_back(R.Text);
        return IDOK;
    });
    TOpened O;
    OpenHotFileDrop("C:\\p\\game.qrn", O.Openers(), nullptr);
    OpenHotFileDrop("C:\\p\\macros.inc", O.Openers(), nullptr);
    SetModalDialogHook(Old);
    EXPECT_EQ(Boxes, std::vector<std::string>{"Hot Projects are not alloweded in this version.Sorry :("});
    EXPECT_TRUE(O.Projects.empty());
    EXPECT_EQ(O.Files, std::vector<std::string>{"C:\\p\\macros.inc"});
}

}  // namespace

#include "framework/comctrls/ComCtrls.h"
#include "framework/forms/Forms.h"

namespace {

TEST(DroppedFiles, DraggedHotFileIsTheSelectedItemsPath) {
    auto Form = std::make_unique<TForm>(nullptr);
    auto* Hot = new TListView(Form.get());
    Hot->SetParent(Form.get());
    TListItem* Item = Hot->Items()->Add();
    Item->SetCaption("macros.inc");
    Item->SubItems()->Add("C:\\lib\\macros.inc");
    EXPECT_EQ(DraggedListPath(Hot), "");  // nothing selected
    Hot->SetSelected(Item);
    EXPECT_EQ(DraggedListPath(Hot), "C:\\lib\\macros.inc");
    EXPECT_EQ(DraggedListPath(Form.get()), "");
    EXPECT_EQ(DraggedListPath(nullptr), "");
}

}  // namespace
