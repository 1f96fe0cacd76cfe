// dialog_o_programie.h: the About dialog (template IDD_O_PROGRAMIE).

#pragma once

#include <windows.h>

INT_PTR CALLBACK DialogOProgramie(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
