#include "designer/inspector/ReaderErrorDlg.h"

#include <memory>

#include "designer/inspector/InspectorTexts.h"
#include "designer/support/win/SharedRoutines.h"
#include "framework/rtl/Format.h"

TReaderErrorDlg::TReaderErrorDlg(TComponent* AOwner) : TForm(AOwner) {
    ReadFormResource("READERERRORDLG");
    ApplyMainFormFont(this);
    SetCaption(SErrorReadingForm);
    IgnoreButton->SetCaption(SIgnore);
    CancelButton->SetCaption(SCancel);
    IgnoreAllButton->SetCaption(SIgnoreAll);
}

QRN_PUBLISHED(TReaderErrorDlg) {
    B.Field("Bevel1", &TReaderErrorDlg::Bevel1);
    B.Field("LerrMess", &TReaderErrorDlg::LerrMess);
    B.Field("IgnoreButton", &TReaderErrorDlg::IgnoreButton);
    B.Field("CancelButton", &TReaderErrorDlg::CancelButton);
    B.Field("IgnoreAllButton", &TReaderErrorDlg::IgnoreAllButton);
}

void ReaderErrorCallback(const std::string& Message, bool& Ignore, bool& IgnoreAll) {
    std::unique_ptr<TReaderErrorDlg, TObjectFree> Dialog(new TReaderErrorDlg(Application));
    Dialog->LerrMess->SetCaption(Format(SReaderErrorQuestion, {Message}));
    switch (Dialog->ShowModal()) {
    case 1:
        Ignore = true;
        break;
    case 2:
        Ignore = false;
        break;
    case 5:
        Ignore = true;
        IgnoreAll = true;
        break;
    default:
        break;
    }
}
