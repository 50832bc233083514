#pragma once
// Components that exist only so that the class library's property
// enumeration hands out new ActiveX editors: the editors registered for
// their property A are what an enumeration of them creates.
#include <memory>

#include "framework/classes/Component.h"
#include "framework/graphics/Graphics.h"

class TAxRowSource;

// Gives a TAxPropEditor.
class TFake : public TComponent {
    QRN_CLASS(TFake, TComponent)
public:
    explicit TFake(TComponent* AOwner) : TComponent(AOwner) {}
    TAxRowSource* A() const { return nullptr; }
};

// Gives a group editor of ActiveX rows.
class TFake2 : public TComponent {
    QRN_CLASS(TFake2, TComponent)
public:
    explicit TFake2(TComponent* AOwner) : TComponent(AOwner) {}
    TAxRowSource* A() const { return nullptr; }
};

// Carries an ActiveX control's font for the font editor.
class TFakeFont : public TComponent {
    QRN_CLASS(TFakeFont, TComponent)
public:
    explicit TFakeFont(TComponent* AOwner);
    ~TFakeFont() override;
    TFont* A() const { return FFont.get(); }
    // Copies the font.
    void SetA(TFont* Value) { FFont->Assign(Value); }

private:
    std::unique_ptr<TFont> FFont;
};
