// The platform's floor under the IDE's launch: a plain Win32 program that
// opens one maximised window and draws a screenful of text lines in it,
// nothing else. Under the same Wine prefix it takes what any program takes
// to start there and show text, so a slow Wine set-up shows in its figure
// and not as the IDE's time. launch_bench.sh times it as it times the IDE.
#include <windows.h>

#include <cstdio>

namespace {

constexpr int TextLines = 60;

void PaintLines(HWND Window) {
    PAINTSTRUCT Ps;
    HDC Dc = BeginPaint(Window, &Ps);
    HGDIOBJ Old = SelectObject(Dc, GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA Tm{};
    GetTextMetricsA(Dc, &Tm);
    for (int I = 0; I < TextLines; ++I) {
        char Line[96];
        const int Len = std::snprintf(Line, sizeof(Line), "%4d        mov ax, bx ; a line of text as an editor shows it", I + 1);
        TextOutA(Dc, 4, 4 + I * Tm.tmHeight, Line, Len);
    }
    SelectObject(Dc, Old);
    EndPaint(Window, &Ps);
}

LRESULT CALLBACK WindowProc(HWND Window, UINT Msg, WPARAM W, LPARAM L) {
    switch (Msg) {
        case WM_PAINT:
            PaintLines(Window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(Window, Msg, W, L);
}

}  // namespace

int WINAPI WinMain(HINSTANCE Instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA Class{};
    Class.lpfnWndProc = WindowProc;
    Class.hInstance = Instance;
    Class.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    Class.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    Class.lpszClassName = "QrnBlankWindow";
    if (!RegisterClassA(&Class)) return 1;
    HWND Window = CreateWindowA(Class.lpszClassName, "Blank window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, Instance, nullptr);
    if (!Window) return 1;
    ShowWindow(Window, SW_SHOWMAXIMIZED);
    UpdateWindow(Window);
    MSG Msg;
    while (GetMessageA(&Msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&Msg);
        DispatchMessageA(&Msg);
    }
    return 0;
}
