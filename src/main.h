// main.h: the main window, declared for the tests that drive it.

#pragma once

#include <windows.h>

#include <array>

inline constexpr wchar_t kWindowClass[] = L"Taronix";
inline constexpr int kWindowWidth = 744;
inline constexpr int kWindowHeight = 375;

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The summary painted for a two-real-root result, UTF-8; empty otherwise.
struct QuadraticData;
using SummaryText = std::array<char, 512>;
SummaryText FormatSummary(const QuadraticData& data);
