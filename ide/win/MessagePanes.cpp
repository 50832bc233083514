#include "ide/win/MessagePanes.h"

#include "framework/forms/Forms.h"
#include "framework/rtl/Exceptions.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/win/WinApi.h"

namespace {

void AppendAndSelect(TListBox* List, const std::string& Text) {
    try {
        List->Items()->Add(Text);
    } catch (const EOutOfResources&) {
        List->Clear();
        return;
    }
    List->SetItemIndex(List->Items()->Count() - 1);
}

}  // namespace

std::string ResolvedLongPath(const std::string& Path) {
    const std::string Full = ExpandFileName(Path);
    const DWORD Needed = GetLongPathNameA(Full.c_str(), nullptr, 0);
    if (Needed == 0) return Full;
    std::string Long(Needed, '\0');
    const DWORD Len = GetLongPathNameA(Full.c_str(), Long.data(), Needed);
    if (Len == 0 || Len >= Needed) return Full;
    Long.resize(Len);
    return Long;
}

TMessagePanes::TMessagePanes(TListBox* Messages, TListBox* Output, ICodeWindowHost& Host)
    : FMessages(Messages), FOutput(Output), FHost(Host) {
    FMessages->OnDblClick = [this](TObject* Sender) { MessagesDblClick(Sender); };
    FMessages->OnMouseUp = [this](TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
        MessagesMouseUp(Sender, Button, Shift, X, Y);
    };
    FOutput->OnMouseDown = [this](TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
        OutputMouseDown(Sender, Button, Shift, X, Y);
    };
    FOutput->OnClick = [this](TObject* Sender) { OutputClick(Sender); };
    FOutput->OnMouseUp = [this](TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
        OutputMouseUp(Sender, Button, Shift, X, Y);
    };
}

void TMessagePanes::AddMessage(const std::string& Text) { AppendAndSelect(FMessages, Text); }

void TMessagePanes::AddOutput(const std::string& Line) { AppendAndSelect(FOutput, Line); }

void TMessagePanes::MessagesDblClick(TObject*) {
    const int Index = FMessages->ItemIndex();
    if (Index < 0) return;
    try {
        JumpToMessage(FMessages->Items()->Strings(Index), FHost, ResolvedLongPath);
    } catch (const EConvertError& E) {
        Application->ShowException(E);
    }
}

void TMessagePanes::MessagesMouseUp(TObject*, TMouseButton Button, TShiftState, int, int) {
    if (Button == mbRight) FMessages->Clear();
}

void TMessagePanes::OutputMouseDown(TObject*, TMouseButton, TShiftState, int, int) { FOutput->SetHint(""); }

void TMessagePanes::OutputClick(TObject*) {
    const int Index = FOutput->ItemIndex();
    if (Index >= 0) FOutput->SetHint(FOutput->Items()->Strings(Index));
}

void TMessagePanes::OutputMouseUp(TObject*, TMouseButton Button, TShiftState, int, int) {
    if (Button == mbRight)
        FOutput->Clear();
    else
        FHost.FocusActiveCodeWindow();
}
