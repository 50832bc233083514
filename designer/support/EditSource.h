#pragma once
// A source an edit control passes its text through: the property editors
// and the inspector give it a property to read and write.
#include <string>

#include "framework/classes/Component.h"

class TEditSource : public TComponent {
    QRN_CLASS(TEditSource, TComponent)
public:
    explicit TEditSource(TComponent* AOwner) : TComponent(AOwner) {}
    virtual std::string GetText() = 0;
    virtual void SetText(const std::string& Value) = 0;
};
