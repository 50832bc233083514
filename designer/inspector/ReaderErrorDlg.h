#pragma once
// The question asked about an error met while reading a form file:
// ignore it, ignore it and the rest of the read's errors, or stop.
#include <string>

#include "framework/forms/Forms.h"
#include "framework/stdctrls/StdCtrls.h"

class TReaderErrorDlg : public TForm {
    QRN_CLASS(TReaderErrorDlg, TForm)
public:
    explicit TReaderErrorDlg(TComponent* AOwner);

    TBevel* Bevel1 = nullptr;
    TLabel* LerrMess = nullptr;
    TButton* IgnoreButton = nullptr;
    TButton* CancelButton = nullptr;
    TButton* IgnoreAllButton = nullptr;
};

// The form filer's error question: 1 ignores, 2 stops, 5 ignores this and
// every later error of the read; anything else changes nothing.
void ReaderErrorCallback(const std::string& Message, bool& Ignore, bool& IgnoreAll);
