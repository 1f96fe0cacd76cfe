// ui_script.h: a scripted sequence of test steps, run inside whatever
// message loop is dispatching this thread's messages: the program's own
// loop or a modal dialog's.

#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace ui {

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
        if (GetTickCount() - self->stepStarted_ > kStepPatience) {
            self->GiveUp();
            return;
        }
        // A step may open a modal loop that dispatches further ticks.
        self->running_ = true;
        if (self->steps_[self->next_]()) {
            ++self->next_;
            self->stepStarted_ = GetTickCount();
        }
        self->running_ = false;
    }

    // A step that never completes must not leave a loop running forever:
    // close this thread's windows, dialogs first, and end the loop.
    void GiveUp()
    {
        ADD_FAILURE() << "step " << next_ << " of the script did not complete in " << kStepPatience << " ms";
        next_ = steps_.size();
        EnumThreadWindows(GetCurrentThreadId(), &Script::CloseWindow, 0);
        PostQuitMessage(1);
    }

    static BOOL CALLBACK CloseWindow(HWND window, LPARAM)
    {
        PostMessageW(window, WM_CLOSE, 0, 0);
        return TRUE;
    }

    static constexpr DWORD kStepPatience = 10000;
    static inline Script* current_ = nullptr;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    DWORD stepStarted_ = GetTickCount();
    bool running_ = false;
    UINT_PTR timer_ = 0;
};

}  // namespace ui
