// dialog_o_programie.cpp: the About dialog. Its picture, text and button
// all come from the template; any command (OK, Enter, Esc, the close box)
// closes it.

#include "dialog_o_programie.h"

INT_PTR CALLBACK DialogOProgramie(HWND dialog, UINT message, WPARAM, LPARAM)
{
    switch (message) {
    case WM_COMMAND:
        EndDialog(dialog, 0);
        return TRUE;
    }
    // WM_INITDIALOG included: no focus of our own is asked for.
    return FALSE;
}
