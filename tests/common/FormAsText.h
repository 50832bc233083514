#pragma once
// A component tree as the text form file the framework writes for it.
#include <string>

#include "framework/classes/Filer.h"
#include "framework/classes/FormText.h"
#include "framework/rtl/Streams.h"

inline std::string FormAsText(TComponent* Root) {
    TMemoryStream S;
    TWriter(&S).WriteRootComponent(Root);
    S.SetPosition(0);
    TStringStream T;
    ObjectBinaryToText(&S, &T);
    return T.DataString();
}
