#pragma once
// The arguments of a script command call, read from its statement and checked
// against the kinds the command expects.

#include "talvoren/ombelscript/composertoken.h"

#include <irrTypes.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace Belgarune
{
//! A number, a bool, a text, or two or three numbers in parentheses; the kind
//! is the token type code a function definition declares for it.
struct CommandArgument
{
    irr::u32 kind = Talvoren::reader::kNumber;
    double numbers[3] = {};
    bool flag = false;
    std::wstring text;
};

//! Read from "name ( a , b , ... )", one token per number, text or bool, a
//! pair or triple written "( x , y )" or "( x , y , z )". A missing ')' at the
//! very end is accepted: a script's last token never joins its statement.
class CommandArguments
{
public:
    //! None when the statement is not a call of that shape.
    static std::optional<CommandArguments> read(const Talvoren::reader::TokenVector& statement);

    //! True when the arguments are exactly of these kinds, in this order.
    bool fit(const std::vector<irr::u32>& kinds) const;
    std::size_t size() const { return m_arguments.size(); }

    // Accessors by argument index; the caller has checked the kinds.
    double number(std::size_t index) const { return m_arguments[index].numbers[0]; }
    irr::s32 integer(std::size_t index) const;
    bool flag(std::size_t index) const { return m_arguments[index].flag; }
    const std::wstring& text(std::size_t index) const { return m_arguments[index].text; }
    //! Component 0..2 of a pair or triple.
    double component(std::size_t index, std::size_t component) const
    {
        return m_arguments[index].numbers[component];
    }

private:
    std::vector<CommandArgument> m_arguments;
};

//! Truncated toward zero after clamping to the 32-bit range; NaN gives 0.
irr::s32 toInt32(double value);
//! A duration in ms: truncated, negative and NaN give 0.
irr::u32 toDurationMs(double value);
} // namespace Belgarune
