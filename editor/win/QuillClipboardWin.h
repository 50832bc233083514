#pragma once
// The Windows clipboard's CF_TEXT format for the editor.
#include "editor/QuillWindowSide.h"

class TQuillClipboardWin : public IQuillClipboard {
public:
    // Owner: the window that opens the clipboard (none: the calling task).
    explicit TQuillClipboardWin(void* AOwnerWindow = nullptr) : OwnerWindow(AOwnerWindow) {}
    bool HasText() override;
    std::string GetText() override;
    bool SetText(const std::string& Text) override;

private:
    void* OwnerWindow;
};
