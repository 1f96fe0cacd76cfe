// drive.h: drives the running program from another process by messages:
// the menu command, the coefficients set into the fields, the button
// pressed, the results read back. Used by the end-to-end test and by the
// screenshot tool.

#pragma once

#include <windows.h>

#include "resource.h"
#include "ui_test_support.h"

#include <string>

namespace drive {

constexpr DWORD kPatience = 10000;  // ms to wait for a window

// Waits for a top-level window of that class (nullptr: any) and title.
inline HWND WaitForWindow(const wchar_t* className, const wchar_t* title)
{
    for (DWORD waited = 0; waited < kPatience; waited += 50) {
        HWND window = FindWindowW(className, title);
        if (window && IsWindowVisible(window))
            return window;
        Sleep(50);
    }
    return nullptr;
}

inline HWND MainWindow()
{
    return WaitForWindow(L"Taronix", nullptr);
}

inline HWND Calculator()
{
    return WaitForWindow(L"#32770", ui::Widen("Pierwiastki trójmianu kwadratowego").c_str());
}

inline HWND About()
{
    return WaitForWindow(L"#32770", L"Autor");
}

struct Roots {
    std::string x0, x1;
};

// Opens the calculator from the menu, types the coefficients, presses
// "Oblicz" and reads the two results; the dialog stays open.
inline bool Calculate(HWND main, const std::string& a, const std::string& b, const std::string& c, Roots& out)
{
    PostMessageW(main, WM_COMMAND, IDM_OBLICZ, 0);
    HWND dialog = Calculator();
    if (!dialog)
        return false;
    ui::SetItemText(dialog, IDC_A, a);
    ui::SetItemText(dialog, IDC_B, b);
    ui::SetItemText(dialog, IDC_C, c);
    SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    out = {ui::ItemText(dialog, IDC_X0), ui::ItemText(dialog, IDC_X1)};
    return true;
}

}  // namespace drive
