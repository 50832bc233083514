#pragma once
// The form file a designer run saved, read back into a window of its own:
// what the next run would open.
#include <memory>
#include <string>
#include <vector>

#include "designer/engine/win/LiteDesigner.h"
#include "designer/support/FormFileHeader.h"
#include "designer/support/FormFiler.h"
#include "framework/classes/TypeInfo.h"
#include "framework/forms/Forms.h"
#include "framework/stdctrls/ExtCtrls.h"
#include "framework/stdctrls/ListCtrls.h"
#include "framework/stdctrls/StdCtrls.h"

class TSavedForm {
public:
    explicit TSavedForm(const std::string& File) : FForm(new TForm(nullptr)) {
        for (const TClass* C : {TButton::StaticClass(), TLabel::StaticClass(), TEdit::StaticClass(),
                                TCheckBox::StaticClass(), TRadioButton::StaticClass(), TListBox::StaticClass(),
                                TComboBox::StaticClass(), TMemo::StaticClass(), TScrollBar::StaticClass(),
                                TPanel::StaticClass(), TGroupBox::StaticClass(), TZelLiteDesigner::StaticClass()})
            RegisterClassOnce(C);
        TCompFiler().ReadFormFile(File, FForm.get());
    }
    TForm* Form() const { return FForm.get(); }
    TComponent* Find(const std::string& Name) const { return FForm->FindComponent(Name); }
    // A property as the inspector shows it; "(none)" for a missing component.
    std::string Text(const std::string& Name, const std::string& Prop) const {
        TComponent* C = Name == FForm->Name() ? FForm.get() : Find(Name);
        return C ? GetPropValue(C, Prop) : "(none)";
    }
    // The names of the window's controls in the order they lie in the file.
    std::vector<std::string> ControlOrder() const {
        std::vector<std::string> Names;
        for (int I = 0; I < FForm->ControlCount(); ++I) Names.push_back(FForm->Controls(I)->Name());
        return Names;
    }

private:
    std::unique_ptr<TForm, TObjectFree> FForm;
};
