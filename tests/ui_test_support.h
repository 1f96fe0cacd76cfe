// ui_test_support.h: helpers for the programs that drive real windows
// under Wine: reading control texts as UTF-8, pumping messages, finding
// this process's own windows.

#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace ui {

inline std::string Narrow(std::wstring_view wide)
{
    if (wide.empty())
        return {};
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, out.data(), length, nullptr, nullptr);
    return out;
}

inline std::wstring Widen(std::string_view utf8)
{
    if (utf8.empty())
        return {};
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, out.data(), length);
    return out;
}

inline std::string WindowText(HWND window)
{
    wchar_t buffer[1024] = {};
    GetWindowTextW(window, buffer, static_cast<int>(std::size(buffer)));
    return Narrow(buffer);
}

// A control's text. WM_GETTEXT, unlike GetWindowTextW, also reads the
// controls of another process (the running program's, for the drivers).
inline std::string ItemText(HWND dialog, int id)
{
    wchar_t buffer[1024] = {};
    SendDlgItemMessageW(dialog, id, WM_GETTEXT, std::size(buffer), reinterpret_cast<LPARAM>(buffer));
    return Narrow(buffer);
}

// Sets a control's text (SetDlgItemTextW sends WM_SETTEXT, which works
// across processes too).
inline void SetItemText(HWND dialog, int id, std::string_view utf8)
{
    SetDlgItemTextW(dialog, id, Widen(utf8).c_str());
}

// Dispatches whatever is queued for this thread.
inline void Pump()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// A top-level window of this process (not of another test's) with that
// class and title (nullptr: any).
inline HWND FindOwnWindow(const wchar_t* className, const wchar_t* title)
{
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, className, title)) != nullptr) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == GetCurrentProcessId())
            return window;
    }
    return nullptr;
}

// The shown top-level dialog of this process with the given caption.
inline HWND FindDialog(std::string_view caption)
{
    HWND dialog = FindOwnWindow(L"#32770", Widen(caption).c_str());
    return (dialog && IsWindowVisible(dialog)) ? dialog : nullptr;
}

}  // namespace ui
