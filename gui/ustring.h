#pragma once
// A small UTF-32 string: the text type the TrueType font measures and draws.

#include <irrString.h>
#include <irrTypes.h>

#include <cstddef>
#include <string>
#include <utility>

namespace irr
{
//! One Unicode code point.
typedef u32 uchar32_t;

namespace core
{
//! UTF-32 text built on std::u32string. wchar_t is UTF-32 on the platforms
//! this builds for, so wide texts convert character by character.
class ustring
{
public:
    static_assert(sizeof(wchar_t) == 4, "wide texts are expected in UTF-32");

    ustring() = default;
    //! A null text converts to an empty string.
    ustring(const wchar_t* text)
    {
        if (text)
            for (; *text; ++text)
                m_text.push_back(static_cast<char32_t>(*text));
    }
    ustring(const stringw& text) : ustring(text.c_str()) {}
    explicit ustring(std::u32string text) : m_text(std::move(text)) {}

    std::size_t size() const { return m_text.size(); }
    uchar32_t operator[](std::size_t index) const { return m_text[index]; }

    bool contains(uchar32_t character) const
    {
        return m_text.find(static_cast<char32_t>(character)) != std::u32string::npos;
    }
    //! Up to count characters from index on (empty beyond the end).
    ustring substr(std::size_t index, std::size_t count = std::u32string::npos) const
    {
        return index < m_text.size() ? ustring(m_text.substr(index, count)) : ustring();
    }
    //! The index of the first "\0", "\r" or "\n", or the size when none occurs.
    std::size_t findLineEnd() const
    {
        const std::size_t index = m_text.find_first_of(std::u32string(U"\0\r\n", 3));
        return index == std::u32string::npos ? m_text.size() : index;
    }
    //! Characters of the line break at index: 2 for "\r\n", 1 for a lone "\r"
    //! or "\n", 0 for any other character or an index beyond the end.
    std::size_t getLineBreakLength(std::size_t index) const
    {
        if (index >= m_text.size())
            return 0;
        if (m_text[index] == U'\r')
            return index + 1 < m_text.size() && m_text[index + 1] == U'\n' ? 2 : 1;
        return m_text[index] == U'\n' ? 1 : 0;
    }

private:
    std::u32string m_text;
};
} // namespace core
} // namespace irr
