// minimal_window: the smallest Win32 program that shows a window, built
// the same way as the real one: the yardstick of the start-up benchmark.

#include <windows.h>

static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = L"MinimalWindow";
    if (!RegisterClassExW(&windowClass))
        return 1;
    HWND window = CreateWindowExW(0, L"MinimalWindow", L"Minimal", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 744, 375, nullptr, nullptr, instance, nullptr);
    if (!window)
        return 1;
    ShowWindow(window, showCommand);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
