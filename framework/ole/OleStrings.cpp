#include "framework/ole/OleStrings.h"

#include "framework/ole/OleErrors.h"
#include "framework/rtl/StringList.h"
#include "framework/rtl/win/WideText.h"

void SetOleStrings(TStrings* Strings, IStrings* Source) {
    long Count = 0;
    if (Source) OleCheck(Source->get_Count(&Count));
    TStringList Lines;
    for (long I = 0; I < Count; ++I) {
        BSTR Text = nullptr;
        OleCheck(Source->get_Item(I, &Text));
        Lines.Add(Narrow(Text));
        SysFreeString(Text);
    }
    Strings->Assign(&Lines);
}

HRESULT GetOleStrings(TStrings* Strings, IStrings** Result) {
    return ComBoundary([&] {
        std::vector<std::wstring> Lines;
        for (int I = 0; I < Strings->Count(); ++I) Lines.push_back(Widen(Strings->Strings(I)));
        *Result = new TOleStringList(std::move(Lines));
        return S_OK;
    }, E_OUTOFMEMORY);
}
