// dialog_trojmian.cpp: the calculator dialog. Checks the three
// coefficients as they are typed, steps the precision with the arrows of
// a small scroll bar, shows the solver's two texts in red and hands each
// result record to the owner window with UM_SET_DATA.

#include "dialog_trojmian.h"

#include "resource.h"
#include "solver.h"
#include "text.h"

#include <array>
#include <cstdint>
#include <iterator>

namespace {

// Room for a minus sign and the ten digits of -2147483648.
constexpr WPARAM kCoefficientLimit = 11;
constexpr std::array<int, 3> kCoefficientFields = {IDC_A, IDC_B, IDC_C};
constexpr COLORREF kResultColour = RGB(255, 0, 0);

// Kept for the whole run; gotowe and dokladnosc are reset at each opening.
std::array<std::int32_t, 3> parametr = {0, 0, 0};
std::array<bool, 3> gotowe = {false, false, false};
unsigned dokladnosc = 0;

// Reads a coefficient field as a signed 32-bit decimal integer: leading
// spaces, an optional sign, then digits and nothing else. (Wine's
// GetDlgItemInt accepts trailing letters and, once any text has
// overflowed, rejects 2147483647 and -2147483648 for good: it reads a
// stale errno. So the field is read here instead.)
bool ReadCoefficient(HWND dialog, int id, std::int32_t& value)
{
    wchar_t text[64] = {};
    GetDlgItemTextW(dialog, id, text, static_cast<int>(std::size(text)));
    const wchar_t* at = text;
    while (*at == L' ')
        ++at;
    const bool negative = *at == L'-';
    if (*at == L'-' || *at == L'+')
        ++at;
    if (*at == L'\0')
        return false;
    std::int64_t magnitude = 0;
    for (; *at != L'\0'; ++at) {
        if (*at < L'0' || *at > L'9')
            return false;
        magnitude = magnitude * 10 + (*at - L'0');
        if (magnitude > std::int64_t{INT32_MAX} + 1)
            return false;
    }
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT32_MAX)
        return false;
    value = static_cast<std::int32_t>(signedValue);
    return true;
}

bool AllCoefficientsValid()
{
    return gotowe[0] && gotowe[1] && gotowe[2];
}

void InitDialog(HWND dialog)
{
    gotowe = {false, false, false};
    dokladnosc = kDefaultPrecision;
    for (int id : kCoefficientFields)
        SendDlgItemMessageW(dialog, id, EM_LIMITTEXT, kCoefficientLimit, 0);
    SetDlgItemInt(dialog, IDC_DOKLADNOSC, dokladnosc, FALSE);
    SetFocus(GetDlgItem(dialog, IDC_A));
}

// A coefficient field changed: judge it, and go back to editing.
void CoefficientChanged(HWND dialog, std::size_t index)
{
    gotowe[index] = ReadCoefficient(dialog, kCoefficientFields[index], parametr[index]);
    EnableWindow(GetDlgItem(dialog, IDOK), AllCoefficientsValid());
    SetDlgItemTextUtf8(dialog, IDCANCEL, "Anuluj");
    SetDlgItemTextUtf8(dialog, IDC_X0, "");
    SetDlgItemTextUtf8(dialog, IDC_X1, "");
}

void Calculate(HWND dialog)
{
    // The button is disabled while a field is invalid, but IDOK can still
    // arrive (Enter, an accessibility tool): never compute with stale values.
    if (!AllCoefficientsValid())
        return;
    const SolveResult result = SolveQuadratic(parametr[0], parametr[1], parametr[2], dokladnosc);
    SetDlgItemTextUtf8(dialog, IDC_X0, result.x0Text.data());
    SetDlgItemTextUtf8(dialog, IDC_X1, result.x1Text.data());
    EnableWindow(GetDlgItem(dialog, IDOK), FALSE);
    SetDlgItemTextUtf8(dialog, IDCANCEL, "Zakończ");
    SetFocus(GetDlgItem(dialog, IDCANCEL));
    // Synchronous: the owner copies the record before the send returns.
    SendMessageW(GetParent(dialog), UM_SET_DATA, reinterpret_cast<WPARAM>(&result.data), 0);
}

void StepPrecision(HWND dialog, WORD code)
{
    const unsigned before = dokladnosc;
    if (code == SB_LINELEFT && dokladnosc > kMinPrecision)
        --dokladnosc;
    else if (code == SB_LINERIGHT && dokladnosc < kMaxPrecision)
        ++dokladnosc;
    if (dokladnosc == before)
        return;
    SetDlgItemInt(dialog, IDC_DOKLADNOSC, dokladnosc, FALSE);
    if (AllCoefficientsValid())
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, 0), 0);
}

INT_PTR OnCommand(HWND dialog, WORD id, WORD code)
{
    switch (id) {
    case IDCANCEL:
        EndDialog(dialog, 0);
        return TRUE;
    case IDOK:
        Calculate(dialog);
        return TRUE;
    case IDC_A:
    case IDC_B:
    case IDC_C:
        if (code == EN_CHANGE)
            CoefficientChanged(dialog, static_cast<std::size_t>(id - IDC_A));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

INT_PTR CALLBACK DialogTrojmianProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        InitDialog(dialog);
        return TRUE;

    case WM_COMMAND:
        return OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));

    case WM_HSCROLL:
        StepPrecision(dialog, LOWORD(wParam));
        return TRUE;

    case WM_CTLCOLORSTATIC: {
        const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
        if (id != IDC_X0 && id != IDC_X1)
            return FALSE;
        SetTextColor(reinterpret_cast<HDC>(wParam), kResultColour);
        return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
    }
    }
    return FALSE;
}
