#include "ide/win/ProgressForm.h"

TProgressFrm::TProgressFrm(TComponent* AOwner) : TForm(AOwner) { ReadFormResource("PROGRESSFORM"); }

void TProgressFrm::ButtonClick(TObject*) { Close(); }

void TProgressFrm::FormClose(TObject*, TCloseAction& Action) {
    Action = caFree;
    if (auto* MainWindow = dynamic_cast<TCustomForm*>(Owner())) MainWindow->SetEnabled(true);
}

QRN_PUBLISHED(TProgressFrm) {
    B.Field("Panel1", &TProgressFrm::Panel1);
    B.Field("Project", &TProgressFrm::Project);
    B.Field("CompilingSt", &TProgressFrm::CompilingSt);
    B.Field("LinkingSt", &TProgressFrm::LinkingSt);
    B.Field("Lines", &TProgressFrm::Lines);
    B.Field("Button", &TProgressFrm::Button);
    B.Handler("ButtonClick", &TProgressFrm::ButtonClick);
    B.Handler("FormClose", &TProgressFrm::FormClose);
}
