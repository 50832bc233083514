#include "editor/QuillHighlighter.h"

#include "editor/QuillEditor.h"

TQuillHighlighter::~TQuillHighlighter() {
    // Editors still using this highlighter forget it.
    std::vector<TQuillEditor*> Users = FEditors;
    for (TQuillEditor* E : Users) E->SetHighlighter(nullptr);
}

void TQuillHighlighter::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove)
        if (auto* E = dynamic_cast<TQuillEditor*>(AComponent)) RemoveEditor(E);
}

QRN_PUBLISHED(TQuillHighlighter) {}
