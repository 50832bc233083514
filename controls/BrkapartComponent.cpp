#include "controls/Brkapart.h"
#include "framework/rtl/StringList.h"

QRN_PUBLISHED(TBrkApart) {
    B.Prop("BreakString", &TBrkApart::BreakString, &TBrkApart::SetBreakString);
    B.Prop("BaseString", &TBrkApart::BaseString, &TBrkApart::SetBaseString);
    B.Prop("AllowEmptyString", &TBrkApart::AllowEmptyString, &TBrkApart::SetAllowEmptyString).NoDefault();
    B.Prop("StringList", &TBrkApart::StringList, &TBrkApart::SetStringList);
}

TBrkApart::TBrkApart(TComponent* AOwner) : TComponent(AOwner), FStringList(std::make_unique<TStringList>()) {}

TBrkApart::~TBrkApart() = default;

void TBrkApart::SetStringList(TStringList* Value) {
    if (Value)
        FStringList->Assign(Value);
    else
        FStringList->Clear();
}

void TBrkApart::BreakApart() {
    FStringList->BeginUpdate();
    BreakApartInto(*FStringList, FBaseString, FBreakString, FAllowEmptyString);
    FStringList->EndUpdate();
}

void TBrkApart::BuildString() { FBaseString = BuildStringFromItems(*FStringList, FBreakString, FAllowEmptyString); }
