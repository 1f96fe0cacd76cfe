// program_test.cpp: the real executable, started as its own process under
// Wine and driven from here through one calculation.

#include "drive.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The program's path, as the build gives it (a Unix path: Wine reads it
// through drive Z:).
std::wstring ProgramPath()
{
    std::wstring path = L"Z:" + ui::Widen(TROJMIAN_EXE);
    for (wchar_t& ch : path)
        if (ch == L'/')
            ch = L'\\';
    return path;
}

class Program : public ::testing::Test {
  protected:
    void SetUp() override
    {
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        std::wstring command = L"\"" + ProgramPath() + L"\"";
        ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                   &startup, &process_))
            << GetLastError();
    }
    void TearDown() override
    {
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(process_.hProcess, 99);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    DWORD WaitForExit()
    {
        DWORD code = 12345;
        EXPECT_EQ(WaitForSingleObject(process_.hProcess, drive::kPatience), WAIT_OBJECT_0);
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }
    PROCESS_INFORMATION process_ = {};
};

TEST_F(Program, CalculatesOneRoadAndExitsWithZero)
{
    HWND main = drive::MainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(ui::WindowText(main), "Takie tam okna dialogowe...");

    drive::Roots roots;
    ASSERT_TRUE(drive::Calculate(main, "1", "-3", "2", roots));
    EXPECT_EQ(roots.x0, "1.00000");
    EXPECT_EQ(roots.x1, "2.00000");
    HWND dialog = drive::Calculator();
    EXPECT_EQ(ui::ItemText(dialog, IDCANCEL), "Zakończ");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));
    EXPECT_FALSE(IsWindowEnabled(main));

    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    for (int i = 0; i < 100 && IsWindow(dialog); ++i)
        Sleep(50);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_TRUE(IsWindowEnabled(main));

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(), 0u);
}

}  // namespace
