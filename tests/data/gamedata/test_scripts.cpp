// The shipped scripts as the script reader sees them: no word lost, every file
// closed, and every file they name present in the game tree.

#include "talvoren/ombelscript/composertoken.h"
#include "talvoren/ombelscript/ombelscriptmanager.h"
#include "tests/data/scriptcalls.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace
{
using Talvoren::reader::ComposerToken;
namespace tokens = Talvoren::reader;

struct ScriptFile
{
    std::string name;
    std::vector<std::string> lines;
};

std::vector<ScriptFile> shippedScripts()
{
    std::vector<ScriptFile> scripts;
    for (const std::string& name : datatest::shippedScriptNames())
    {
        ScriptFile script{name, {}};
        std::ifstream in(datatest::gameFile("gamedata/scripts/" + name));
        for (std::string line; std::getline(in, line);)
            script.lines.push_back(line);
        scripts.push_back(script);
    }
    return scripts;
}

bool isWordCharacter(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$' || c == '.';
}

//! The words a reader should keep from one line: quoted texts and runs of
//! letters, digits, '_', '$' and '.', up to a comment.
std::size_t wordsWritten(const std::string& line)
{
    std::size_t words = 0;
    for (std::size_t i = line.find_first_not_of(" \t"); i < line.size();)
    {
        if (line[i] == '%')
            break;
        if (line[i] == '"')
        {
            const std::size_t close = line.find('"', i + 1);
            ++words;
            i = close == std::string::npos ? line.size() : close + 1;
        }
        else if (isWordCharacter(line[i]))
        {
            ++words;
            while (i < line.size() && isWordCharacter(line[i]))
                ++i;
        }
        else
            ++i;
    }
    return words;
}

bool isWordToken(const ComposerToken& token)
{
    switch (token.getType())
    {
    case tokens::kFunction:
    case tokens::kName:
    case tokens::kVariable:
    case tokens::kNumber:
    case tokens::kString:
    case tokens::kBool:
    case tokens::kIf:
    case tokens::kTactic:
    case tokens::kOn:
    case tokens::kPriority:
        return true;
    default:
        return false;
    }
}

TEST(ShippedScripts, IncludeTheOnesTheGameStartsByName)
{
    for (const char* name : {"start.omx", "intro.omx", "kill1.omx", "reset.omx"})
        EXPECT_TRUE(std::filesystem::exists(datatest::gameFile(std::string("gamedata/scripts/") + name))) << name;
}

TEST(ShippedScripts, AreAsciiTextWithoutTabsOrCarriageReturns)
{
    const std::vector<ScriptFile> scripts = shippedScripts();
    ASSERT_GE(scripts.size(), 4u);
    for (const ScriptFile& script : scripts)
        for (std::size_t n = 0; n < script.lines.size(); ++n)
            for (const char c : script.lines[n])
                EXPECT_TRUE(c >= ' ' && c <= '~') << script.name << ":" << n + 1;
}

TEST(ShippedScripts, TheReaderKeepsEveryWordAndEveryFileEndsAStatement)
{
    Talvoren::OmbelScriptManager manager;
    for (const ScriptFile& script : shippedScripts())
    {
        tokens::OwnedTokens all;
        for (std::size_t n = 0; n < script.lines.size(); ++n)
        {
            tokens::OwnedTokens line;
            manager.tokenizeLine(std::wstring(script.lines[n].begin(), script.lines[n].end()), line);
            std::size_t kept = 0;
            for (const auto& token : line)
                kept += isWordToken(*token) ? 1 : 0;
            EXPECT_EQ(kept, wordsWritten(script.lines[n])) << script.name << ":" << n + 1;
            for (auto& token : line)
                all.push_back(std::move(token));
        }
        ASSERT_FALSE(all.empty()) << script.name;
        EXPECT_TRUE(all.back()->isStatementDelimiter()) << script.name << " would lose its last token";
    }
}

TEST(ShippedScripts, NameOnlyFilesOfTheGameTree)
{
    Talvoren::OmbelScriptManager manager;
    int named = 0;
    for (const ScriptFile& script : shippedScripts())
        for (const std::string& text : script.lines)
        {
            tokens::OwnedTokens line;
            manager.tokenizeLine(std::wstring(text.begin(), text.end()), line);
            for (const auto& token : line)
            {
                const std::wstring& value = tokens::textValue(*token);
                if (token->getType() != tokens::kString || value.rfind(L"gamedata/", 0) != 0)
                    continue;
                ++named;
                EXPECT_TRUE(std::filesystem::exists(datatest::gameFile(std::string(value.begin(), value.end()))))
                    << script.name << " names " << std::string(value.begin(), value.end());
            }
        }
    EXPECT_GT(named, 10);
}

//! Whether a sentence of the text begins with a verb that asks the player to act.
bool asksToAct(const std::wstring& text)
{
    const std::wstring sentences = L". " + text;
    for (const wchar_t* verb : {L"Play ", L"Sing ", L"Light ", L"Go ", L"Walk ", L"Find "})
        for (const wchar_t* stop : {L". ", L"; ", L": ", L"! "})
            if (sentences.find(std::wstring(stop) + verb) != std::wstring::npos)
                return true;
    return false;
}

// A song played while a scene holds the keys is lost, so words that ask for one
// (or for any deed) come only after the scene has given the keys back.
TEST(ShippedScripts, NoticesThatAskThePlayerToActComeOnceTheKeysAreHis)
{
    int asking = 0;
    for (const std::string& name : datatest::shippedScriptNames())
    {
        bool keysTaken = false;
        for (const datatest::ScriptCall& call : datatest::readScriptCalls(name))
        {
            if (call.command == L"setGameState")
                keysTaken = call.firstText() == L"SEQUENCE";
            if (call.command != L"addNotice" || !asksToAct(call.firstText()))
                continue;
            ++asking;
            EXPECT_FALSE(keysTaken) << name << ": " << std::string(call.firstText().begin(), call.firstText().end());
        }
    }
    EXPECT_GE(asking, 3);
}
} // namespace
