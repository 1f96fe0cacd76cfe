// ui_test_support.h: helpers for the tests that drive real windows under
// Wine: reading control texts as UTF-8, pumping messages, and running a
// scripted sequence of steps inside a modal loop.

#pragma once

#include <windows.h>

#include "text.h"

#include <functional>
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

inline std::string WindowText(HWND window)
{
    wchar_t buffer[1024] = {};
    GetWindowTextW(window, buffer, static_cast<int>(std::size(buffer)));
    return Narrow(buffer);
}

inline std::string ItemText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

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

// Steps run one per timer tick by whatever loop is dispatching this
// thread's messages (the program's own loop, or a modal dialog's). A step
// returns false to be tried again at the next tick, true when done.
class Script {
public:
    using Step = std::function<bool()>;

    explicit Script(std::vector<Step> steps) : steps_(std::move(steps))
    {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, 20, &Script::Tick);
    }
    ~Script()
    {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    Script(const Script&) = delete;
    Script& operator=(const Script&) = delete;

    bool Finished() const { return next_ == steps_.size(); }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        Script* self = current_;
        if (!self || self->running_ || self->Finished())
            return;
        // A step may open a modal loop that dispatches further ticks.
        self->running_ = true;
        if (self->steps_[self->next_]())
            ++self->next_;
        self->running_ = false;
    }

    static inline Script* current_ = nullptr;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    bool running_ = false;
    UINT_PTR timer_ = 0;
};

// The top-level dialog of this process with the given caption, if shown.
inline HWND FindDialog(std::string_view caption)
{
    HWND dialog = FindWindowW(L"#32770", Widen(caption).c_str());
    return (dialog && IsWindowVisible(dialog)) ? dialog : nullptr;
}

}  // namespace ui
