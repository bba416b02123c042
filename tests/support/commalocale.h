#pragma once
// Test helper: a global locale that writes numbers the German way (2,5 and
// 1.920), made in the test itself since the machine may have no such locale.

#include <locale>
#include <string>

namespace testsupport
{
template <typename Char>
class CommaDecimalPunctuation : public std::numpunct<Char>
{
protected:
    Char do_decimal_point() const override { return Char(','); }
    Char do_thousands_sep() const override { return Char('.'); }
    std::string do_grouping() const override { return "\3"; }
};

//! Makes the comma locale global (narrow and wide streams) while it lives.
class CommaDecimalLocale
{
public:
    CommaDecimalLocale()
        : m_previous(std::locale::global(std::locale(std::locale(std::locale::classic(),
                                                                 new CommaDecimalPunctuation<char>),
                                                     new CommaDecimalPunctuation<wchar_t>)))
    {
    }
    ~CommaDecimalLocale() { std::locale::global(m_previous); }
    CommaDecimalLocale(const CommaDecimalLocale&) = delete;
    CommaDecimalLocale& operator=(const CommaDecimalLocale&) = delete;

private:
    std::locale m_previous;
};
} // namespace testsupport
