#include "designer/host/win/DesignerHost.h"

#include <algorithm>
#include <array>

#include "designer/engine/win/AlignPalette.h"
#include "designer/engine/win/FormDesignerUnit.h"
#include "designer/host/DesignedFormPlace.h"
#include "designer/host/win/HostClasses.h"
#include "designer/inspector/InspectorUnits.h"
#include "designer/inspector/win/ObjectInspector.h"
#include "framework/controls/ModalHook.h"
#include "framework/design/DesignRegistration.h"
#include "framework/rtl/FileUtils.h"

QRN_PUBLISHED(TForm1) {
    using T = TForm1;
    B.Field("paintit", &T::paintit);
    B.Field("QToolbarButton1", &T::QToolbarButton1);
    B.Field("QToolbarButton3", &T::QToolbarButton3);
    B.Field("QToolbarButton4", &T::QToolbarButton4);
    B.Field("Play_des", &T::Play_des);
    B.Field("pause_des", &T::pause_des);
    B.Field("ListBox1", &T::ListBox1);
    B.Field("objpanel", &T::objpanel);
    B.Field("ZelCompPalette1", &T::ZelCompPalette1);
    B.Field("objinspector", &T::objinspector);
    B.Field("Panel1", &T::Panel1);
    B.Field("ComboBox1", &T::ComboBox1);
    B.Field("SelBox", &T::SelBox);
    B.Field("PageControl2", &T::PageControl2);
    B.Field("Properties", &T::Properties);
    B.Field("Events", &T::Events);
    B.Field("properties_inspector", &T::properties_inspector);
    B.Field("events_inspector", &T::events_inspector);
    B.Field("CompoPopUp", &T::CompoPopUp);
    B.Field("StayOnTop1", &T::StayOnTop1);
    B.Field("Close1", &T::Close1);
    B.Field("isnpPopUp", &T::isnpPopUp);
    B.Field("StayOnTop2", &T::StayOnTop2);
    B.Field("Hide1", &T::Hide1);
    B.Handler("FormShow", &T::FormShow);
    B.Handler("FormClose", &T::FormClose);
    B.Handler("OnCloseDes", &T::OnCloseDes);
    B.Handler("paintitClick", &T::paintitClick);
    B.Handler("QToolbarButton4Click", &T::QToolbarButton4Click);
    B.Handler("Play_desClick", &T::Play_desClick);
    B.Handler("pause_desClick", &T::pause_desClick);
    B.Handler("StayOnTop1Click", &T::StayOnTop1Click);
    B.Handler("Close1Click", &T::Close1Click);
    B.Handler("StayOnTop2Click", &T::StayOnTop2Click);
    B.Handler("Hide1Click", &T::Hide1Click);
    B.Handler("objinspectorResize", &T::objinspectorResize);
    B.Handler("ComboBox1Click", &T::ComboBox1Click);
    B.Handler("properties_inspectorActivePropertyChanged", &T::properties_inspectorActivePropertyChanged);
    B.Handler("properties_inspectorGetCellParams", &T::properties_inspectorGetCellParams);
    B.Message(WM_USER + 1, &T::WMEndRun);
    B.Message(ComponentRenamedMessage, &T::ComponentRenamed);
}

namespace {

TForm1* GHost = nullptr;

// Properties the inspector never shows in this designer: they mean nothing
// to the generated assembly source.
constexpr std::array<std::string_view, 46> HiddenNames = {
    "Align",         "Alignment",     "BevelWidth", "BorderWidth", "FullRepaint",    "Locked",       "ParentColor",
    "ParentShowHint", "Items",        "TabStop",    "TabOrder",    "Cancel",         "DragCursor",   "DragMode",
    "ModalResult",   "bsSizeToolWin", "bsToolWindow", "biHelp",    "Font",           "Tag",          "ActiveControl",
    "ClientHeight",  "ClientWidth",   "HelpContext", "HelpFile",   "Hint",           "WindowState",  "HorzScrollBar",
    "Increment",     "Margin",        "Position",   "Range",       "Tracking",       "AutoScroll",   "Icon",
    "KeyPreview",    "Menu",          "ObjectMenuItem", "ParentFont", "PixelsPerInch", "PopupMenu",  "PrintScale",
    "Scaled",        "ShowHint",      "VertScrollBar", "WindowMenu"};

// "TButton" gives "Button1 : Button".
std::string TitleOf(TComponent* C, const std::string& Name) { return Name + " : " + C->ClassName().substr(1); }
std::string TitleOf(TComponent* C) { return TitleOf(C, C->Name()); }

}  // namespace

TForm1* DesignerHostInstance() { return GHost; }
void SetDesignerHostInstance(TForm1* Host) { GHost = Host; }

TForm1::TForm1(TComponent* AOwner) : TForm(AOwner) {
    RegisterHostClasses();
    ReadFormResource("DESIGNERHOST");
    // The kinds each inspector lists (set here: the form reader has no
    // names for type kinds).
    properties_inspector->SetFilter(tkAny - TTypeKinds{tkMethod, tkInterface});
    events_inspector->SetFilter(TTypeKinds{tkUnknown, tkString, tkMethod, tkWChar});
    AddListener(this);
}

TForm1::~TForm1() = default;

void TForm1::BeforeDestruction() {
    RemoveListener(this);
    FreeDesignedWindow();
    TForm::BeforeDestruction();
}

TListBox* TForm1::ComponentBox() const {
    return WindowIndex > 0 && WindowIndex < static_cast<int>(ComponentBoxes.size()) ? ComponentBoxes[WindowIndex]
                                                                                     : nullptr;
}

const std::vector<std::string>& TForm1::Titles() const {
    static const std::vector<std::string> None;
    return WindowIndex > 0 && WindowIndex < static_cast<int>(ComponentTitles.size()) ? ComponentTitles[WindowIndex]
                                                                                       : None;
}

// ---- the run

void TForm1::EndRun(const std::string& Message) {
    ShowMessageBox(Handle(), Message, Caption(), MB_OK);
    PostMessageA(Handle(), WM_USER + 1, 0, 0);
}

void TForm1::WMEndRun(TMessage&) { SetModalResult(mrCancel); }

void TForm1::FormShow(TObject*) {
    if (ProjectFilePath.empty()) {
        EndRun("No project is open: the designer needs a project file.");
        return;
    }
    RegisterComponents("Standard", {TLabel::StaticClass(), TEdit::StaticClass(), TMemo::StaticClass(),
                                    TButton::StaticClass(), TCheckBox::StaticClass(), TRadioButton::StaticClass(),
                                    TListBox::StaticClass(), TComboBox::StaticClass(), TScrollBar::StaticClass(),
                                    TGroupBox::StaticClass(), TRadioGroup::StaticClass(), TPanel::StaticClass(),
                                    TZelLiteDesigner::StaticClass()});
    WindowIndex = 0;
    TStringList Lines;
    Lines.LoadFromFile(ProjectFilePath);
    FormFileExists = false;
    std::vector<std::string> Text;
    for (int I = 0; I < Lines.Count(); ++I) Text.push_back(Lines.Strings(I));
    TDesignedFormPlace Place;
    if (std::string Error = FindDesignedForm(ProjectFilePath, Text, Place); !Error.empty()) {
        EndRun(Error);
        return;
    }
    ProjectFolder = Place.ProjectFolder;
    FormFilePath = Place.FormFilePath;
    FormBasePath = Place.FormBasePath;
    FormFileExists = FileExists(FormFilePath);
    paintit->Click();
}

void TForm1::paintitClick(TObject*) {
    ++WindowIndex;
    Play_des->SetEnabled(true);
    paintit->SetEnabled(false);  // one designed window per run
    FormDesigner();
}

void TForm1::FormDesigner() {
    HarvestMode = false;
    const int N = WindowIndex;
    auto* W = new TForm(nullptr);
    if (static_cast<int>(DesignedForms.size()) <= N) DesignedForms.resize(N + 1, nullptr);
    DesignedForms[N] = W;
    W->SetPosition(poDesigned);
    W->SetWidth(640);
    W->SetHeight(480);
    W->SetCaption("Main Window");
    W->SetName("Window" + std::to_string(N));
    W->SetTag(N);
    DesignerComponent = new TZelLiteDesigner(W);
    DesignerComponent->SetName("Tarn");
    if (!FormFileExists)
        W->SetPosition(poScreenCenter);
    else
        DesignerComponent->LoadFromFile(FormFilePath);
    // The file carries the designer component it was saved with: the live
    // one replaces it. Backwards, so freeing never skips a component.
    for (int I = W->ComponentCount() - 1; I >= 0; --I) {
        TComponent* C = W->Components(I);
        if (C->ClassName() == "TZelLiteDesigner" && C->Name() != "Tarn") C->Free();
    }
    DesignerComponent->SetName("Tarns");
    if (FormFileExists) {
        objinspector->SetLeft(W->Left() - objinspector->Width() - 5);
        objpanel->SetLeft(objinspector->Left());
        objpanel->SetTop(objinspector->Top() + objinspector->Height() + 5);
        SetLeft(objinspector->Left() + objinspector->Width() + 5);
        SetTop(objinspector->Top() + objinspector->Height() - objpanel->Height() + 10);
    }
    W->Show();
    W->BringToFront();

    TZelLiteDesigner& D = *DesignerComponent;
    D.SetGridStepX(8);
    D.SetGridStepY(8);
    D.SetShowInspector(false);
    D.SetShowGrid(true);
    D.SetShowCaptions(true);
    D.SetShowComponents(true);
    D.SetSnapToGrid(true);
    D.SetNeedRecreateWnd(true);
    D.SetStartHotKey(VK_F12);
    D.SetStopHotKey(VK_F12);
    D.SetShowPalette(false);
    D.SetShowAlignPalette(true);
    D.SetStoreChanges(false);
    D.OnAfterInsertComponent = TComponentEvent(this, &TForm1::onafter, "onafter");
    D.OnSelectionChanged = TNotifyEvent(this, &TForm1::onactchanged, "onactchanged");
    D.OnDeleteComponent = TComponentEvent(this, &TForm1::ondelete, "ondelete");
    OnClose = TCloseEvent(this, &TForm1::OnCloseDes, "OnCloseDes");
    D.OnCloseForm = TNotifyEvent(this, &TForm1::OnCloseForms, "OnCloseForms");
    D.OnShowProperty = TPropertyQueryEvent(this, &TForm1::ShowProperty, "ShowProperty");
    // Non-visual components get no icon on the designed window.
    D.SetShowComponents(false);
    D.SetActive(true);

    auto* Box = new TListBox(this);
    Box->SetParent(this);
    Box->SetMultiSelect(true);
    Box->SetVisible(false);
    Box->SetTag(N);
    if (static_cast<int>(ComponentBoxes.size()) <= N) {
        ComponentBoxes.resize(N + 1, nullptr);
        ComponentTitles.resize(N + 1);
    }
    ComponentBoxes[N] = Box;
    ComponentTitles[N].clear();
    ComboBox1->Items()->Clear();
    AddEntry(W);
    for (int I = 0; I < W->ComponentCount(); ++I)
        if (W->Components(I)->ClassName() != "TZelLiteDesigner") AddEntry(W->Components(I));
    for (const std::string& Title : ComponentTitles[N]) ComboBox1->Items()->Add(Title);
    events_inspector->SetStyle(isOstrel);
    properties_inspector->SetStyle(isOstrel);
    if (Box->Items()->Count() > 0) {
        SelectOnly(0);
        ButtonSetClick(this);
    }
    PageControl2->SetActivePage(Properties);
    W->Repaint();
    W->BringToFront();
    objinspector->Show();
    objpanel->Show();
    // Laid out now that the palette has its size on screen.
    RefreshPalette(ZelCompPalette1);
    W->OnActivate = TNotifyEvent(this, &TForm1::OnActiv, "OnActiv");
}

void TForm1::FreeDesignedWindow() {
    if (DesignerComponent) {
        DesignerComponent->SetShowAlignPalette(false);
        DesignerComponent->Free();
        DesignerComponent = nullptr;
    }
    for (TForm*& W : DesignedForms)
        if (W) {
            W->Free();
            W = nullptr;
        }
}

void TForm1::OnCloseDes(TObject*, TCloseAction& Action) {
    FreeDesignedWindow();
    // Hidden, not released: Execute frees the host when the modal loop ends.
    Action = caHide;
    SetModalResult(mrOk);
}

void TForm1::FormClose(TObject*, TCloseAction&) {
    if (!DesignerComponent) return;
    DesignerComponent->SetShowAlignPalette(false);
    DesignerComponent->Free();
    DesignerComponent = nullptr;
}

// ---- the property filter

void TForm1::ShowProperty(TObject*, TObject*, const std::string& PropName, bool& AllowShow) {
    for (std::string_view Name : HiddenNames)
        if (PropName == Name) AllowShow = false;
}

// ---- selection bookkeeping

void TForm1::AddEntry(TComponent* Component) {
    ComponentBox()->Items()->AddObject(Component->ClassName(), Component);
    ComponentTitles[WindowIndex].push_back(TitleOf(Component));
}

void TForm1::SelectOnly(int Index) {
    TListBox* Box = ComponentBox();
    for (int I = 0; I < Box->Items()->Count(); ++I) Box->SetSelected(I, I == Index);
}

void TForm1::PushSelection(const std::vector<TComponent*>& Components) {
    properties_inspector->SetSelection(Components);
    events_inspector->SetSelection(Components);
}

void TForm1::SelBoxClick(TObject*) {
    TListBox* Box = ComponentBox();
    if (!Box) return;
    std::vector<TComponent*> Selected;
    for (int I = 0; I < Box->Items()->Count(); ++I)
        if (Box->Selected(I)) Selected.push_back(static_cast<TComponent*>(Box->Items()->Objects(I)));
    PushSelection(Selected);
}

void TForm1::ComboBox1Click(TObject*) {
    TListBox* Box = ComponentBox();
    if (!Box) return;
    if (Box->ItemIndex() >= 0) Box->SetSelected(Box->ItemIndex(), false);
    if (ComboBox1->ItemIndex() >= 0) Box->SetSelected(ComboBox1->ItemIndex(), true);
    SelBoxClick(this);
}

int TForm1::FirstSelectedIndex() const {
    TListBox* Box = ComponentBox();
    TComponent* First = properties_inspector->FirstSelected();
    for (int I = 0; Box && I < Box->Items()->Count(); ++I)
        if (Box->Items()->Objects(I) == First) return I;
    return -1;
}

void TForm1::properties_inspectorActivePropertyChanged(TObject*) {
    TListBox* Box = ComponentBox();
    if (!Box) return;
    const int K = FirstSelectedIndex();
    if (K != -1 && !Box->Selected(K)) SelectOnly(K);
    Box->SetItemIndex(K);
    ComboBox1->SetItemIndex(K);
}

void TForm1::onactchanged(TObject*) {
    if (!DesignerComponent || !ComponentBox()) return;
    const std::vector<TComponent*>& Selection = DesignerComponent->FormDesigner()->GetSelection();
    if (!Selection.empty()) {
        PushSelection(Selection);
        return;
    }
    TListBox* Box = ComponentBox();
    if (Box->ItemIndex() >= 0) Box->SetSelected(Box->ItemIndex(), false);
    if (Box->Items()->Count() > 0) Box->SetSelected(0, true);
    SelBoxClick(this);
}

void TForm1::onafter(TObject*, TComponent* AControl) {
    TListBox* Box = ComponentBox();
    if (!Box) return;
    AddEntry(AControl);
    ComboBox1->Items()->Add(TitleOf(AControl));
    ComboBox1->SetItemIndex(ComboBox1->Items()->Count() - 1);
    Box->SetItemIndex(Box->Items()->Count() - 1);
}

void TForm1::ondelete(TObject*, TComponent* AControl) {
    TListBox* Box = ComponentBox();
    if (!Box) return;
    for (int I = 0; I < Box->Items()->Count(); ++I)
        if (Box->Items()->Objects(I) == AControl) {
            Box->Items()->Delete(I);
            ComponentTitles[WindowIndex].erase(ComponentTitles[WindowIndex].begin() + I);
            FillComboFromTitles();
            return;
        }
}

// Told before the component takes its new name (LParam).
void TForm1::ComponentRenamed(TZelMessage& Message) {
    TListBox* Box = ComponentBox();
    auto* Renamed = reinterpret_cast<TComponent*>(Message.WParam);
    for (int I = 0; Box && Renamed && I < Box->Items()->Count(); ++I)
        if (Box->Items()->Objects(I) == Renamed) {
            ComponentTitles[WindowIndex][I] = TitleOf(Renamed, reinterpret_cast<const char*>(Message.LParam));
            const int Current = ComboBox1->ItemIndex();
            FillComboFromTitles();
            ComboBox1->SetItemIndex(Current);
            return;
        }
}

void TForm1::FillComboFromTitles() {
    ComboBox1->Items()->Clear();
    for (const std::string& Title : Titles()) ComboBox1->Items()->Add(Title);
}

void TForm1::OnActiv(TObject* Sender) {
    auto* W = dynamic_cast<TForm*>(Sender);
    if (!W) return;
    WindowIndex = W->Tag();
    FillComboFromTitles();
    // The window is active again after each dialog the designer opens:
    // the combo keeps naming what the inspector shows.
    ComboBox1->SetItemIndex(std::max(FirstSelectedIndex(), 0));
    ComboBox1->Repaint();
}

// ---- tool-window commands

void TForm1::QToolbarButton4Click(TObject*) {}

void TForm1::Play_desClick(TObject*) {
    Play_des->SetEnabled(false);
    Play_des->SetVisible(false);
    pause_des->SetEnabled(true);
    pause_des->SetVisible(true);
    if (DesignerComponent) DesignerComponent->SetActive(false);
    objpanel->Hide();
    objinspector->Hide();
}

void TForm1::pause_desClick(TObject*) {
    pause_des->SetEnabled(false);
    pause_des->SetVisible(false);
    Play_des->SetEnabled(true);
    Play_des->SetVisible(true);
    if (DesignerComponent) DesignerComponent->SetActive(true);
    objpanel->Show();
    objinspector->Show();
}

void TForm1::SetStayOnTop(TQToolWindow* Window, TMenuItem* Item) {
    const bool OnTop = Window->FloatingMode() != fmOnTopOfAllForms;
    Item->SetChecked(OnTop);
    Window->SetFloatingMode(OnTop ? fmOnTopOfAllForms : fmOnTopOfParentForm);
}

void TForm1::StayOnTop1Click(TObject*) { SetStayOnTop(objpanel, StayOnTop1); }
void TForm1::StayOnTop2Click(TObject*) { SetStayOnTop(objinspector, StayOnTop2); }
void TForm1::Close1Click(TObject*) { objpanel->Hide(); }
void TForm1::Hide1Click(TObject*) { objinspector->Hide(); }

void TForm1::objinspectorResize(TObject*) {
    if (!ComboBox1 || !Panel1) return;
    ComboBox1->SetHeight(Panel1->ClientHeight());
    ComboBox1->SetWidth(Panel1->ClientWidth());
    ComboBox1->Repaint();
}
