#include "prefs/win/PrefsForm.h"

#include "framework/classes/ClassRegistry.h"
#include "prefs/win/PrefsFolderBrowse.h"

QRN_PUBLISHED(TPrefsForm) {
    B.Field("Pages", &TPrefsForm::Pages);
    B.Field("TasmPathEdit", &TPrefsForm::TasmPathEdit);
    B.Field("TLinkPathEdit", &TPrefsForm::TLinkPathEdit);
    B.Field("TdPathEdit", &TPrefsForm::TdPathEdit);
    B.Field("IncludesEdit", &TPrefsForm::IncludesEdit);
    B.Field("ObjectsEdit", &TPrefsForm::ObjectsEdit);
    B.Field("LibraryEdit", &TPrefsForm::LibraryEdit);
    B.Field("IncludesBrowse", &TPrefsForm::IncludesBrowse);
    B.Field("ObjectsBrowse", &TPrefsForm::ObjectsBrowse);
    B.Field("LibraryBrowse", &TPrefsForm::LibraryBrowse);
    B.Field("TasmParamsEdit", &TPrefsForm::TasmParamsEdit);
    B.Field("TLinkParamsEdit", &TPrefsForm::TLinkParamsEdit);
    B.Field("CleanFilesCheck", &TPrefsForm::CleanFilesCheck);
    B.Field("ToolsMemo", &TPrefsForm::ToolsMemo);
    B.Field("TemplatesMemo", &TPrefsForm::TemplatesMemo);
    B.Field("OkButton", &TPrefsForm::OkButton);
    B.Field("CancelButton", &TPrefsForm::CancelButton);
    B.Handler("IncludesBrowseClick", &TPrefsForm::IncludesBrowseClick);
    B.Handler("ObjectsBrowseClick", &TPrefsForm::ObjectsBrowseClick);
    B.Handler("LibraryBrowseClick", &TPrefsForm::LibraryBrowseClick);
}

TPrefsForm::TPrefsForm(TComponent* AOwner) : TForm(AOwner) {
    // The classes the form file names; registering twice is harmless.
    RegisterClasses({TPageControl::StaticClass(), TTabSheet::StaticClass(), TLabel::StaticClass(),
                     TEdit::StaticClass(), TMemo::StaticClass(), TButton::StaticClass(), TCheckBox::StaticClass()});
    ReadFormResource("PREFSFORM");
}

void TPrefsForm::SetValues(const TPrefsValues& V) {
    TasmPathEdit->SetText(V.Settings.TasmPath);
    TLinkPathEdit->SetText(V.Settings.TLinkPath);
    TdPathEdit->SetText(V.Settings.TdPath);
    IncludesEdit->SetText(V.Settings.Includes);
    ObjectsEdit->SetText(V.Settings.Objects);
    LibraryEdit->SetText(V.Settings.Library);
    TasmParamsEdit->SetText(V.Settings.TasmParams);
    TLinkParamsEdit->SetText(V.Settings.TLinkParams);
    CleanFilesCheck->SetChecked(V.CleanFiles);
    ToolsMemo->SetText(V.ToolsList);
    TemplatesMemo->SetText(V.Templates);
}

TPrefsValues TPrefsForm::Values() {
    TPrefsValues V;
    V.Settings.TasmPath = TasmPathEdit->Text();
    V.Settings.TLinkPath = TLinkPathEdit->Text();
    V.Settings.TdPath = TdPathEdit->Text();
    V.Settings.Includes = IncludesEdit->Text();
    V.Settings.Objects = ObjectsEdit->Text();
    V.Settings.Library = LibraryEdit->Text();
    V.Settings.TasmParams = TasmParamsEdit->Text();
    V.Settings.TLinkParams = TLinkParamsEdit->Text();
    V.CleanFiles = CleanFilesCheck->Checked();
    V.ToolsList = ToolsMemo->Text();
    V.Templates = TemplatesMemo->Text();
    return V;
}

void TPrefsForm::BrowseInto(TEdit* Edit, const std::string& Title) {
    std::string Folder = Edit->Text();
    if (BrowseForFolder(HandleAllocated() ? Handle() : nullptr, Title, Folder)) Edit->SetText(Folder);
}

void TPrefsForm::IncludesBrowseClick(TObject*) { BrowseInto(IncludesEdit, "Include folder"); }
void TPrefsForm::ObjectsBrowseClick(TObject*) { BrowseInto(ObjectsEdit, "Object folder"); }
void TPrefsForm::LibraryBrowseClick(TObject*) { BrowseInto(LibraryEdit, "Library folder"); }

bool RunPrefsDialog(const std::string& DataDir) {
    const TPrefsValues Loaded = LoadPrefs(DataDir);
    std::unique_ptr<TPrefsForm, TObjectFree> Form(new TPrefsForm(nullptr));
    Form->SetValues(Loaded);
    if (Form->ShowModal() != mrOk) return false;
    SavePrefs(Form->Values(), Loaded, DataDir);
    return true;
}
