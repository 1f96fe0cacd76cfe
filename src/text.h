// text.h: the program keeps its texts in UTF-8 and hands them to the
// wide (UTF-16) Win32 calls, converting at that boundary. Fixed buffers:
// no text the program shows is longer than a few dozen characters.

#pragma once

#include <windows.h>

#include <array>
#include <string_view>

inline constexpr std::size_t kWideTextSize = 512;

// A UTF-16 copy of a UTF-8 text, always terminated. A text too long for
// the buffer converts to an empty one (MultiByteToWideChar fails whole);
// the longest the program shows, the summary, is under 100 characters.
struct WideText {
    explicit WideText(std::string_view utf8)
    {
        const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                               text.data(), static_cast<int>(text.size() - 1));
        text[static_cast<std::size_t>(length)] = L'\0';
        size = length;
    }
    [[nodiscard]] const wchar_t* c_str() const { return text.data(); }

    std::array<wchar_t, kWideTextSize> text{};
    int size = 0;
};

inline void SetDlgItemTextUtf8(HWND dialog, int id, std::string_view utf8)
{
    SetDlgItemTextW(dialog, id, WideText(utf8).c_str());
}
