#pragma once
// The class the editor control derives from. On Windows it is a real
// window control; the native build keeps the text model a plain component
// so that it can be tested under the sanitizers.
#if defined(_WIN32)
#include "framework/controls/Controls.h"
using TQuillMemoBase = TCustomControl;
#define QRN_QUILL_WINDOWED 1
#else
#include "framework/classes/Component.h"
using TQuillMemoBase = TComponent;
#define QRN_QUILL_WINDOWED 0
#endif
