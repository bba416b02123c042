#pragma once
// The calls of a shipped script, read with the game's script reader: the
// command's name, its texts and its numbers in order.

#include "talvoren/ombelscript/composertoken.h"
#include "talvoren/ombelscript/ombelscriptmanager.h"
#include "tests/data/builtlevel.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace datatest
{
struct ScriptCall
{
    std::wstring command;
    std::vector<std::wstring> texts;
    //! Every number, a pair's or triple's components included; "-" before a number negates it.
    std::vector<irr::f64> numbers;
    //! Every "true" and "false", in order.
    std::vector<bool> flags;
    //! Where the first "( x , y )" starts in numbers.
    std::optional<std::size_t> cell;

    irr::s32 cellX() const { return static_cast<irr::s32>(numbers[*cell]); }
    irr::s32 cellY() const { return static_cast<irr::s32>(numbers[*cell + 1]); }
    //! The numbers after the cell.
    std::vector<irr::f64> afterCell() const
    {
        return std::vector<irr::f64>(numbers.begin() + static_cast<std::ptrdiff_t>(*cell + 2), numbers.end());
    }
    const std::wstring& firstText() const
    {
        static const std::wstring none;
        return texts.empty() ? none : texts.front();
    }
};

//! The statements of gamedata/scripts/<name> whose first token names something.
inline std::vector<ScriptCall> readScriptCalls(const std::string& name)
{
    namespace reader = Talvoren::reader;
    Talvoren::OmbelScriptManager manager;
    reader::OwnedTokens tokens;
    const std::string path = gameFile("gamedata/scripts/" + name);
    manager.loadScriptFile(std::wstring(path.begin(), path.end()), tokens);
    std::vector<ScriptCall> calls;
    std::vector<const reader::ComposerToken*> statement;
    auto type = [&](std::size_t i) { return i < statement.size() ? statement[i]->getType() : 0u; };
    for (const auto& token : tokens)
    {
        if (!token->isStatementDelimiter())
        {
            statement.push_back(token.get());
            continue;
        }
        if (type(0) == reader::kName)
        {
            ScriptCall call{reader::textValue(*statement[0]), {}, {}, {}, std::nullopt};
            for (std::size_t i = 1; i < statement.size(); ++i)
            {
                if (type(i) == reader::kString)
                    call.texts.push_back(reader::textValue(*statement[i]));
                if (type(i) == reader::kBool)
                    call.flags.push_back(static_cast<const reader::ComposerBoolToken&>(*statement[i]).getValue());
                if (type(i) != reader::kNumber)
                    continue;
                if (!call.cell && type(i - 1) == reader::kOpenParenthesis && type(i + 1) == reader::kComma &&
                    type(i + 2) == reader::kNumber && type(i + 3) == reader::kCloseParenthesis)
                    call.cell = call.numbers.size();
                call.numbers.push_back(type(i - 1) == reader::kMinus ? -reader::numberValue(*statement[i])
                                                                    : reader::numberValue(*statement[i]));
            }
            calls.push_back(call);
        }
        statement.clear();
    }
    return calls;
}

//! Every shipped script's file name.
inline std::vector<std::string> shippedScriptNames()
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(gameFile("gamedata/scripts")))
        if (entry.path().extension() == ".omx")
            names.push_back(entry.path().filename().string());
    return names;
}
} // namespace datatest
