// main_window_test.cpp: the main window and the About dialog, run through
// the program's own WinMain with a script of steps dispatched by its loop.

#include "main.h"
#include "resource.h"
#include "solver.h"

#include "ui_script.h"
#include "ui_test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

namespace {

HINSTANCE Instance()
{
    return GetModuleHandleW(nullptr);
}
HWND MainWindow()
{
    return FindWindowW(kWindowClass, nullptr);
}

// Runs WinMain with the steps; a last step closes the window. Returns the
// exit code and leaves the class unregistered for the next run.
int RunProgram(std::vector<ui::Script::Step> steps)
{
    steps.push_back([] {
        PostMessageW(MainWindow(), WM_CLOSE, 0, 0);
        return true;
    });
    std::vector<ui::Script::Step> all = {[] { return MainWindow() != nullptr; }};
    all.insert(all.end(), steps.begin(), steps.end());
    ui::Script script(std::move(all));
    const int code = WinMain(Instance(), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
    EXPECT_TRUE(script.Finished());
    UnregisterClassW(kWindowClass, Instance());
    return code;
}

// Draws into a 32-bit bitmap the size of the window's client area and
// returns its pixels. `draw` gets the memory DC, the window's DC and the
// client rectangle.
std::vector<std::uint32_t> RenderClient(HWND window, const std::function<void(HDC, HDC, const RECT&)>& draw)
{
    RECT client;
    GetClientRect(window, &client);
    HDC windowDc = GetDC(window);
    HDC memory = CreateCompatibleDC(windowDc);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    draw(memory, windowDc, client);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    std::vector<std::uint32_t> out(pixels, pixels + static_cast<std::size_t>(client.right) * client.bottom);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, windowDc);
    return out;
}

// The client area as the window shows it.
std::vector<std::uint32_t> Capture(HWND window)
{
    return RenderClient(window, [](HDC memory, HDC windowDc, const RECT& client) {
        BitBlt(memory, 0, 0, client.right, client.bottom, windowDc, 0, 0, SRCCOPY);
    });
}

// What the client area should show: the lines drawn by DrawTextW, centred,
// in a DC's default font and colours, on white.
std::vector<std::uint32_t> Expected(HWND window, const std::wstring& lines)
{
    return RenderClient(window, [&lines](HDC memory, HDC, const RECT& client) {
        RECT area = client;
        FillRect(memory, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        DrawTextW(memory, lines.c_str(), static_cast<int>(lines.size()), &area, DT_CENTER);
    });
}

void Send(HWND window, std::int32_t a, std::int32_t b, std::int32_t c)
{
    const SolveResult r = SolveQuadratic(a, b, c, 6);
    SendMessageW(window, UM_SET_DATA, reinterpret_cast<WPARAM>(&r.data), 0);
    UpdateWindow(window);
}

void CheckClassTitleSizeAndMenu(HWND window);

TEST(MainWindow, ClassTitleSizeAndMenu)
{
    const int code = RunProgram({[] {
        CheckClassTitleSizeAndMenu(MainWindow());
        return true;
    }});
    EXPECT_EQ(code, 0);
}

void CheckClassTitleSizeAndMenu(HWND window)
{
    {
        WNDCLASSEXW info = {};
        info.cbSize = sizeof info;
        EXPECT_TRUE(GetClassInfoExW(Instance(), kWindowClass, &info));
        EXPECT_EQ(info.style, static_cast<UINT>(CS_DBLCLKS));
        EXPECT_EQ(info.lpfnWndProc, &WindowProcedure);
        EXPECT_EQ(info.cbClsExtra, 0);
        EXPECT_EQ(info.cbWndExtra, 0);
        EXPECT_EQ(info.hbrBackground, GetStockObject(WHITE_BRUSH));
        EXPECT_EQ(info.hCursor, LoadCursorW(nullptr, IDC_ARROW));
        EXPECT_EQ(info.hIcon, LoadIconW(nullptr, IDI_APPLICATION));
        EXPECT_EQ(info.lpszMenuName, nullptr);

        EXPECT_EQ(ui::WindowText(window), "Takie tam okna dialogowe...");
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)) & WS_OVERLAPPEDWINDOW,
                  static_cast<DWORD>(WS_OVERLAPPEDWINDOW));
        RECT outer;
        GetWindowRect(window, &outer);
        EXPECT_EQ(outer.right - outer.left, 744);
        EXPECT_EQ(outer.bottom - outer.top, 375);

        HMENU menu = GetMenu(window);
        EXPECT_EQ(GetMenuItemCount(menu), 2);
        struct Item {
            const char* text;
            UINT id;
            bool right;
        };
        constexpr Item kItems[] = {{"&Oblicz", IDM_OBLICZ, false}, {"O &programie", IDM_O_PROGRAMIE, true}};
        for (UINT i = 0; i < 2; ++i) {
            wchar_t text[64] = {};
            MENUITEMINFOW item = {};
            item.cbSize = sizeof item;
            item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
            item.dwTypeData = text;
            item.cch = 64;
            EXPECT_TRUE(GetMenuItemInfoW(menu, i, TRUE, &item));
            EXPECT_EQ(ui::Narrow(text), kItems[i].text);
            EXPECT_EQ(item.wID, kItems[i].id);
            EXPECT_EQ(item.hSubMenu, nullptr);
            EXPECT_EQ((item.fType & MFT_RIGHTJUSTIFY) != 0, kItems[i].right) << kItems[i].text;
        }
    }
}

TEST(MainWindow, PaintsTheSummaryOfTwoRealRootsOnly)
{
    struct Row {
        std::int32_t a, b, c;
        const wchar_t* lines;  // nullptr: a blank client area
    };
    constexpr Row kRows[] = {
        {1, -3, 2, L"a = 1, b = -3, c = 2\nx0 = 1\nx1 = 2"},
        {1, 1, 1, nullptr},
        {1, -1, -1, L"a = 1, b = -1, c = -1\nx0 = -0.618034\nx1 = 1.61803"},
        {0, 2, -4, nullptr},
        {1, 0, 0, L"a = 1, b = 0, c = 0\nx0 = -0\nx1 = 0"},
        {0, 0, 5, nullptr},
        {1, 2, 1, L"a = 1, b = 2, c = 1\nx0 = -1\nx1 = -1"},
        {0, 0, 0, nullptr},
    };
    std::vector<ui::Script::Step> steps;
    // Blank before the first calculation.
    steps.push_back([] {
        EXPECT_EQ(Capture(MainWindow()), Expected(MainWindow(), L""));
        return true;
    });
    for (const Row& row : kRows) {
        steps.push_back([row] {
            HWND window = MainWindow();
            Send(window, row.a, row.b, row.c);
            const auto got = Capture(window);
            EXPECT_TRUE(got == Expected(window, row.lines ? row.lines : L""))
                << row.a << ' ' << row.b << ' ' << row.c;
            return true;
        });
    }
    EXPECT_EQ(RunProgram(steps), 0);
}

TEST(MainWindow, FailedRegistrationEndsWithNonzeroCode)
{
    // The class already exists in this module, so WinMain cannot register it.
    WNDCLASSEXW taken = {};
    taken.cbSize = sizeof taken;
    taken.lpfnWndProc = DefWindowProcW;
    taken.hInstance = Instance();
    taken.lpszClassName = kWindowClass;
    ASSERT_TRUE(RegisterClassExW(&taken));
    EXPECT_NE(WinMain(Instance(), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL), 0);
    EXPECT_EQ(ui::FindOwnWindow(nullptr, L"Takie tam okna dialogowe..."), nullptr);
    UnregisterClassW(kWindowClass, Instance());
}

TEST(AboutDialog, PictureIsA24BitBitmapNamedBitmapa)
{
    HRSRC found = FindResourceW(Instance(), L"BITMAPA", MAKEINTRESOURCEW(2) /* RT_BITMAP */);
    ASSERT_NE(found, nullptr);
    const auto* header = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(Instance(), found)));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->biWidth, 125);
    EXPECT_EQ(header->biHeight, 179);
    EXPECT_EQ(header->biPlanes, 1);
    EXPECT_EQ(header->biBitCount, 24);
    EXPECT_EQ(header->biCompression, static_cast<DWORD>(BI_RGB));
    EXPECT_EQ(SizeofResource(Instance(), found) - header->biSize, 67304u);
}

TEST(AboutDialog, ShowsPictureAndTextAndClosesEveryWay)
{
    struct Way {
        const char* name;
        void (*close)(HWND);
    };
    const Way kWays[] = {
        {"OK", [](HWND d) { SendMessageW(GetDlgItem(d, IDOK), BM_CLICK, 0, 0); }},
        {"Enter", [](HWND d) { PostMessageW(GetDlgItem(d, IDOK), WM_KEYDOWN, VK_RETURN, 0); }},
        {"Esc", [](HWND d) { PostMessageW(GetDlgItem(d, IDOK), WM_KEYDOWN, VK_ESCAPE, 0); }},
        {"close box", [](HWND d) { PostMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const Way& way : kWays) {
        SCOPED_TRACE(way.name);
        std::vector<std::uint32_t> before;
        bool opened = false;
        const int code = RunProgram({
            [&] {
                Send(MainWindow(), 1, -3, 2);
                before = Capture(MainWindow());
                PostMessageW(MainWindow(), WM_COMMAND, IDM_O_PROGRAMIE, 0);
                return true;
            },
            [&] {
                HWND about = ui::FindDialog("Autor");
                if (!about)
                    return false;
                opened = true;
                EXPECT_FALSE(IsWindowEnabled(MainWindow()));
                HWND picture = GetDlgItem(about, IDC_BITMAPA);
                RECT size;
                GetClientRect(picture, &size);
                EXPECT_EQ(size.right, 125);
                EXPECT_EQ(size.bottom, 179);
                EXPECT_NE(SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
                EXPECT_EQ(ui::ItemText(about, IDC_OPIS)
                              .rfind("Program demonstrujący implementację stosunkowo "
                                     "prostego (modalnego) okna dialogowego\n\n",
                                     0),
                          0u);
                way.close(about);
                return true;
            },
            [&] {
                if (ui::FindDialog("Autor"))
                    return false;
                EXPECT_TRUE(IsWindowEnabled(MainWindow()));
                UpdateWindow(MainWindow());
                EXPECT_TRUE(Capture(MainWindow()) == before);
                return true;
            },
        });
        EXPECT_TRUE(opened);
        EXPECT_EQ(code, 0);
    }
}

}  // namespace

namespace {

TEST(Resources, VersionInformationHasAPolishBlock)
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoW(path, 0, size, block.data()));
    struct Row {
        const wchar_t* key;
        const char* value;
    };
    constexpr Row kRows[] = {
        {L"\\StringFileInfo\\041504B0\\ProductName", "Trójmian"},
        {L"\\StringFileInfo\\041504B0\\ProductVersion", "1.0.0"},
        {L"\\StringFileInfo\\041504B0\\FileDescription", "Pierwiastki trójmianu kwadratowego"},
    };
    for (const Row& row : kRows) {
        void* value = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueW(block.data(), row.key, &value, &length)) << ui::Narrow(row.key);
        EXPECT_EQ(ui::Narrow(static_cast<const wchar_t*>(value)), row.value);
    }
}

}  // namespace
