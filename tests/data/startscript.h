#pragma once
// The calls of the shipped start.omx that put something on a map cell, read
// with the game's script reader.

#include "talvoren/ombelscript/composertoken.h"
#include "talvoren/ombelscript/ombelscriptmanager.h"
#include "tests/data/builtlevel.h"

#include <string>
#include <vector>

namespace datatest
{
struct CellCall
{
    std::wstring command;
    //! The first text argument, if any (the object type of create and addObject).
    std::wstring type;
    irr::s32 x;
    irr::s32 y;
    //! Every number argument after the cell, in order.
    std::vector<irr::f64> numbers;
};

//! The statements of start.omx whose first "( x , y )" names a map cell.
inline std::vector<CellCall> startScriptCells()
{
    namespace reader = Talvoren::reader;
    Talvoren::OmbelScriptManager manager;
    reader::OwnedTokens tokens;
    const std::string path = gameFile("gamedata/scripts/start.omx");
    manager.loadScriptFile(std::wstring(path.begin(), path.end()), tokens);
    std::vector<CellCall> calls;
    std::vector<const reader::ComposerToken*> statement;
    auto type = [&](std::size_t i) { return i < statement.size() ? statement[i]->getType() : 0u; };
    for (const auto& token : tokens)
    {
        if (!token->isStatementDelimiter())
        {
            statement.push_back(token.get());
            continue;
        }
        for (std::size_t i = 1; i + 4 < statement.size(); ++i)
            if (type(i) == reader::kOpenParenthesis && type(i + 1) == reader::kNumber && type(i + 2) == reader::kComma &&
                type(i + 3) == reader::kNumber && type(i + 4) == reader::kCloseParenthesis)
            {
                CellCall call{reader::textValue(*statement[0]), L"",
                              static_cast<irr::s32>(reader::numberValue(*statement[i + 1])),
                              static_cast<irr::s32>(reader::numberValue(*statement[i + 3])), {}};
                for (std::size_t j = 1; j < i; ++j)
                    if (type(j) == reader::kString && call.type.empty())
                        call.type = reader::textValue(*statement[j]);
                for (std::size_t j = i + 5; j < statement.size(); ++j)
                    if (type(j) == reader::kNumber)
                        call.numbers.push_back(reader::numberValue(*statement[j]));
                calls.push_back(call);
                break;
            }
        statement.clear();
    }
    return calls;
}
} // namespace datatest
