#include "platform/pathresolver.h"
#include "platform/textfile.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>

using platform::readLines;
using testsupport::TempWorkDir;
using testsupport::writeFile;

TEST(LineReader, SplitsLfAndCrlfAndKeepsEmptyLines)
{
    TempWorkDir dir;
    writeFile("a.txt", "one\r\ntwo\n\nthree\r\n");
    std::vector<std::string> lines;
    ASSERT_TRUE(readLines("a.txt", lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", "", "three"}));
}

TEST(LineReader, DropsOnlyOneCarriageReturnAndKeepsInnerOnes)
{
    TempWorkDir dir;
    writeFile("a.txt", "a\r\r\nb\rc");
    std::vector<std::string> lines;
    ASSERT_TRUE(readLines("a.txt", lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"a\r", "b\rc"}));
}

TEST(LineReader, LastLineWithoutBreakCountsAndEmptyFileHasNoLines)
{
    TempWorkDir dir;
    writeFile("a.txt", "x\ny");
    writeFile("empty.txt", "");
    std::vector<std::string> lines;
    ASSERT_TRUE(readLines("a.txt", lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"x", "y"}));
    writeFile("crlf.txt", "x\r\ny\r"); // a last line cut after its carriage return
    ASSERT_TRUE(readLines("crlf.txt", lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"x", "y"}));
    ASSERT_TRUE(readLines("empty.txt", lines));
    EXPECT_TRUE(lines.empty());
}

TEST(LineReader, ReadsLongLinesWhole)
{
    TempWorkDir dir;
    const std::string longLine(5000, 'q');
    writeFile("a.txt", longLine + "\nend\n");
    std::vector<std::string> lines;
    ASSERT_TRUE(readLines("a.txt", lines));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], longLine);
}

TEST(LineReader, Latin1BytesWidenOneToOne)
{
    TempWorkDir dir;
    writeFile("a.txt", "Gr\xFC\xDF" "e\n");
    std::vector<std::string> lines;
    ASSERT_TRUE(readLines("a.txt", lines));
    const std::wstring wide = platform::widen(lines.at(0));
    ASSERT_EQ(wide.size(), 5u);
    EXPECT_EQ(wide[2], static_cast<wchar_t>(0xFC));
    EXPECT_EQ(wide[3], static_cast<wchar_t>(0xDF));
    EXPECT_EQ(platform::narrow(wide), lines[0]);
    EXPECT_EQ(platform::toUtf8(wide), "Gr\xC3\xBC\xC3\x9F" "e");
}

TEST(LineReader, MissingFileAndFolderAreFailures)
{
    TempWorkDir dir;
    std::filesystem::create_directory("folder");
    std::vector<std::string> lines;
    EXPECT_FALSE(readLines("missing.txt", lines));
    // Opening a folder succeeds on Linux; the read error must still be reported.
    EXPECT_FALSE(readLines("folder", lines));
}

TEST(PathResolver, BackslashesAndLetterCaseResolveToTheFile)
{
    TempWorkDir dir;
    writeFile("talvoren/lang/english/defs.tsf", "x\n");
    writeFile("Talvoren2/systemFont.bmp", "y");
    EXPECT_EQ(platform::resolvePath(std::string("talvoren\\lang\\english\\defs.tsf")), "talvoren/lang/english/defs.tsf");
    EXPECT_EQ(platform::resolvePath(std::string("TALVOREN\\Lang\\English\\DEFS.tsf")),
              "talvoren/lang/english/defs.tsf");
    EXPECT_EQ(platform::resolvePath(std::string("talvoren2/SYSTEMFONT.BMP")), "Talvoren2/systemFont.bmp");
    std::vector<std::string> lines;
    EXPECT_TRUE(readLines("Talvoren\\LANG\\english\\defs.tsf", lines));
}

TEST(PathResolver, MissingPartsStaySpelledButKnownFoldersResolve)
{
    TempWorkDir dir;
    std::filesystem::create_directory("Logs");
    EXPECT_EQ(platform::resolvePath(std::string("logs\\new file.txt")), "Logs/new file.txt");
    EXPECT_EQ(platform::resolvePath(std::string("nothere/x.txt")), "nothere/x.txt");
    EXPECT_EQ(platform::resolvePath(std::string("")), "");
}

TEST(PathResolver, WideCharactersBeyondLatin1NeverNameAnotherFile)
{
    TempWorkDir dir;
    writeFile("aAb.txt", "x");
    EXPECT_EQ(platform::resolvePath(std::wstring(L"a\u0141b.txt")), "a?b.txt");
    EXPECT_EQ(platform::resolvePath(std::wstring(L"Talvoren\\\u00e9.txt")), "Talvoren/\xe9.txt");
}
