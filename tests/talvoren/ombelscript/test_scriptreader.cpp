// The script reader: token kinds, delimiters, strings, comments, files, blocks.

#include "talvoren/ombelscript/scriptreader.h"
#include "tests/support/tempdir.h"
#include "tests/talvoren/ombelscript/scripttestsupport.h"

#include <gtest/gtest.h>

namespace
{
using namespace Talvoren::reader;
using scripttest::describe;

class ScriptReaderTest : public testing::Test
{
protected:
    ScriptReaderTest()
    {
        for (const wchar_t* name : {L"wait", L"setScreen", L"playMusic", L"heal"})
            m_functions.push_back(std::make_shared<ComposerFunctionDefinition>(name, std::vector<irr::u32>{kNumber}));
    }

    std::string read(const std::wstring& line)
    {
        OwnedTokens tokens;
        tokenizeLine(line, m_functions, tokens);
        return describe(tokens);
    }

    FunctionDefinitions m_functions;
};

TEST_F(ScriptReaderTest, ReadsStatementsOfTheGameScripts)
{
    EXPECT_EQ(read(L"wait(500);"), "fn:wait ( 500 ) ;");
    EXPECT_EQ(read(L"setScreen( \"BLACK\", 0.0, 1000, \"LINEAR\" );"),
              "fn:setScreen ( 'BLACK' , 0 , 1000 , 'LINEAR' ) ;");
    EXPECT_EQ(read(L"playMusic( \"gamedata/music/hit9.wav\", 1.0 );"),
              "fn:playMusic ( 'gamedata/music/hit9.wav' , 1 ) ;");
    EXPECT_EQ(read(L"if ($n == 2)"), "if ( $n == 2 )");
    EXPECT_EQ(read(L"$a = \"x\";"), "$a = 'x' ;");
}

TEST_F(ScriptReaderTest, EveryOperatorAndSeparatorHasItsToken)
{
    EXPECT_EQ(read(L"( ) { } ; , : = ! - + * / # > < >= <= == != && ||"),
              "( ) { } ; , : = ! - + * / # > < >= <= == != && ||");
    EXPECT_EQ(read(L"a>=b"), "name:a >= name:b");
    EXPECT_EQ(read(L"a=!b"), "name:a = ! name:b");
    EXPECT_EQ(read(L"a!=b<=c==d"), "name:a != name:b <= name:c == name:d");
    // A single '&' or '|' is skipped; it still ends a word.
    EXPECT_EQ(read(L"a & b"), "name:a name:b");
    EXPECT_EQ(read(L"a|b"), "name:a name:b");
    // '#' is a token but ends no word.
    EXPECT_EQ(read(L"a#b"), "# name:ab");
}

TEST_F(ScriptReaderTest, OperatorsAndKeywordsCarryTheirBindingLevels)
{
    OwnedTokens tokens;
    tokenizeLine(L"! * - > == && || = ( 5 x", m_functions, tokens);
    const irr::u32 expected[] = {3, 5, 6, 8, 9, 13, 14, 15, 20, 20, 20};
    ASSERT_EQ(tokens.size(), std::size(expected));
    for (size_t i = 0; i < tokens.size(); ++i)
        EXPECT_EQ(tokens[i]->getPrecedence(), expected[i]) << describe(*tokens[i]);
    EXPECT_TRUE(tokens[0]->isLeftAssociative());
    EXPECT_FALSE(tokens[1]->isLeftAssociative());
}

TEST_F(ScriptReaderTest, LookAheadStopsAtTheEndOfTheLine)
{
    EXPECT_EQ(read(L"a !"), "name:a !");
    EXPECT_EQ(read(L"a <"), "name:a <");
    EXPECT_EQ(read(L"a >"), "name:a >");
    EXPECT_EQ(read(L"a ="), "name:a =");
    EXPECT_EQ(read(L"a &"), "name:a");
    EXPECT_EQ(read(L"a |"), "name:a");
}

TEST_F(ScriptReaderTest, ClassifiesWords)
{
    EXPECT_EQ(read(L"true in false out"), "TRUE TRUE FALSE FALSE");
    EXPECT_EQ(read(L"tactic on priority if"), "tactic on priority if");
    EXPECT_EQ(read(L"True IF Wait"), "name:True name:IF name:Wait");
    EXPECT_EQ(read(L"$ $x1 a_b"), "$ $x1 name:a_b");
    EXPECT_EQ(read(L"7 0.25 12.5"), "7 0.25 12.5");
    // Not numbers, not identifiers, not quoted: dropped.
    EXPECT_EQ(read(L"5. 1.2.3 _a a$"), "");
    // '.' is a delimiter of nothing, so ".5" is one word, and dropped.
    EXPECT_EQ(read(L".5 x"), "name:x");
    // A minus never reaches a word.
    EXPECT_EQ(read(L"-5"), "- 5");
}

TEST_F(ScriptReaderTest, NumbersAreReadAsSinglePrecision)
{
    OwnedTokens tokens;
    tokenizeLine(L"0.1", m_functions, tokens);
    ASSERT_EQ(tokens.size(), 1u);
    EXPECT_EQ(numberValue(*tokens[0]), static_cast<double>(0.1f));
}

TEST_F(ScriptReaderTest, FunctionNamesAreKnownOnlyOnceRegisteredAndComeBeforeKeywords)
{
    EXPECT_EQ(read(L"addNotice(\"x\")"), "name:addNotice ( 'x' )");
    m_functions.push_back(std::make_shared<ComposerFunctionDefinition>(L"addNotice", std::vector<irr::u32>{}));
    EXPECT_EQ(read(L"addNotice(\"x\")"), "fn:addNotice ( 'x' )");
    m_functions.push_back(std::make_shared<ComposerFunctionDefinition>(L"true", std::vector<irr::u32>{}));
    EXPECT_EQ(read(L"true"), "fn:true");
    // The first registration of a name wins.
    m_functions.push_back(std::make_shared<ComposerFunctionDefinition>(L"wait", std::vector<irr::u32>{}));
    EXPECT_EQ(findFunction(m_functions, L"wait"), m_functions[0].get());
    EXPECT_EQ(findFunction(m_functions, L"WAIT"), nullptr);
}

TEST_F(ScriptReaderTest, StringsKeepDelimitersAndComments)
{
    EXPECT_EQ(read(L"\"a % b\""), "'a % b'");
    EXPECT_EQ(read(L"\"a;b(c)\" d"), "'a;b(c)' name:d");
    EXPECT_EQ(read(L"\"\""), "''");
    // A lone quote at the end of the line is an empty string.
    EXPECT_EQ(read(L"x \""), "name:x ''");
    // An unterminated string runs to the end and loses its last character.
    EXPECT_EQ(read(L"\"abc def"), "'abc de'");
    // A quote inside a word joins the word.
    EXPECT_EQ(read(L"ab\"c d\""), "'b\"c d'");
}

TEST_F(ScriptReaderTest, CommentsAndBlankLines)
{
    EXPECT_EQ(read(L"x % y"), "name:x");
    EXPECT_EQ(read(L"x%y"), "name:x");
    EXPECT_EQ(read(L"% wait(5);"), "");
    EXPECT_EQ(read(L""), "");
    EXPECT_EQ(read(L"   \t  "), "");
}

TEST_F(ScriptReaderTest, TabsAreSkippedAtTheStartAndJoinWordsInside)
{
    EXPECT_EQ(read(L"\t\t wait(1);"), "fn:wait ( 1 ) ;");
    EXPECT_EQ(read(L"a\tb c"), "name:c");
    EXPECT_EQ(read(L"\"a\tb\""), "'a\tb'");
}

TEST_F(ScriptReaderTest, TheLastWordOfALineIsKept)
{
    EXPECT_EQ(read(L"$a == true"), "$a == TRUE");
    EXPECT_EQ(read(L"x == $b"), "name:x == $b");
    EXPECT_EQ(read(L"x heal"), "name:x fn:heal");
    EXPECT_EQ(read(L"x 42"), "name:x 42");
    EXPECT_EQ(read(L"x#"), "# name:x");
}

class ScriptFileTest : public ScriptReaderTest
{
protected:
    testsupport::TempWorkDir m_dir;
};

TEST_F(ScriptFileTest, ReadsAllLinesIntoOneSequence)
{
    testsupport::writeFile("gamedata/scripts/a.omx", "wait(\r\n500\r\n);\r\n% done\r\nheal()");
    OwnedTokens tokens;
    ASSERT_TRUE(loadScriptFile(L"gamedata\\scripts\\a.omx", m_functions, tokens));
    EXPECT_EQ(describe(tokens), "fn:wait ( 500 ) ; fn:heal ( )");
}

TEST_F(ScriptFileTest, BytesAreLatin1AndOnlyOneCarriageReturnIsDropped)
{
    testsupport::writeFile("s.omx", "$t = \"gr\xfc\xdf\";\r\r\nx\r");
    OwnedTokens tokens;
    ASSERT_TRUE(loadScriptFile(L"s.omx", m_functions, tokens));
    ASSERT_EQ(tokens.size(), 5u);
    EXPECT_EQ(textValue(*tokens[2]), L"gr\u00fc\u00df");
    // "\r" left on the first line joins nothing; "x\r" loses its "\r".
    EXPECT_EQ(textValue(*tokens[4]), L"x");
}

TEST_F(ScriptFileTest, LongLinesAreReadWhole)
{
    std::string line;
    for (int i = 0; i < 1000; ++i)
        line += "heal(" + std::to_string(i) + ");";
    testsupport::writeFile("long.omx", line + "\nwait(7);");
    OwnedTokens tokens;
    ASSERT_TRUE(loadScriptFile(L"long.omx", m_functions, tokens));
    ASSERT_EQ(tokens.size(), 5005u);
    EXPECT_EQ(numberValue(*tokens[4997]), 999.0);
    EXPECT_EQ(describe(*tokens[5000]), "fn:wait");
}

TEST_F(ScriptFileTest, AFileThatCannotBeReadIsAFailure)
{
    OwnedTokens tokens;
    scripttest::LogCapture log;
    EXPECT_FALSE(loadScriptFile(L"missing.omx", m_functions, tokens));
    // A folder opens but cannot be read.
    testsupport::writeFile("folder/x.omx", "wait(1);");
    EXPECT_FALSE(loadScriptFile(L"folder", m_functions, tokens));
    EXPECT_EQ(log.take(), (std::vector<std::string>{"Could not load missing.omx (read-mode)!",
                                                     "Could not load folder (read-mode)!"}));
    EXPECT_TRUE(tokens.empty());
}

class SplitBlocksTest : public ScriptReaderTest
{
protected:
    OwnedTokens tokensOf(const std::wstring& line)
    {
        OwnedTokens tokens;
        tokenizeLine(line, m_functions, tokens);
        return tokens;
    }
};

TEST_F(SplitBlocksTest, MovesTheFirstBlockWithItsNestedBlocks)
{
    OwnedTokens tokens = tokensOf(L"a b { c { d } e } f");
    OwnedTokens block = tokensOf(L"z");
    EXPECT_TRUE(splitBlocks(tokens, block, 1));
    EXPECT_EQ(describe(block), "name:z name:b { name:c { name:d } name:e }");
    EXPECT_EQ(describe(tokens), "name:a name:f");
}

TEST_F(SplitBlocksTest, StartBeyondTheTokensMovesNothing)
{
    OwnedTokens tokens = tokensOf(L"a b");
    OwnedTokens block;
    EXPECT_TRUE(splitBlocks(tokens, block, 2));
    EXPECT_TRUE(block.empty());
    EXPECT_EQ(tokens.size(), 2u);
}

TEST_F(SplitBlocksTest, ReportsMissingAndUnexpectedBraces)
{
    scripttest::LogCapture log;
    OwnedTokens tokens = tokensOf(L"{ a { b }");
    OwnedTokens block;
    EXPECT_FALSE(splitBlocks(tokens, block, 0));
    EXPECT_EQ(block.size(), 5u);
    EXPECT_TRUE(tokens.empty());

    OwnedTokens closing = tokensOf(L"a } b");
    OwnedTokens other;
    EXPECT_FALSE(splitBlocks(closing, other, 0));
    EXPECT_EQ(describe(other), "name:a }");
    EXPECT_EQ(log.take(), (std::vector<std::string>{
                              "SCRIPT: Splitting-error. End of Block missing",
                              "SCRIPT: Splitting-error. Expeced open braces, but found end braces."}));
    deleteTokens(other);
    EXPECT_TRUE(other.empty());
}
} // namespace
