#include "designer/support/win/DesignPopupMenu.h"

#include "designer/support/FormFileHeader.h"
#include "designer/support/win/PropertyVerbs.h"
#include "framework/classes/Filer.h"
#include "framework/controls/Controls.h"
#include "framework/menus/Menus.h"
#include "framework/rtl/Streams.h"

namespace {
constexpr int EditorVerbTag = 1000;
constexpr int PropertyVerbTag = 2000;

// The one click target of every verb item: the component editor of the
// menu built last.
TComponentEditor* GVerbEditor = nullptr;

void VerbClick(TObject* Sender) {
    auto* Item = dynamic_cast<TMenuItem*>(Sender);
    if (!Item || !GVerbEditor) return;
    const int Tag = Item->Tag();
    if (Tag >= PropertyVerbTag) {
        TActionEditor(GVerbEditor->Component(), GVerbEditor->Designer()).ExecuteVerb(Tag - PropertyVerbTag);
    } else if (Tag >= EditorVerbTag) {
        GVerbEditor->ExecuteVerb(Tag - EditorVerbTag);
    }
}

void InsertVerbs(TPopupMenu* Menu, int& At, TComponentEditor& Editor, int BaseTag) {
    const int Count = Editor.GetVerbCount();
    for (int I = 0; I < Count; ++I) {
        auto* Item = new TMenuItem(Menu);
        Item->SetCaption(Editor.GetVerb(I));
        Item->SetTag(BaseTag + I);
        Item->OnClick = &VerbClick;
        Menu->Items()->Insert(At++, Item);
    }
}

void FreeItem(TMenuItem* Root, int Index) {
    TMenuItem* Item = Root->Items(Index);
    Root->Delete(Index);
    Item->Free();
}

void GiveOwner(TMenuItem* Parent, TComponent* Owner) {
    for (int I = 0; I < Parent->Count(); ++I) {
        Owner->InsertComponent(Parent->Items(I));
        GiveOwner(Parent->Items(I), Owner);
    }
}

void CleanSeparators(TMenuItem* Root) {
    while (Root->Count() > 0 && Root->Items(0)->IsLine()) FreeItem(Root, 0);
    while (Root->Count() > 0 && Root->Items(Root->Count() - 1)->IsLine()) FreeItem(Root, Root->Count() - 1);
    for (int I = Root->Count() - 2; I >= 0; --I)
        if (Root->Items(I)->IsLine() && Root->Items(I + 1)->IsLine()) FreeItem(Root, I);
}
}  // namespace

void CopyMenuThroughStream(TPopupMenu* DefaultMenu, TPopupMenu* Menu) {
    Menu->Items()->Clear();
    RegisterClassOnce(TMenuItem::StaticClass());  // the copies are made by class name
    TComponent* Owner = DefaultMenu->Owner();
    TMemoryStream Stream;
    {
        TWriter Writer(&Stream);
        Writer.SetRoot(Owner);
        Writer.WriteComponent(DefaultMenu);
    }
    Stream.SetPosition(0);
    {
        // Read without an owner: the reader would take an owned component of
        // the same name (the original item) instead of making a copy. The
        // copies join the owner once they are unnamed.
        TReader Reader(&Stream);
        Reader.SetRoot(Owner);
        Reader.OnSetName = [](TReader*, TComponent*, std::string& Name) { Name.clear(); };
        // Handlers the owner does not publish keep their names only; the
        // top items get their handlers below.
        Reader.OnFindMethod = [](TReader*, const std::string&, TMethod&, bool& Error) { Error = false; };
        Reader.ReadComponent(Menu);
    }
    if (Owner) GiveOwner(Menu->Items(), Owner);
    TMenuItem* Source = DefaultMenu->Items();
    TMenuItem* Copy = Menu->Items();
    for (int I = 0; I < Copy->Count() && I < Source->Count(); ++I) Copy->Items(I)->OnClick = Source->Items(I)->OnClick;
}

void BuildDesignPopupMenu(TPopupMenu* DefaultMenu, TPopupMenu* Menu, TComponentEditor* ComponentEditor) {
    CopyMenuThroughStream(DefaultMenu, Menu);
    Menu->OnPopup = nullptr;
    GVerbEditor = ComponentEditor;
    if (ComponentEditor) {
        int At = 0;
        InsertVerbs(Menu, At, *ComponentEditor, EditorVerbTag);
        TActionEditor PropertyVerbs(ComponentEditor->Component(), ComponentEditor->Designer());
        InsertVerbs(Menu, At, PropertyVerbs, PropertyVerbTag);
        if (At > 0) {
            auto* Line = new TMenuItem(Menu);
            Line->SetCaption("-");
            Menu->Items()->Insert(At, Line);
        }
    }
    CleanSeparators(Menu->Items());
}

TPopupMenu* FindControlPopupMenu(TControl* Control) {
    for (TControl* C = Control; C; C = C->Parent())
        if (C->PopupMenu()) return C->PopupMenu();
    return nullptr;
}

void FreeDesignPopupTarget() { GVerbEditor = nullptr; }
