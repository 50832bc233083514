#pragma once
// The class TQuillEditor derives from. On Windows it is a real window
// control, which TQuillMemo (editor/win) makes the editor's window; the
// native build keeps the editor a plain component so that it can be tested
// under the sanitizers.
#if defined(_WIN32)
#include "framework/controls/Controls.h"
using TQuillMemoBase = TCustomControl;
#else
#include "framework/classes/Component.h"
using TQuillMemoBase = TComponent;
#endif
