#include "ide/win/PluginCalls.h"

#include "framework/forms/Forms.h"
#include "product/ProjectKind.h"

namespace {

TPluginEntryPoints& EntryPoints() {
    static TPluginEntryPoints Points;
    return Points;
}

// Runs Call and hands whatever it throws to the exception handler.
template <class TCall>
void Guarded(TCall&& Call) {
    try {
        Call();
    } catch (...) {
        Application->HandleException(nullptr);
    }
}

}  // namespace

void SetPluginEntryPoints(const TPluginEntryPoints& Points) { EntryPoints() = Points; }

const TPluginEntryPoints& PluginEntryPoints() { return EntryPoints(); }

bool CallFormDesigner(bool ProjectOpen, ProjectKind Kind, const std::string& ProjectFile,
                      const std::function<void()>& FocusEditor) {
    if (!ProjectOpen || Kind != pkWin32Exe) return false;
    const TPelmoraExecuteProc Execute = EntryPoints().PelmoraExecute;
    if (!Execute) return false;
    // The designer's answer means nothing: it is always True.
    Guarded([&] { Execute(ProjectFile.c_str()); });
    if (FocusEditor) Guarded(FocusEditor);
    return true;
}

void CallOptionsLibrary(const std::function<void()>& ReloadTools, int CodeWindowCount,
                        const std::function<void()>& ReloadTemplates) {
    if (const TPrefsExecuteProc Execute = EntryPoints().PrefsExecute) Guarded([&] { Execute(); });
    // The settings need no reload: every use reads the registry.
    if (ReloadTools) Guarded(ReloadTools);
    // The templates are shared by every editor: one reload serves all.
    if (CodeWindowCount > 0 && ReloadTemplates) Guarded(ReloadTemplates);
}
