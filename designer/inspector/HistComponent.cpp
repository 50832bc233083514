#include "designer/inspector/HistComponent.h"

THistoryOwner* THistoryStringEdit2::Owner() const {
    auto* Component = dynamic_cast<TComponent*>(GetComponent(0));
    return Component ? dynamic_cast<THistoryOwner*>(Component->Owner()) : nullptr;
}

std::string THistoryStringEdit2::GetHistoryKey() {
    THistoryOwner* O = Owner();
    return O && !O->HistoryKey.empty() ? O->HistoryKey : THistoryStringEdit::GetHistoryKey();
}

void THistoryStringEdit2::LoadHistory() {
    if (THistoryOwner* O = Owner(); O && O->OnLoadHistory)
        O->OnLoadHistory(this, GetHistory());
    else
        THistoryStringEdit::LoadHistory();
}

void THistoryStringEdit2::SaveHistory() {
    if (THistoryOwner* O = Owner(); O && O->OnSaveHistory)
        O->OnSaveHistory(this, GetHistory());
    else
        THistoryStringEdit::SaveHistory();
}

QRN_PUBLISHED(THistComponent) { B.Prop("Prop", &THistComponent::Prop, &THistComponent::SetProp); }
