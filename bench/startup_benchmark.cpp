// startup_benchmark: from process start to the main window visible, for
// the program and for minimal_window, alternately, as medians of N runs.
//   startup_benchmark PROGRAM.exe CLASS MINIMAL.exe CLASS [RUNS]

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::wstring Wide(const char* text)
{
    std::wstring out;
    for (; *text; ++text)
        out += static_cast<wchar_t>(*text);
    return out;
}

// Milliseconds from CreateProcess to a visible window of that class;
// negative when it did not appear. The program is then closed.
double TimeToWindow(const std::wstring& exe, const std::wstring& className)
{
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::wstring command = L"\"" + exe + L"\"";
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return -1;
    double ms = -1;
    for (int i = 0; i < 20000; ++i) {
        HWND window = FindWindowW(className.c_str(), nullptr);
        if (window && IsWindowVisible(window)) {
            QueryPerformanceCounter(&now);
            ms = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
                 static_cast<double>(frequency.QuadPart);
            PostMessageW(window, WM_CLOSE, 0, 0);
            break;
        }
        Sleep(1);
    }
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ms;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: startup_benchmark PROGRAM.exe CLASS MINIMAL.exe CLASS [RUNS]\n");
        return 2;
    }
    const int runs = argc > 5 ? std::atoi(argv[5]) : 10;
    std::vector<double> program, minimal;
    for (int i = 0; i < runs; ++i) {
        program.push_back(TimeToWindow(Wide(argv[1]), Wide(argv[2])));
        minimal.push_back(TimeToWindow(Wide(argv[3]), Wide(argv[4])));
    }
    const double p = Median(program), m = Median(minimal);
    std::printf("start-up to visible window, median of %d: program %.1f ms, minimal %.1f ms, ratio %.3f\n",
                runs, p, m, p / m);
    return 0;
}
