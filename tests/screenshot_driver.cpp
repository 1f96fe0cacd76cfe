// screenshot_driver: one step of the road through the running program,
// for scripts/screenshots.sh, which takes a picture after each step.
//   screenshot_driver calculate A B C | close-calculator | about | close-about | quit

#include "drive.h"

#include <cstdio>
#include <string_view>

int main(int argc, char** argv)
{
    const std::string_view step = argc > 1 ? argv[1] : "";
    HWND main = drive::MainWindow();
    if (!main) {
        std::fprintf(stderr, "screenshot_driver: the program's window did not appear\n");
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
    } else if (step == "quit") {
        PostMessageW(main, WM_CLOSE, 0, 0);
    } else {
        std::fprintf(stderr, "usage: screenshot_driver calculate A B C | close-calculator | about | "
                             "close-about | quit\n");
        return 2;
    }
    return 0;
}
