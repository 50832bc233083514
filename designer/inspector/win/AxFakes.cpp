#include "designer/inspector/win/AxFakes.h"

#include "designer/inspector/win/AxRowSource.h"

TFakeFont::TFakeFont(TComponent* AOwner) : TComponent(AOwner), FFont(std::make_unique<TFont>()) {}
TFakeFont::~TFakeFont() = default;

QRN_PUBLISHED(TFake) { B.Prop("A", &TFake::A); }
QRN_PUBLISHED(TFake2) { B.Prop("A", &TFake2::A); }
QRN_PUBLISHED(TFakeFont) { B.Prop("A", &TFakeFont::A, &TFakeFont::SetA); }
