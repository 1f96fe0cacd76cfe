// dialog_trojmian_test.cpp: the calculator dialog, created from its real
// template with a test owner window that records every UM_SET_DATA.

#include "dialog_trojmian.h"
#include "resource.h"
#include "solver.h"

#include "ui_script.h"
#include "ui_test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>
#include <vector>

namespace {

using ui::ItemText;
using ui::SetItemText;

// The owner: records each result record it is sent.
std::vector<QuadraticData> records;

LRESULT CALLBACK OwnerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == UM_SET_DATA) {
        records.push_back(*reinterpret_cast<const QuadraticData*>(wParam));
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

class TrojmianDialog : public ::testing::Test {
  protected:
    void SetUp() override
    {
        WNDCLASSW owner = {};
        owner.lpfnWndProc = OwnerProcedure;
        owner.hInstance = GetModuleHandleW(nullptr);
        owner.lpszClassName = L"TrojmianTestOwner";
        RegisterClassW(&owner);
        owner_ = CreateWindowExW(0, L"TrojmianTestOwner", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 300, 200, nullptr, nullptr, owner.hInstance, nullptr);
        ASSERT_NE(owner_, nullptr);
        Open();
    }
    void TearDown() override
    {
        DestroyWindow(dialog_);
        DestroyWindow(owner_);
        ui::Pump();
    }

    void Open()
    {
        dialog_ = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_TROJMIAN), owner_,
                                     DialogTrojmianProcedure, 0);
        ASSERT_NE(dialog_, nullptr);
        SetForegroundWindow(dialog_);
        ui::Pump();
        records.clear();
    }

    void Type(std::string_view a, std::string_view b, std::string_view c)
    {
        SetItemText(dialog_, IDC_A, a);
        SetItemText(dialog_, IDC_B, b);
        SetItemText(dialog_, IDC_C, c);
    }
    void Calculate() { SendMessageW(GetDlgItem(dialog_, IDOK), BM_CLICK, 0, 0); }
    void Arrow(WORD code)
    {
        SendMessageW(dialog_, WM_HSCROLL, MAKEWPARAM(code, 0),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog_, IDC_DOKLADNOSC_SCROLL)));
    }
    bool CalculateEnabled() const { return IsWindowEnabled(GetDlgItem(dialog_, IDOK)) != FALSE; }
    std::string Precision() const { return ItemText(dialog_, IDC_DOKLADNOSC); }

    HWND owner_ = nullptr;
    HWND dialog_ = nullptr;
};

TEST_F(TrojmianDialog, OpensEmptyWithPrecisionSixAndFocusInA)
{
    for (int id : {IDC_A, IDC_B, IDC_C, IDC_X0, IDC_X1})
        EXPECT_EQ(ItemText(dialog_, id), "") << id;
    EXPECT_FALSE(CalculateEnabled());
    EXPECT_EQ(Precision(), "6");
    EXPECT_EQ(ItemText(dialog_, IDCANCEL), "Anuluj");
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog_, IDC_A));
    EXPECT_EQ(ui::WindowText(dialog_), "Pierwiastki trójmianu kwadratowego");
}

TEST_F(TrojmianDialog, FontIsComicNeueStandingInForComicSansMs)
{
    HDC dc = GetDC(dialog_);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(dialog_, WM_GETFONT, 0, 0)));
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    // Without a font of that name Wine would answer with its fallback's.
    EXPECT_EQ(ui::Narrow(face), "Comic Sans MS");
    std::vector<char> metrics(GetOutlineTextMetricsW(dc, 0, nullptr));
    ASSERT_FALSE(metrics.empty());
    auto* otm = reinterpret_cast<OUTLINETEXTMETRICW*>(metrics.data());
    GetOutlineTextMetricsW(dc, static_cast<UINT>(metrics.size()), otm);
    const std::string full = ui::Narrow(
        reinterpret_cast<const wchar_t*>(metrics.data() + reinterpret_cast<std::size_t>(otm->otmpFullName)));
    EXPECT_NE(full.find("ComicNeue"), std::string::npos) << full;
    SelectObject(dc, old);
    ReleaseDC(dialog_, dc);
}

TEST_F(TrojmianDialog, TabOrderSkipsTheDisabledButton)
{
    constexpr int kOrder[] = {IDC_A, IDC_B, IDC_C, IDCANCEL, IDC_X0, IDC_X1, IDC_DOKLADNOSC, IDC_A};
    HWND at = GetDlgItem(dialog_, kOrder[0]);
    for (std::size_t i = 1; i < std::size(kOrder); ++i) {
        at = GetNextDlgTabItem(dialog_, at, FALSE);
        EXPECT_EQ(GetDlgCtrlID(at), kOrder[i]) << "step " << i;
    }
}

TEST_F(TrojmianDialog, JudgesEachTypedText)
{
    struct Row {
        std::string_view text;
        bool valid;
    };
    constexpr Row kRows[] = {
        {"", false},          {"-", false},          {"abc", false},        {"12a", false},
        {"2147483647", true}, {"-2147483648", true}, {"2147483648", false}, {"-2147483649", false},
        {"+5", true},         {" 5", true},          {"0", true},           {"-0", true},
        {"5 ", false},        {"--5", false},        {"00000000012", true}, {"１２", false},
    };
    // Every field sees every text, an overflow before the bounds included.
    for (int field : {IDC_A, IDC_B, IDC_C}) {
        Type("1", "1", "1");
        for (const Row& row : kRows) {
            SetItemText(dialog_, field, row.text);
            EXPECT_EQ(CalculateEnabled(), row.valid) << "field " << field << ", text \"" << row.text << '"';
        }
    }
}

TEST_F(TrojmianDialog, CoefficientFieldsTakeElevenTypedCharacters)
{
    for (int field : {IDC_A, IDC_B, IDC_C}) {
        HWND edit = GetDlgItem(dialog_, field);
        EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 11);
        SetFocus(edit);
        for (wchar_t ch : std::wstring_view(L"-123456789012"))
            SendMessageW(edit, WM_CHAR, ch, 0);
        EXPECT_EQ(ItemText(dialog_, field), "-1234567890") << field;
    }
}

TEST_F(TrojmianDialog, CalculateShowsTheRootsInRedAndSendsOneRecord)
{
    Type("1", "-3", "2");
    EXPECT_TRUE(CalculateEnabled());
    EXPECT_TRUE(records.empty());
    Calculate();

    EXPECT_EQ(ItemText(dialog_, IDC_X0), "1.00000");
    EXPECT_EQ(ItemText(dialog_, IDC_X1), "2.00000");
    EXPECT_FALSE(CalculateEnabled());
    EXPECT_EQ(ItemText(dialog_, IDCANCEL), "Zakończ");
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog_, IDCANCEL));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].a, 1);
    EXPECT_EQ(records[0].b, -3);
    EXPECT_EQ(records[0].c, 2);
    EXPECT_EQ(records[0].rootCount, 2);
    EXPECT_FALSE(records[0].complexRoots);
    EXPECT_EQ(records[0].x0, 1.0);
    EXPECT_EQ(records[0].x1, 2.0);

    // Red on the white stock brush for the two result fields only.
    HDC dc = CreateCompatibleDC(nullptr);
    for (int id : {IDC_X0, IDC_X1, IDC_DOKLADNOSC, IDC_X0_LABEL, IDC_X1_LABEL}) {
        SetTextColor(dc, RGB(0, 0, 0));
        const auto brush = SendMessageW(dialog_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                        reinterpret_cast<LPARAM>(GetDlgItem(dialog_, id)));
        const bool result = id == IDC_X0 || id == IDC_X1;
        EXPECT_EQ(GetTextColor(dc) == RGB(255, 0, 0), result) << id;
        EXPECT_EQ(brush == reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH)), result) << id;
    }
    DeleteDC(dc);
}

TEST_F(TrojmianDialog, ShowsEveryKindOfResult)
{
    struct Row {
        std::string_view a, b, c, x0, x1;
    };
    constexpr Row kRows[] = {
        {"1", "1", "1", "-0.500000 + 0.866025i", "-0.500000 - 0.866025i"},
        {"0", "2", "-4", "2", "nie istnieje"},
        {"0", "0", "5", "Równanie nie ma rozwiązań!", ""},
        {"0", "0", "0", "Każda liczba spełnia to równanie", ""},
    };
    for (const Row& row : kRows) {
        Type(row.a, row.b, row.c);
        Calculate();
        EXPECT_EQ(ItemText(dialog_, IDC_X0), row.x0) << row.a << ' ' << row.b << ' ' << row.c;
        EXPECT_EQ(ItemText(dialog_, IDC_X1), row.x1) << row.a << ' ' << row.b << ' ' << row.c;
    }
    EXPECT_EQ(records.size(), std::size(kRows));
}

TEST_F(TrojmianDialog, CalculateCommandWithAnInvalidFieldDoesNothing)
{
    Type("1", "-3", "2");
    Calculate();
    records.clear();
    SetItemText(dialog_, IDC_B, "x");
    // Enter, or a tool pressing the button, can send IDOK regardless.
    SendMessageW(dialog_, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(records.empty());
    EXPECT_EQ(ItemText(dialog_, IDC_X0), "");
    EXPECT_EQ(ItemText(dialog_, IDCANCEL), "Anuluj");
}

TEST_F(TrojmianDialog, PrecisionStepsRecalculateWhenTheFieldsAreValid)
{
    Type("1", "-3", "2");
    Calculate();
    Arrow(SB_LINERIGHT);
    EXPECT_EQ(Precision(), "7");
    EXPECT_EQ(ItemText(dialog_, IDC_X0), "1.000000");
    EXPECT_EQ(ItemText(dialog_, IDC_X1), "2.000000");
    EXPECT_EQ(records.size(), 2u);

    // Other scroll codes change nothing.
    for (WORD code : {SB_PAGELEFT, SB_PAGERIGHT, SB_THUMBTRACK, SB_ENDSCROLL})
        Arrow(code);
    EXPECT_EQ(Precision(), "7");
    EXPECT_EQ(records.size(), 2u);

    // With complete inputs a step calculates even before the button.
    Type("1", "-1", "-1");
    records.clear();
    Arrow(SB_LINELEFT);
    EXPECT_EQ(Precision(), "6");
    EXPECT_EQ(ItemText(dialog_, IDC_X0), "-0.618034");
    EXPECT_EQ(records.size(), 1u);
}

TEST_F(TrojmianDialog, PrecisionStepsWithAnInvalidFieldOnlyChangeThePrecision)
{
    Type("1", "", "2");
    Arrow(SB_LINERIGHT);
    Arrow(SB_LINERIGHT);
    EXPECT_EQ(Precision(), "8");
    EXPECT_EQ(ItemText(dialog_, IDC_X0), "");
    EXPECT_TRUE(records.empty());
}

TEST_F(TrojmianDialog, PrecisionStopsAtOneAndFifteen)
{
    Type("0", "3", "-1");
    for (int i = 0; i < 20; ++i)
        Arrow(SB_LINERIGHT);
    EXPECT_EQ(Precision(), "15");
    EXPECT_EQ(ItemText(dialog_, IDC_X0), "0.333333333333333");
    EXPECT_EQ(records.size(), 9u);  // 7, 8, ..., 15; the arrow at 15 is ignored
    for (int i = 0; i < 20; ++i)
        Arrow(SB_LINELEFT);
    EXPECT_EQ(Precision(), "1");
    EXPECT_EQ(ItemText(dialog_, IDC_X0), "0.3");
    EXPECT_EQ(records.size(), 9u + 14u);
}

TEST_F(TrojmianDialog, EditAfterCalculationGoesBackToEditing)
{
    Type("1", "-3", "2");
    Calculate();
    records.clear();
    SetItemText(dialog_, IDC_C, "3");
    EXPECT_EQ(ItemText(dialog_, IDC_X0), "");
    EXPECT_EQ(ItemText(dialog_, IDC_X1), "");
    EXPECT_EQ(ItemText(dialog_, IDCANCEL), "Anuluj");
    EXPECT_TRUE(CalculateEnabled());
    EXPECT_TRUE(records.empty());
}

TEST_F(TrojmianDialog, ReopeningResetsPrecisionFieldsAndButton)
{
    Type("1", "-3", "2");
    Arrow(SB_LINERIGHT);
    SendMessageW(dialog_, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    DestroyWindow(dialog_);
    Open();
    EXPECT_EQ(Precision(), "6");
    for (int id : {IDC_A, IDC_B, IDC_C, IDC_X0, IDC_X1})
        EXPECT_EQ(ItemText(dialog_, id), "") << id;
    EXPECT_FALSE(CalculateEnabled());
    // Arrows with fresh, empty fields do not calculate from old values.
    Arrow(SB_LINERIGHT);
    EXPECT_TRUE(records.empty());
}

TEST_F(TrojmianDialog, ModalDialogClosesWithResultZero)
{
    struct Way {
        const char* name;
        std::function<void(HWND)> close;
    };
    const Way kWays[] = {
        {"Anuluj button", [](HWND d) { SendMessageW(GetDlgItem(d, IDCANCEL), BM_CLICK, 0, 0); }},
        {"Esc", [](HWND d) { PostMessageW(GetDlgItem(d, IDC_A), WM_KEYDOWN, VK_ESCAPE, 0); }},
        {"close box", [](HWND d) { PostMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const Way& way : kWays) {
        HWND seen = nullptr;
        ui::Script script({[&] {
            seen = ui::FindDialog("Pierwiastki trójmianu kwadratowego");
            if (seen)
                way.close(seen);
            return seen != nullptr;
        }});
        const INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_TROJMIAN),
                                               owner_, DialogTrojmianProcedure, 0);
        EXPECT_NE(seen, nullptr) << way.name;
        EXPECT_EQ(result, 0) << way.name;
        EXPECT_TRUE(IsWindowEnabled(owner_)) << way.name;
    }
}

}  // namespace
