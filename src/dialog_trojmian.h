// dialog_trojmian.h: the calculator dialog (template IDD_TROJMIAN).

#pragma once

#include <windows.h>

INT_PTR CALLBACK DialogTrojmianProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
