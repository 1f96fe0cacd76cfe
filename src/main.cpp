// main.cpp: the program's entry and its main window. The menu opens the
// calculator and the About dialog; the window keeps a copy of the last
// result the calculator sent and paints a summary of it when that result
// had two real roots.

#include "main.h"

#include "dialog_o_programie.h"
#include "dialog_trojmian.h"
#include "resource.h"
#include "solver.h"
#include "text.h"

#include <cstdio>

namespace {

constexpr wchar_t kTitle[] = L"Takie tam okna dialogowe...";

// The last result record; all zero, so nothing is painted at first.
QuadraticData qd;

void OpenDialog(HWND window, int templateId, DLGPROC procedure)
{
    auto* const instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    DialogBoxParamW(instance, MAKEINTRESOURCEW(templateId), window, procedure, 0);
}

void Paint(HWND window)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    const WideText summary(FormatSummary(qd).data());
    if (summary.size > 0)
        DrawTextW(dc, summary.c_str(), summary.size, &client, DT_CENTER);
    EndPaint(window, &ps);
}

void SetData(HWND window, WPARAM wParam)
{
    qd = *reinterpret_cast<const QuadraticData*>(wParam);
    InvalidateRect(window, nullptr, TRUE);
}

}  // namespace

SummaryText FormatSummary(const QuadraticData& data)
{
    SummaryText text{};
    if (data.rootCount == 2 && !data.complexRoots)
        std::snprintf(text.data(), text.size(), "a = %d, b = %d, c = %d\nx0 = %g\nx1 = %g",
                      static_cast<int>(data.a), static_cast<int>(data.b), static_cast<int>(data.c), data.x0,
                      data.x1);
    return text;
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        Paint(window);
        return 0;

    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;

    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDM_OBLICZ:
            OpenDialog(window, IDD_TROJMIAN, DialogTrojmianProcedure);
            break;
        case IDM_O_PROGRAMIE:
            OpenDialog(window, IDD_O_PROGRAMIE, DialogOProgramie);
            break;
        }
        return 0;

    case UM_SET_DATA:
        SetData(window, wParam);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// NOLINTNEXTLINE(readability-inconsistent-declaration-parameter-name): winbase.h has its own names
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    windowClass.hIconSm = LoadIconW(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kWindowClass;
    if (!RegisterClassExW(&windowClass))
        return 1;

    HWND window = CreateWindowExW(0, kWindowClass, kTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                  kWindowWidth, kWindowHeight, nullptr,
                                  LoadMenuW(instance, MAKEINTRESOURCEW(IDR_MENU)), instance, nullptr);
    if (!window)
        return 1;
    ShowWindow(window, showCommand);

    MSG message;
    BOOL got = 0;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return got < 0 ? 1 : static_cast<int>(message.wParam);
}
