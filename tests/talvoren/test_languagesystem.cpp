#include "talvoren/languagesystem.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

using Talvoren::SimpleLanguageSystem;
using testsupport::TempWorkDir;
using testsupport::writeFile;

TEST(LanguageSystem, SelectsListedLanguageAndAnswersByNumber)
{
    TempWorkDir dir;
    writeFile("talvoren/lang/lang.txt", "# languages\r\nLang=English,wrong\r\nlang=English,en\r\nlang=English,other\r\n");
    writeFile("talvoren/lang/en/defs.tsf", "zero\r\none\r\n\r\nthree\r\nfour");
    SimpleLanguageSystem texts;
    ASSERT_TRUE(texts.loadLanguages(L"talvoren\\lang"));
    ASSERT_EQ(texts.getLanguages().size(), 2u);
    EXPECT_EQ(texts.getLanguages()[0]->folder, L"talvoren\\lang\\en");
    ASSERT_TRUE(texts.setLanguage(L"English"));
    EXPECT_EQ(texts.getString(0), irr::core::stringw(L"zero"));
    EXPECT_EQ(texts.getString(2), irr::core::stringw(L""));
    EXPECT_EQ(texts.getString(4), irr::core::stringw(L"four"));
    EXPECT_EQ(texts.getString(5), irr::core::stringw(L"STRING_OUT_OF_BOUNDARIES"));
    EXPECT_EQ(texts.getString(-1), irr::core::stringw(L"STRING_OUT_OF_BOUNDARIES"));
}

TEST(LanguageSystem, SelectingTwiceAppendsTheTable)
{
    TempWorkDir dir;
    writeFile("l/lang.txt", "lang=\"Deutsch, neu\",de\n");
    writeFile("l/de/defs.tsf", "a\nb\n");
    SimpleLanguageSystem texts;
    ASSERT_TRUE(texts.loadLanguages(L"l"));
    ASSERT_TRUE(texts.setLanguage(L"Deutsch, neu"));
    ASSERT_TRUE(texts.setLanguage(L"Deutsch, neu"));
    EXPECT_EQ(texts.getString(1), irr::core::stringw(L"b"));
    EXPECT_EQ(texts.getString(2), irr::core::stringw(L"a"));
    EXPECT_EQ(texts.getString(4), irr::core::stringw(L"STRING_OUT_OF_BOUNDARIES"));
}

TEST(LanguageSystem, FailuresAreReported)
{
    TempWorkDir dir;
    SimpleLanguageSystem texts;
    EXPECT_FALSE(texts.loadLanguages(L"nowhere"));

    testing::internal::CaptureStderr();
    EXPECT_FALSE(texts.setLanguage(L"English"));
    std::string messages = testing::internal::GetCapturedStderr();
    EXPECT_NE(messages.find("LANGUAGE-SYSTEM: Language definition 'English' not found."), std::string::npos);

    writeFile("l/lang.txt", "lang=English,gone\n");
    ASSERT_TRUE(texts.loadLanguages(L"l"));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(texts.setLanguage(L"English"));
    messages = testing::internal::GetCapturedStderr();
    EXPECT_NE(messages.find("MAP-LANGUAGE: .tsf 'l\\gone\\defs.tsf' konnte nicht geladen werden"), std::string::npos)
        << messages;
}

TEST(LanguageSystem, ShippedEnglishTableHasTheSixteenEngineTexts)
{
    TempWorkDir dir;
    testsupport::installLanguageFiles();
    SimpleLanguageSystem texts;
    ASSERT_TRUE(texts.loadLanguages(L"talvoren\\lang"));
    ASSERT_TRUE(texts.setLanguage(L"English"));
    for (int number = 0; number <= 15; ++number)
    {
        EXPECT_NE(texts.getString(number), irr::core::stringw(L"STRING_OUT_OF_BOUNDARIES")) << number;
        EXPECT_GT(texts.getString(number).size(), 0u) << number;
    }
    EXPECT_EQ(texts.getString(16), irr::core::stringw(L"STRING_OUT_OF_BOUNDARIES"));
}
