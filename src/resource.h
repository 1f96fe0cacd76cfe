/* resource.h: the numeric identifiers shared by the C++ code and the
 * resource script trojmian.rc. */

#pragma once

/* Dialog templates and the menu */
#define IDD_TROJMIAN 101
#define IDR_MENU 111
#define IDD_O_PROGRAMIE 112

/* Menu commands */
#define IDM_OBLICZ 40001
#define IDM_O_PROGRAMIE 40002

/* Controls of the calculator dialog (IDOK and IDCANCEL come from windows.h) */
#define IDC_A 1001
#define IDC_B 1002
#define IDC_C 1003
#define IDC_X0 1005
#define IDC_X1 1006
#define IDC_DOKLADNOSC 1009
#define IDC_DOKLADNOSC_SCROLL 1013
#define IDC_X1_LABEL 1015
#define IDC_X0_LABEL 1016

/* Controls of the About dialog */
#define IDC_BITMAPA 1018
#define IDC_OPIS 1019

#ifndef RC_INVOKED
#include <windows.h>

/* The message that carries a QuadraticData from the calculator dialog to
 * the main window: WPARAM is its address, valid during the send only. */
inline constexpr UINT UM_SET_DATA = WM_USER + 1;
#endif
