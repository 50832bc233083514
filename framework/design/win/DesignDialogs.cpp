// The dialogs and lists the property editors use on Windows.
#include <set>

#include "framework/design/DesignDialogs.h"
#include "framework/controls/TaskModal.h"
#include "framework/design/PropEdits.h"
#include "framework/dialogs/Dialogs.h"
#include "framework/forms/Forms.h"
#include "framework/graphics/ScreenDC.h"

namespace {

bool ChooseColour(int32_t& Color) {
    static COLORREF Custom[16] = {};
    CHOOSECOLORA CC{};
    CC.lStructSize = sizeof(CC);
    CC.hwndOwner = Application ? Application->Handle() : nullptr;
    CC.rgbResult = static_cast<COLORREF>(ColorToRGB(Color));
    CC.lpCustColors = Custom;
    CC.Flags = CC_RGBINIT | CC_FULLOPEN;
    const TTaskWindowsDisabled Modal;
    if (!ChooseColorA(&CC)) return false;
    Color = static_cast<int32_t>(CC.rgbResult);
    return true;
}

bool ChooseFont(TPersistent* Font) {
    auto* F = dynamic_cast<TFont*>(Font);
    if (!F) return false;
    TFontDialog Dialog(nullptr);
    Dialog.SetFont(F);
    if (!Dialog.Execute()) return false;
    F->Assign(Dialog.Font());
    return true;
}

int CALLBACK AddFontName(const LOGFONTA* Font, const TEXTMETRICA*, DWORD, LPARAM Data) {
    reinterpret_cast<std::set<std::string>*>(Data)->insert(Font->lfFaceName);
    return 1;
}

void ScreenFontNames(const TGetStrProc& Proc) {
    std::set<std::string> Names;
    HDC DC = ScreenDC();
    LOGFONTA LF{};
    LF.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExA(DC, &LF, AddFontName, reinterpret_cast<LPARAM>(&Names), 0);
    for (const std::string& N : Names)
        if (!N.empty() && N[0] != '@') Proc(N);  // vertical fonts are not offered
}

}  // namespace

void InstallDesignDialogs() {
    EditColorProc = ChooseColour;
    EditFontProc = ChooseFont;
    GetFontNamesProc = ScreenFontNames;
}
