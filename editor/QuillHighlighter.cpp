#include "editor/QuillHighlighter.h"

#include "editor/QuillMemo.h"

TQuillHighlighter::~TQuillHighlighter() {
    // Editors still using this highlighter forget it.
    std::vector<TQuillMemo*> Users = FEditors;
    for (TQuillMemo* E : Users) E->SetHighlighter(nullptr);
}

void TQuillHighlighter::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove)
        if (auto* E = dynamic_cast<TQuillMemo*>(AComponent)) RemoveEditor(E);
}

QRN_PUBLISHED(TQuillHighlighter) {}
