#include "talvoren/stringhelpers.h"

#include <locale>
#include <sstream>

namespace Talvoren
{
namespace
{
template <typename Number, typename Char>
Number readNumber(const std::basic_string<Char>& text)
{
    std::basic_istringstream<Char> stream(text);
    stream.imbue(std::locale::classic());
    Number value = 0;
    stream >> value;
    return value;
}

template <typename Char>
std::vector<std::basic_string<Char>> splitAt(const std::basic_string<Char>& text, Char separator)
{
    std::vector<std::basic_string<Char>> pieces;
    typename std::basic_string<Char>::size_type start = 0;
    for (;;)
    {
        const auto found = text.find(separator, start + 1);
        if (found == std::basic_string<Char>::npos)
        {
            pieces.push_back(start < text.size() ? text.substr(start) : std::basic_string<Char>());
            return pieces;
        }
        pieces.push_back(text.substr(start, found - start));
        start = found + 1;
    }
}
} // namespace

irr::s32 toInt(const irr::core::stringw& text)
{
    return toInt(std::wstring(text.c_str()));
}

irr::s32 toInt(const std::wstring& text)
{
    return readNumber<irr::s32>(text);
}

irr::s32 toInt(const std::string& text)
{
    return readNumber<irr::s32>(text);
}

irr::f64 toDouble(const std::wstring& text, irr::u16)
{
    return readNumber<irr::f64>(text);
}

irr::f64 toDouble(const std::string& text, irr::u16)
{
    return readNumber<irr::f64>(text);
}

irr::f32 toFloat(const std::wstring& text, irr::u16)
{
    return readNumber<irr::f32>(text);
}

std::vector<std::wstring> split(const std::wstring& text)
{
    return splitAt(text, L' ');
}

std::vector<std::wstring> split(const std::wstring& text, wchar_t separator)
{
    return splitAt(text, separator);
}

std::vector<std::string> split(const std::string& text, char separator)
{
    return splitAt(text, separator);
}

std::wstring getKeyValueField(const std::wstring& line, irr::s32 index)
{
    const std::wstring::size_type equals = line.find(L'=');
    if (index <= 0)
        return equals == std::wstring::npos ? line : line.substr(0, equals);
    if (equals == std::wstring::npos)
        return L"EGT_OUT_OF_RANGE";

    std::wstring field;
    irr::s32 number = 1;
    bool quoted = false;
    std::wstring::size_type pos = equals + 1;
    auto beginField = [&]() {
        quoted = pos < line.size() && line[pos] == L'"';
        if (quoted)
            ++pos;
    };
    beginField();
    while (pos < line.size())
    {
        const wchar_t c = line[pos];
        if (c == L'"')
        {
            // A quotation mark ends a field when a comma follows, else the walk.
            if (pos + 1 >= line.size() || line[pos + 1] != L',')
                break;
            ++number;
            pos += 2;
            beginField();
            continue;
        }
        if (c == L',' && !quoted)
        {
            ++number;
            ++pos;
            beginField();
            continue;
        }
        if (number == index)
            field += c;
        ++pos;
    }
    return field;
}

bool isNumber(const std::wstring& text)
{
    if (text.empty() || text.back() == L'.')
        return false;
    bool dotSeen = false;
    for (std::wstring::size_type i = 0; i < text.size(); ++i)
    {
        const wchar_t c = text[i];
        if (c == L'-')
        {
            if (i != 0)
                return false;
        }
        else if (c == L'.')
        {
            if (dotSeen || i == 0 || (i == 1 && text[0] == L'-'))
                return false;
            dotSeen = true;
        }
        else if (!isDigitChar(c))
        {
            return false;
        }
    }
    return true;
}

bool isIdentifier(const std::wstring& text)
{
    if (text.empty())
        return false;
    if (!isLetter(text[0]) && text[0] != L'$')
        return false;
    for (std::wstring::size_type i = 1; i < text.size(); ++i)
    {
        if (!isLetter(text[i]) && !isDigit(text[i]) && text[i] != L'_')
            return false;
    }
    return true;
}

bool isDelimiter(wchar_t c)
{
    switch (c)
    {
    case L' ': case L'!': case L'%': case L'&': case L'(': case L')': case L'*': case L'+': case L',':
    case L'-': case L'/': case L':': case L';': case L'<': case L'=': case L'>': case L'{': case L'|':
    case L'}':
        return true;
    default:
        return false;
    }
}

bool isLetter(wchar_t c)
{
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
}

bool isDigit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}

bool isDigitChar(int c)
{
    return c >= '0' && c <= '9';
}
} // namespace Talvoren
