#pragma once
// Small classes with published properties of several kinds for the
// designer support tests.
#include <cstdint>
#include <string>

#include "framework/classes/Component.h"
#include "framework/rtl/Events.h"
#include "framework/rtl/Variant.h"

enum TSupportShade { shLight, shDark };
QRN_ENUM(TSupportShade, shLight, shDark)

class TSupportProps : public TComponent {
    QRN_CLASS(TSupportProps, TComponent)
public:
    using TComponent::TComponent;
    int Count = 0;
    bool Flag = false;
    double Ratio = 0;
    std::string Text;
    TSupportShade Shade = shLight;
    TComponent* Ref = nullptr;
    TNotifyEvent OnPing;
};

// Same names, but Count is a string and Ratio read-only.
class TSupportOther : public TComponent {
    QRN_CLASS(TSupportOther, TComponent)
public:
    using TComponent::TComponent;
    std::string Count = "unchanged";
    double Ratio() const { return 7.5; }
    std::string Text;
    TComponent* Ref = nullptr;
    TNotifyEvent OnPing;
};

class TSupportChild : public TSupportProps {
    QRN_CLASS(TSupportChild, TSupportProps)
public:
    using TSupportProps::TSupportProps;
};

// The kinds wider than an integer: a Variant and a 64-bit integer.
class TSupportWide : public TComponent {
    QRN_CLASS(TSupportWide, TComponent)
public:
    using TComponent::TComponent;
    Variant Value;
    int64_t Big = 0;
};
