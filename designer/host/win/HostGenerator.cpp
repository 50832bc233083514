// The generator of the designer host: when the designed window closes, the
// form file is saved, every component's property rows are collected from
// the properties inspector and the assembly include files are written.
#include "designer/host/win/DesignerHost.h"

#include "designer/inspector/win/ObjectInspector.h"
#include "framework/design/PropEdits.h"

void TForm1::properties_inspectorGetCellParams(TObject*, TPropertyEditor* PropEdit, int Column, TFont*) {
    // Group rows have no editor; only the name column makes a line.
    if (!HarvestMode || Column != 0 || !PropEdit || !HarvestTarget || !HarvestComponent) return;
    HarvestTarget->push_back(
        HarvestLine(PropEdit->GetName(), PropEdit->GetValue(), HarvestComponent->ClassName(), HarvestComponent->Name()));
}

// Each component alone in the inspector, its rows run through the cell
// preparation that painting uses: what the painted rows would give, also
// while the inspector is hidden.
void TForm1::Harvest(std::vector<THarvestedComponent>& Components) {
    TListBox* Box = ComponentBox();
    for (int I = 0; I < Box->Items()->Count(); ++I) {
        SelectOnly(I);
        SelBoxClick(this);
        TComponent* C = properties_inspector->FirstSelected();
        if (!C) continue;
        THarvestedComponent H{C->ClassName(), C->Name(), {}};
        HarvestTarget = &H.Lines;
        HarvestComponent = C;
        HarvestMode = true;
        struct TEnd {
            TForm1* Host;
            ~TEnd() {
                Host->HarvestMode = false;
                Host->HarvestTarget = nullptr;
                Host->HarvestComponent = nullptr;
            }
        } End{this};
        properties_inspector->FormatAllCells();
        Components.push_back(std::move(H));
    }
}

void TForm1::OnCloseForms(TObject*) {
    TForm* W = DesignedForm();
    if (!DesignerComponent || !W || !ComponentBox()) return;
    DesignerComponent->SaveToFile(FormFilePath);
    DesignerComponent->FormDesigner()->ClearSelection();
    objpanel->Hide();
    const bool WasOnTop = objinspector->FloatingMode() == fmOnTopOfAllForms;
    objinspector->SetFloatingMode(fmOnTopOfAllForms);
    try {
        std::vector<THarvestedComponent> Components;
        Harvest(Components);
        const TGeneratedSource Source = GenerateSource(Components, W->Name(), GetPropValue(W, "BorderStyle"));
        SaveGeneratedSource(Source, ProjectFolder, FormBasePath);
    } catch (...) {
        // The host stays as it was, so closing the window again retries.
        objinspector->SetFloatingMode(WasOnTop ? fmOnTopOfAllForms : fmOnTopOfParentForm);
        objpanel->Show();
        throw;
    }
    objinspector->SetFloatingMode(WasOnTop ? fmOnTopOfAllForms : fmOnTopOfParentForm);
    objinspector->Hide();
    DesignerComponent->SetActive(false);
    Close();
}
