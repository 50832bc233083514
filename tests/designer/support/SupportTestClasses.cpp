#include "tests/designer/support/SupportTestClasses.h"

QRN_PUBLISHED(TSupportProps) {
    B.Prop("Count", &TSupportProps::Count);
    B.Prop("Flag", &TSupportProps::Flag);
    B.Prop("Ratio", &TSupportProps::Ratio);
    B.Prop("Text", &TSupportProps::Text);
    B.Prop("Shade", &TSupportProps::Shade);
    B.Prop("Ref", &TSupportProps::Ref);
    B.Event("OnPing", &TSupportProps::OnPing);
}

QRN_PUBLISHED(TSupportOther) {
    B.Prop("Count", &TSupportOther::Count);
    B.Prop("Ratio", &TSupportOther::Ratio);
    B.Prop("Text", &TSupportOther::Text);
    B.Prop("Ref", &TSupportOther::Ref);
    B.Event("OnPing", &TSupportOther::OnPing);
}

QRN_PUBLISHED(TSupportChild) {}

QRN_PUBLISHED(TSupportWide) {
    B.Prop("Value", &TSupportWide::Value);
    B.Prop("Big", &TSupportWide::Big);
}
