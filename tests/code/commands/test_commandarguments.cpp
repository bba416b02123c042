// A command call's arguments as read from its statement's tokens.

#include "code/src/commands/commandarguments.h"
#include "talvoren/ombelscript/composerfunctiondefinition.h"
#include "talvoren/ombelscript/scriptreader.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

using namespace Talvoren::reader;
using Belgarune::CommandArguments;

namespace
{
std::optional<CommandArguments> readCall(const std::wstring& line)
{
    const FunctionDefinitions functions{std::make_shared<ComposerFunctionDefinition>(L"cmd", std::vector<irr::u32>{})};
    OwnedTokens tokens;
    tokenizeLine(line, functions, tokens);
    TokenVector statement;
    for (const auto& token : tokens)
        statement.push_back(token.get());
    return CommandArguments::read(statement);
}

TEST(CommandArguments, CallsReadAsTheirKindsOrNotAtAll)
{
    const struct
    {
        const wchar_t* line;
        bool read;
        std::vector<irr::u32> kinds;
    } cases[] = {
        {L"cmd()", true, {}},
        {L"cmd(1, \"a\", true)", true, {kNumber, kString, kBool}},
        {L"cmd((1, 2), (1, 2, 3))", true, {kVector2d, kVector3d}},
        {L"cmd(7", true, {kNumber}},
        {L"cmd((1), 2)", false, {}},
        {L"cmd((1, 2, 3, 4))", false, {}},
        {L"cmd(1 2)", false, {}},
        {L"cmd(1) 2", false, {}},
        {L"cmd 1", false, {}},
    };
    for (const auto& c : cases)
    {
        const std::optional<CommandArguments> arguments = readCall(c.line);
        ASSERT_EQ(arguments.has_value(), c.read) << c.line;
        if (arguments)
        {
            EXPECT_TRUE(arguments->fit(c.kinds)) << c.line;
        }
    }
}
} // namespace
