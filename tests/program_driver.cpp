// program_driver: one step through the running program, by messages, or
// a look at it: for scripts/screenshots.sh and the end-to-end test.
//   program_driver calculate A B C | close-calculator | about | close-about | quit
//   program_driver read    the calculator's texts and state, one per line
//   program_driver rect ID the screen rectangle of a calculator control
//   program_driver menu-point   a screen point on the menu item "Oblicz"
//   program_driver focus   the identifier of the control with the focus

#include "drive.h"

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <string_view>

int main(int argc, char** argv)
{
    const std::string_view step = argc > 1 ? argv[1] : "";
    HWND main = drive::MainWindow();
    if (!main) {
        std::fprintf(stderr, "program_driver: the program's window did not appear\n");
        return 1;
    }
    if (step == "calculate" && argc == 5) {
        drive::Roots roots;
        if (!drive::Calculate(main, argv[2], argv[3], argv[4], roots))
            return 1;
        std::printf("x_0 = %s\nx_1 = %s\n", roots.x0.c_str(), roots.x1.c_str());
    } else if (step == "close-calculator") {
        PostMessageW(drive::Calculator(), WM_COMMAND, IDCANCEL, 0);
    } else if (step == "about") {
        PostMessageW(main, WM_COMMAND, IDM_O_PROGRAMIE, 0);
        return drive::About() ? 0 : 1;
    } else if (step == "close-about") {
        PostMessageW(drive::About(), WM_COMMAND, IDOK, 0);
    } else if (step == "read") {
        HWND dialog = drive::Calculator();
        if (!dialog)
            return 1;
        constexpr std::pair<const char*, int> kFields[] = {
            {"a", IDC_A},        {"b", IDC_B},   {"c", IDC_C},
            {"x0", IDC_X0},      {"x1", IDC_X1}, {"precision", IDC_DOKLADNOSC},
            {"close", IDCANCEL},
        };
        for (const auto& [name, id] : kFields)
            std::printf("%s=%s\n", name, ui::ItemText(dialog, id).c_str());
        std::printf("calculate=%s\n", IsWindowEnabled(GetDlgItem(dialog, IDOK)) ? "enabled" : "disabled");
    } else if (step == "rect" && argc == 3) {
        HWND dialog = drive::Calculator();
        RECT r;
        if (!dialog || !GetWindowRect(GetDlgItem(dialog, std::atoi(argv[2])), &r))
            return 1;
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
    } else if (step == "menu-point") {
        // Menus belong to their process; the bar lies just above the
        // client area, and "&Oblicz" is its first item.
        POINT origin = {0, 0};
        ClientToScreen(main, &origin);
        std::printf("%ld %ld\n", origin.x + 15, origin.y - GetSystemMetrics(SM_CYMENU) / 2);
    } else if (step == "focus") {
        HWND dialog = drive::Calculator();
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        if (!dialog || !GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info))
            return 1;
        std::printf("%d\n", GetDlgCtrlID(info.hwndFocus));
    } else if (step == "quit") {
        PostMessageW(main, WM_CLOSE, 0, 0);
    } else {
        std::fprintf(stderr, "usage: program_driver calculate A B C | close-calculator | about | "
                             "close-about | quit | read | rect ID | menu-point | focus\n");
        return 2;
    }
    return 0;
}
