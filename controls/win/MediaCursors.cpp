#include "controls/win/MediaCursors.h"

#include <string>

#include "framework/controls/Controls.h"
#include "framework/forms/Forms.h"
#include "framework/rtl/win/WinApi.h"

void InstallMediaCursors() {
    if (!Screen) return;
    const HINSTANCE Module = FrameworkInstance();
    for (int Id = FirstMediaCursor; Id <= LastMediaCursor; ++Id) {
        const std::string Name = "#" + std::to_string(Id);
        if (FindResourceA(Module, Name.c_str(), RT_GROUP_CURSOR)) Screen->LoadCursor(Id, Module, Name);
    }
}
