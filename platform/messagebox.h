#pragma once
// Stand-in for the desktop's modal message box: the text goes to standard error.

#include <string>

namespace platform
{
//! Writes caption + ": " + text as one line to standard error.
void showMessageBox(const std::wstring& caption, const std::wstring& text);
} // namespace platform
