#include "code/src/commands/commandarguments.h"

#include <cmath>
#include <limits>

namespace Belgarune
{
using namespace Talvoren::reader;

namespace
{
//! Walks a statement from its third token; every read moves past what it took.
class CallReader
{
public:
    explicit CallReader(const TokenVector& statement) : m_tokens(statement) {}

    bool atEnd() const { return m_position >= m_tokens.size(); }
    bool next(irr::u32 type) const { return !atEnd() && m_tokens[m_position]->getType() == type; }
    bool take(irr::u32 type)
    {
        if (!next(type))
            return false;
        ++m_position;
        return true;
    }

    //! From ')' or the end of the statement: the call is complete.
    bool closed()
    {
        return atEnd() || (take(kCloseParenthesis) && atEnd());
    }

    bool readArgument(CommandArgument& argument)
    {
        if (atEnd())
            return false;
        const ComposerToken& token = *m_tokens[m_position];
        argument.kind = token.getType();
        switch (argument.kind)
        {
        case kNumber:
            argument.numbers[0] = numberValue(token);
            break;
        case kString:
            argument.text = textValue(token);
            break;
        case kBool:
            argument.flag = static_cast<const ComposerBoolToken&>(token).getValue();
            break;
        case kOpenParenthesis:
            ++m_position;
            return readNumbers(argument);
        default:
            return false;
        }
        ++m_position;
        return true;
    }

private:
    //! "x , y )" or "x , y , z )" after the '('.
    bool readNumbers(CommandArgument& argument)
    {
        std::size_t count = 0;
        do
        {
            if (count == 3 || !next(kNumber))
                return false;
            argument.numbers[count++] = numberValue(*m_tokens[m_position++]);
        } while (take(kComma));
        if (count < 2 || !take(kCloseParenthesis))
            return false;
        argument.kind = count == 2 ? kVector2d : kVector3d;
        return true;
    }

    const TokenVector& m_tokens;
    std::size_t m_position = 2;
};
} // namespace

std::optional<CommandArguments> CommandArguments::read(const TokenVector& statement)
{
    if (statement.size() < 2 || statement[1]->getType() != kOpenParenthesis)
        return std::nullopt;
    CallReader reader(statement);
    CommandArguments arguments;
    if (reader.closed())
        return arguments;
    for (;;)
    {
        CommandArgument argument;
        if (!reader.readArgument(argument))
            return std::nullopt;
        arguments.m_arguments.push_back(std::move(argument));
        if (reader.take(kComma))
            continue;
        if (reader.closed())
            return arguments;
        return std::nullopt;
    }
}

bool CommandArguments::fit(const std::vector<irr::u32>& kinds) const
{
    if (kinds.size() != m_arguments.size())
        return false;
    for (std::size_t i = 0; i < kinds.size(); ++i)
    {
        if (m_arguments[i].kind != kinds[i])
            return false;
    }
    return true;
}

irr::s32 CommandArguments::integer(std::size_t index) const
{
    return toInt32(number(index));
}

irr::s32 toInt32(double value)
{
    if (std::isnan(value))
        return 0;
    if (value <= static_cast<double>(std::numeric_limits<irr::s32>::min()))
        return std::numeric_limits<irr::s32>::min();
    if (value >= static_cast<double>(std::numeric_limits<irr::s32>::max()))
        return std::numeric_limits<irr::s32>::max();
    return static_cast<irr::s32>(value);
}

irr::u32 toDurationMs(double value)
{
    const irr::s32 ms = toInt32(value);
    return ms > 0 ? static_cast<irr::u32>(ms) : 0;
}
} // namespace Belgarune
