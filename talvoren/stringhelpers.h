#pragma once
// Number parsing, word splitting and character classes for the engine's text readers.

#include <irrTypes.h>
#include <irrString.h>

#include <string>
#include <vector>

namespace Talvoren
{
//! Reads a leading decimal integer (blanks skipped); 0 when none. "C" locale.
irr::s32 toInt(const irr::core::stringw& text);
irr::s32 toInt(const std::wstring& text);
irr::s32 toInt(const std::string& text);

//! Reads a leading decimal number; the precision does not change the value.
irr::f64 toDouble(const std::wstring& text, irr::u16 precision);
irr::f64 toDouble(const std::string& text, irr::u16 precision);
irr::f32 toFloat(const std::wstring& text, irr::u16 precision);

//! Cuts at each separator found from one past the piece's start: a separator
//! right at a piece's start belongs to it, a trailing separator leaves an
//! empty last piece, an empty text gives one empty piece.
std::vector<std::wstring> split(const std::wstring& text);
std::vector<std::wstring> split(const std::wstring& text, wchar_t separator);
std::vector<std::string> split(const std::string& text, char separator);

//! Field of a key=value1,value2 line: 0 or less the key, 1.. the values
//! (double quotes group a value holding commas); "EGT_OUT_OF_RANGE" for a
//! value of a line without '='.
std::wstring getKeyValueField(const std::wstring& line, irr::s32 index);

bool isNumber(const std::wstring& text);
bool isIdentifier(const std::wstring& text);
bool isDelimiter(wchar_t c);
bool isLetter(wchar_t c);
bool isDigit(wchar_t c);
bool isDigitChar(int c);
} // namespace Talvoren
