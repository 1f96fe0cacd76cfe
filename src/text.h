// text.h: the program keeps its texts in UTF-8 and hands them to the
// wide (UTF-16) Win32 calls, converting at that boundary.

#pragma once

#include <windows.h>

#include <string>
#include <string_view>

inline std::wstring Widen(std::string_view utf8)
{
    if (utf8.empty())
        return {};
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
    return wide;
}

inline void SetDlgItemTextUtf8(HWND dialog, int id, std::string_view utf8)
{
    SetDlgItemTextW(dialog, id, Widen(utf8).c_str());
}
