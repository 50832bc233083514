#pragma once
// The class the editor control derives from. Without the window framework
// it is a plain component; the windowed build switches this one line to
// TCustomControl.
#include "framework/classes/Component.h"

using TQuillMemoBase = TComponent;
