#pragma once
// The designer host: the small stay-on-top window "Designer" that the
// library's Execute shows modally. It reads the project's first "addform"
// line, opens that form file in a live designed window driven by the
// designer component, shows the component palette and the object
// inspector as floating tool windows, keeps the selection of the designer,
// the inspectors and the component drop-down in step, and writes the form
// file and the assembly include files when the designed window is closed.
#include <memory>
#include <string>
#include <vector>

#include "designer/engine/win/LiteDesigner.h"
#include "designer/host/CodeGenerator.h"
#include "docking/win/DockingControls.h"
#include "framework/comctrls/ComCtrls.h"
#include "framework/forms/Forms.h"
#include "framework/menus/Menus.h"
#include "framework/stdctrls/ExtCtrls.h"
#include "framework/stdctrls/ListCtrls.h"
#include "framework/stdctrls/StdCtrls.h"

class TObjectInspector;
class TPropertyEditor;

class TForm1 : public TForm {
    QRN_CLASS(TForm1, TForm)
public:
    explicit TForm1(TComponent* AOwner);
    ~TForm1() override;
    void BeforeDestruction() override;

    TQToolbarButton* paintit = nullptr;
    TQToolbarButton* QToolbarButton1 = nullptr;
    TQToolbarButton* QToolbarButton3 = nullptr;
    TQToolbarButton* QToolbarButton4 = nullptr;
    TQToolbarButton* Play_des = nullptr;
    TQToolbarButton* pause_des = nullptr;
    TListBox* ListBox1 = nullptr;
    TQToolWindow* objpanel = nullptr;
    TWinControl* ZelCompPalette1 = nullptr;  // the component palette
    TQToolWindow* objinspector = nullptr;
    TPanel* Panel1 = nullptr;
    TComboBox* ComboBox1 = nullptr;
    TListBox* SelBox = nullptr;
    TPageControl* PageControl2 = nullptr;
    TTabSheet* Properties = nullptr;
    TTabSheet* Events = nullptr;
    TObjectInspector* properties_inspector = nullptr;
    TObjectInspector* events_inspector = nullptr;
    TPopupMenu* CompoPopUp = nullptr;
    TMenuItem* StayOnTop1 = nullptr;
    TMenuItem* Close1 = nullptr;
    TPopupMenu* isnpPopUp = nullptr;
    TMenuItem* StayOnTop2 = nullptr;
    TMenuItem* Hide1 = nullptr;

    // The path handed to Execute.
    std::string ProjectFilePath;

    // ---- handlers bound by name
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void OnCloseDes(TObject* Sender, TCloseAction& Action);
    void paintitClick(TObject* Sender);
    void QToolbarButton4Click(TObject* Sender);
    void Play_desClick(TObject* Sender);
    void pause_desClick(TObject* Sender);
    void StayOnTop1Click(TObject* Sender);
    void Close1Click(TObject* Sender);
    void StayOnTop2Click(TObject* Sender);
    void Hide1Click(TObject* Sender);
    void objinspectorResize(TObject* Sender);
    void ComboBox1Click(TObject* Sender);
    void properties_inspectorActivePropertyChanged(TObject* Sender);
    void properties_inspectorGetCellParams(TObject* Sender, TPropertyEditor* PropEdit, int Column, TFont* Font);

    // ---- the designer component's events
    void ShowProperty(TObject* Sender, TObject* Instance, const std::string& PropName, bool& AllowShow);
    void onafter(TObject* Sender, TComponent* AControl);
    void ondelete(TObject* Sender, TComponent* AControl);
    void onactchanged(TObject* Sender);
    // The bus: a renamed component's entry in the drop-down.
    void ComponentRenamed(TZelMessage& Message);
    void OnCloseForms(TObject* Sender);
    void OnActiv(TObject* Sender);

    void FormDesigner();
    // Hands the box's selected components to both inspectors.
    void SelBoxClick(TObject* Sender);
    void ButtonSetClick(TObject* Sender) { SelBoxClick(Sender); }

    // ---- state, for the generator and tests
    TZelLiteDesigner* DesignerComponent = nullptr;
    TForm* DesignedForm() const { return DesignedForms.size() > 1 ? DesignedForms[1] : nullptr; }
    TListBox* ComponentBox() const;
    const std::vector<std::string>& Titles() const;
    int WindowIndex = 0;
    bool HarvestMode = false;
    bool FormFileExists = false;
    std::string ProjectFolder;
    std::string FormFilePath;
    std::string FormBasePath;

private:
    // Ends the designer run: the modal loop stops with mrCancel. A quit
    // message would end the calling program's application too.
    void EndRun(const std::string& Message);
    void WMEndRun(TMessage& Message);
    void PushSelection(const std::vector<TComponent*>& Components);
    void SelectOnly(int Index);
    // The first box item whose object is the inspector's first selected
    // component, or -1.
    int FirstSelectedIndex() const;
    void AddEntry(TComponent* Component);
    void FillComboFromTitles();
    void FreeDesignedWindow();
    void SetStayOnTop(TQToolWindow* Window, TMenuItem* Item);
    void Harvest(std::vector<THarvestedComponent>& Components);

    // By window number; entry 0 stays empty (windows count from 1).
    std::vector<TForm*> DesignedForms{nullptr};
    std::vector<TListBox*> ComponentBoxes{nullptr};
    std::vector<std::vector<std::string>> ComponentTitles{{}};
    // The harvest: the lines of the component being collected.
    std::vector<std::string>* HarvestTarget = nullptr;
    TComponent* HarvestComponent = nullptr;
};

// The host of the running Execute (one at a time); nullptr outside.
TForm1* DesignerHostInstance();
void SetDesignerHostInstance(TForm1* Host);

// The designer run: starts the library's units, shows the host modally,
// ends the units. Never raises: an error is shown in a message box.
bool ExecuteDesigner(const std::string& ProjectFile);
