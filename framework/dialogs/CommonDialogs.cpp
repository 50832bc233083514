// The system's common dialogs behind the framework's components.
#include <vector>

#include "framework/controls/TaskModal.h"
#include "framework/dialogs/Dialogs.h"
#include "framework/rtl/win/WinApi.h"

namespace {

constexpr int FindEditId = 0x480;            // the find dialog's text field
constexpr size_t MultiSelectBuffer = 65536;  // folder plus many names

template <class E>
DWORD MapFlags(TSmallSet<E> Set, std::initializer_list<std::pair<E, DWORD>> Map) {
    DWORD Flags = 0;
    for (const auto& [Opt, Flag] : Map)
        if (Set.Contains(Opt)) Flags |= Flag;
    return Flags;
}

const std::initializer_list<std::pair<TOpenOption, DWORD>> OpenFlagMap = {
    {ofReadOnly, OFN_READONLY},
    {ofOverwritePrompt, OFN_OVERWRITEPROMPT},
    {ofHideReadOnly, OFN_HIDEREADONLY},
    {ofNoChangeDir, OFN_NOCHANGEDIR},
    {ofShowHelp, OFN_SHOWHELP},
    {ofNoValidate, OFN_NOVALIDATE},
    {ofAllowMultiSelect, OFN_ALLOWMULTISELECT},
    {ofExtensionDifferent, OFN_EXTENSIONDIFFERENT},
    {ofPathMustExist, OFN_PATHMUSTEXIST},
    {ofFileMustExist, OFN_FILEMUSTEXIST},
    {ofCreatePrompt, OFN_CREATEPROMPT},
    {ofShareAware, OFN_SHAREAWARE},
    {ofNoReadOnlyReturn, OFN_NOREADONLYRETURN},
    {ofNoTestFileCreate, OFN_NOTESTFILECREATE},
    {ofNoNetworkButton, OFN_NONETWORKBUTTON},
    {ofNoLongNames, OFN_NOLONGNAMES},
    {ofNoDereferenceLinks, OFN_NODEREFERENCELINKS},
    {ofEnableIncludeNotify, OFN_ENABLEINCLUDENOTIFY},
    {ofEnableSizing, OFN_ENABLESIZING},
};

const std::initializer_list<std::pair<TFindOption, DWORD>> FindFlagMap = {
    {frDown, FR_DOWN},
    {frMatchCase, FR_MATCHCASE},
    {frWholeWord, FR_WHOLEWORD},
    {frHideMatchCase, FR_HIDEMATCHCASE},
    {frHideWholeWord, FR_HIDEWHOLEWORD},
    {frHideUpDown, FR_HIDEUPDOWN},
    {frDisableMatchCase, FR_NOMATCHCASE},
    {frDisableUpDown, FR_NOUPDOWN},
    {frDisableWholeWord, FR_NOWHOLEWORD},
    {frShowHelp, FR_SHOWHELP},
};

}  // namespace

// ---- TCommonDialog

std::optional<bool> TCommonDialog::AskHook(const std::string& Caption) {
    TDialogRequest R;
    R.Kind = dkCommonDialog;
    R.Caption = Caption;
    R.DialogClass = ClassName();
    R.Dialog = this;
    if (auto Answer = AskModalDialogHook(R)) return *Answer != 0;
    return std::nullopt;
}

HWND TCommonDialog::OwnerWindow() {
    if (Screen && Screen->ActiveForm() && Screen->ActiveForm()->HandleAllocated()) return Screen->ActiveForm()->Handle();
    HWND Active = GetActiveWindow();
    if (Active) return Active;
    return Application ? Application->Handle() : nullptr;
}

// ---- file dialogs

std::string MakeFilterList(const std::string& Filter) {
    std::string List;
    std::vector<std::string> Parts;
    size_t Start = 0;
    for (;;) {
        const size_t Bar = Filter.find('|', Start);
        Parts.push_back(Filter.substr(Start, Bar == std::string::npos ? std::string::npos : Bar - Start));
        if (Bar == std::string::npos) break;
        Start = Bar + 1;
    }
    // A description without a pattern would shift every later pair.
    if (Parts.size() % 2 != 0) Parts.pop_back();
    for (const std::string& P : Parts) {
        List += P;
        List += '\0';
    }
    List += '\0';
    return List;
}

void ParseMultiSelect(const char* Buffer, TStrings* Files) {
    Files->Clear();
    std::string First = Buffer;
    const char* P = Buffer + First.size() + 1;
    if (First.empty()) return;
    if (*P == '\0') {
        Files->Add(First);
        return;
    }
    if (First.back() != '\\') First += '\\';
    while (*P) {
        std::string Name = P;
        Files->Add(First + Name);
        P += Name.size() + 1;
    }
}

TOpenDialog::TOpenDialog(TComponent* AOwner) : TCommonDialog(AOwner), FFiles(std::make_unique<TStringList>()) {}

bool TOpenDialog::Execute() { return DoExecute(false); }

bool TOpenDialog::DoExecute(bool Save) {
    FFiles->Clear();
    if (auto Answer = AskHook(FTitle)) {
        if (!*Answer) return false;
        // The hook may give one name or a list; keep the two in step.
        if (FFiles->Count() == 0 && !FFileName.empty()) FFiles->Add(FFileName);
        else if (FFiles->Count() > 0 && FFileName.empty()) FFileName = FFiles->Strings(0);
        return true;
    }
    const bool Multi = FOptions.Contains(ofAllowMultiSelect);
    std::vector<char> Buffer(Multi ? MultiSelectBuffer : MAX_PATH * 4, '\0');
    FFileName.copy(Buffer.data(), std::min(FFileName.size(), Buffer.size() - 2));
    const std::string FilterList = MakeFilterList(FFilter);
    std::string Ext = FDefaultExt;
    if (!Ext.empty() && Ext.front() == '.') Ext.erase(0, 1);

    OPENFILENAMEA Ofn{};
    Ofn.lStructSize = sizeof(Ofn);
    Ofn.hwndOwner = OwnerWindow();
    Ofn.lpstrFilter = FFilter.empty() ? nullptr : FilterList.c_str();
    Ofn.nFilterIndex = static_cast<DWORD>(FFilterIndex);
    Ofn.lpstrFile = Buffer.data();
    Ofn.nMaxFile = static_cast<DWORD>(Buffer.size() - 1);
    Ofn.lpstrInitialDir = FInitialDir.empty() ? nullptr : FInitialDir.c_str();
    Ofn.lpstrTitle = FTitle.empty() ? nullptr : FTitle.c_str();
    Ofn.lpstrDefExt = Ext.empty() ? nullptr : Ext.c_str();
    Ofn.Flags = MapFlags(FOptions, OpenFlagMap);
    if (!FOptions.Contains(ofOldStyleDialog)) Ofn.Flags |= OFN_EXPLORER;

    const TTaskWindowsDisabled Modal;
    const BOOL Ok = Save ? GetSaveFileNameA(&Ofn) : GetOpenFileNameA(&Ofn);
    if (!Ok) return false;
    FFilterIndex = static_cast<int>(Ofn.nFilterIndex);
    if (Ofn.Flags & OFN_READONLY) FOptions.Include(ofReadOnly);
    else FOptions.Exclude(ofReadOnly);
    if (Multi) ParseMultiSelect(Buffer.data(), FFiles.get());
    else FFiles->Add(Buffer.data());
    FFileName = FFiles->Count() > 0 ? FFiles->Strings(0) : std::string(Buffer.data());
    return true;
}

// ---- font dialog

TFontDialog::TFontDialog(TComponent* AOwner) : TCommonDialog(AOwner), FFont(std::make_unique<TFont>()) {}

bool TFontDialog::Execute() {
    if (auto Answer = AskHook("Font")) return *Answer;
    LOGFONTA Lf{};
    GetObjectA(FFont->Handle(), sizeof(Lf), &Lf);
    CHOOSEFONTA Cf{};
    Cf.lStructSize = sizeof(Cf);
    Cf.hwndOwner = OwnerWindow();
    Cf.lpLogFont = &Lf;
    Cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    Cf.rgbColors = ColorToRGB(FFont->Color());
    const TTaskWindowsDisabled Modal;
    if (!ChooseFontA(&Cf)) return false;
    FFont->SetName(Lf.lfFaceName);
    FFont->SetHeight(Lf.lfHeight);
    TFontStyles Style;
    if (Lf.lfWeight >= FW_BOLD) Style.Include(fsBold);
    if (Lf.lfItalic) Style.Include(fsItalic);
    if (Lf.lfUnderline) Style.Include(fsUnderline);
    if (Lf.lfStrikeOut) Style.Include(fsStrikeOut);
    FFont->SetStyle(Style);
    FFont->SetColor(static_cast<TColor>(Cf.rgbColors));
    return true;
}

// ---- find dialog

TFindDialog::TFindDialog(TComponent* AOwner) : TCommonDialog(AOwner) {
    FHandler = [this] { FindMessage(); };
}

TFindDialog::~TFindDialog() { CloseDialog(); }

void TFindDialog::SetFindText(const std::string& Value) {
    FFindText = Value.substr(0, sizeof(FFindBuf) - 1);
    if (FHandle) SetDlgItemTextA(FHandle, FindEditId, FFindText.c_str());
}

bool TFindDialog::Execute() {
    if (FHandle) {
        SetForegroundWindow(FHandle);
        return true;
    }
    if (auto Answer = AskHook("Find")) return *Answer;
    if (!Application || !Application->Handle()) return false;
    FFindText.copy(FFindBuf, sizeof(FFindBuf) - 1);
    FFindBuf[std::min(FFindText.size(), sizeof(FFindBuf) - 1)] = '\0';
    FFindReplace = FINDREPLACEA{};
    FFindReplace.lStructSize = sizeof(FFindReplace);
    // The application window receives the find message and routes it here.
    FFindReplace.hwndOwner = Application->Handle();
    FFindReplace.Flags = MapFlags(FOptions, FindFlagMap);
    FFindReplace.lpstrFindWhat = FFindBuf;
    FFindReplace.wFindWhatLen = sizeof(FFindBuf);
    FFindReplace.lCustData = reinterpret_cast<LPARAM>(&FHandler);
    FHandle = FindTextA(&FFindReplace);
    if (!FHandle) return false;
    Application->AddModelessDialog(FHandle);
    ShowWindow(FHandle, SW_SHOW);
    return true;
}

void TFindDialog::CloseDialog() {
    if (!FHandle) return;
    HWND Wnd = std::exchange(FHandle, nullptr);
    if (Application) Application->RemoveModelessDialog(Wnd);
    DestroyWindow(Wnd);
}

void TFindDialog::FindMessage() {
    const DWORD Flags = FFindReplace.Flags;
    if (Flags & FR_DIALOGTERM) {
        if (Application && FHandle) Application->RemoveModelessDialog(FHandle);
        FHandle = nullptr;
        if (OnClose) OnClose(this);
        return;
    }
    FFindText = FFindBuf;
    for (const auto& [Opt, Flag] : FindFlagMap) {
        if (Opt != frDown && Opt != frMatchCase && Opt != frWholeWord) continue;
        if (Flags & Flag) FOptions.Include(Opt);
        else FOptions.Exclude(Opt);
    }
    if (Flags & FR_FINDNEXT) {
        FOptions.Include(frFindNext);
        Find();
    }
}

// ---- published properties

QRN_PUBLISHED(TCommonDialog) {
    B.Prop("HelpContext", &TCommonDialog::HelpContext, &TCommonDialog::SetHelpContext).Default(0);
}

QRN_PUBLISHED(TOpenDialog) {
    B.Prop("DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt);
    B.Prop("FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName);
    B.Prop("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter);
    B.Prop("FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex).Default(1);
    B.Prop("InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir);
    B.Prop("Options", &TOpenDialog::Options, &TOpenDialog::SetOptions).Default(TOpenOptions{ofHideReadOnly});
    B.Prop("Title", &TOpenDialog::Title, &TOpenDialog::SetTitle);
}

QRN_PUBLISHED(TSaveDialog) {}

std::string GraphicFilter() { return "All (*.bmp;*.ico)|*.bmp;*.ico|Bitmaps (*.bmp)|*.bmp|Icons (*.ico)|*.ico"; }

TOpenPictureDialog::TOpenPictureDialog(TComponent* AOwner) : TOpenDialog(AOwner) { SetFilter(GraphicFilter()); }

TSavePictureDialog::TSavePictureDialog(TComponent* AOwner) : TSaveDialog(AOwner) {
    SetFilter(GraphicFilter());
    SetDefaultExt("bmp");
}

QRN_PUBLISHED(TOpenPictureDialog) {}
QRN_PUBLISHED(TSavePictureDialog) {}

QRN_PUBLISHED(TFontDialog) { B.Prop("Font", &TFontDialog::Font); }

QRN_PUBLISHED(TFindDialog) {
    B.Prop("FindText", &TFindDialog::FindText, &TFindDialog::SetFindText);
    B.Prop("Options", &TFindDialog::Options, &TFindDialog::SetOptions).Default(TFindOptions{frDown});
    B.Event("OnClose", &TFindDialog::OnClose);
    B.Event("OnFind", &TFindDialog::OnFind);
}
