// response_benchmark: time inside the program from the Calculate command
// to both result texts set and the record sent, measured with
// QueryPerformanceCounter around the synchronous WM_COMMAND, over 1,000
// calculations of the calculator dialog created from its real template.

#include "dialog_trojmian.h"
#include "resource.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

int records = 0;

LRESULT CALLBACK OwnerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == UM_SET_DATA) {
        ++records;
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int main()
{
    WNDCLASSW owner = {};
    owner.lpfnWndProc = OwnerProcedure;
    owner.hInstance = GetModuleHandleW(nullptr);
    owner.lpszClassName = L"ResponseOwner";
    RegisterClassW(&owner);
    HWND window = CreateWindowExW(0, L"ResponseOwner", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                                  200, nullptr, nullptr, owner.hInstance, nullptr);
    HWND dialog = CreateDialogParamW(owner.hInstance, MAKEINTRESOURCEW(IDD_TROJMIAN), window,
                                     DialogTrojmianProcedure, 0);
    if (!dialog)
        return 1;
    SetDlgItemTextW(dialog, IDC_A, L"1");
    SetDlgItemTextW(dialog, IDC_B, L"-1");

    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> micros;
    for (int i = 0; i < 1000; ++i) {
        SetDlgItemTextW(dialog, IDC_C, std::to_wstring(-1 - i % 50).c_str());
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        QueryPerformanceCounter(&end);
        micros.push_back(1e6 * static_cast<double>(end.QuadPart - start.QuadPart) /
                         static_cast<double>(frequency.QuadPart));
    }
    std::sort(micros.begin(), micros.end());
    std::printf(
        "Calculate to texts set and record sent, %d records: median %.1f us, 90th percentile %.1f us\n",
        records, micros[micros.size() / 2], micros[micros.size() * 9 / 10]);
    DestroyWindow(dialog);
    DestroyWindow(window);
    return records == 1000 ? 0 : 1;
}
