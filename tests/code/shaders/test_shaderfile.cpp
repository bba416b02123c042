// The .omxs reader: sections by whole-line markers, lines joined without breaks.

#include "code/src/shaders/shaderfile.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

using Belgarune::loadShaderFile;

namespace
{
struct Sections
{
    std::string fragment;
    std::string vertex;
};

Sections read(const std::string& text)
{
    testsupport::writeFile("shader.omxs", text);
    Sections sections;
    loadShaderFile("shader.omxs", sections.fragment, sections.vertex);
    return sections;
}

class ShaderFileTest : public ::testing::Test
{
protected:
    testsupport::TempWorkDir m_workDir;
};

TEST_F(ShaderFileTest, SectionsAreJoinedWithoutLineBreaks)
{
    const Sections s = read("#fragment\n void main()\n {\n }\n#vertex\r\n uniform float a;\r\n void b();\r\n");
    EXPECT_EQ(s.fragment, " void main() { }");
    EXPECT_EQ(s.vertex, " uniform float a; void b();");
}

TEST_F(ShaderFileTest, LinesBeforeTheFirstMarkerBelongToTheFragmentSection)
{
    const Sections s = read("first;\n#vertex\nsecond;\n#fragment\nthird;");
    EXPECT_EQ(s.fragment, "first;third;");
    EXPECT_EQ(s.vertex, "second;");
}

TEST_F(ShaderFileTest, AVertexMarkerAloneLeavesTheFragmentSectionWithTheLinesBeforeIt)
{
    const Sections s = read("a;\n#vertex\nb;\nc;\n");
    EXPECT_EQ(s.fragment, "a;");
    EXPECT_EQ(s.vertex, "b;c;");
}

TEST_F(ShaderFileTest, MarkersMatchWholeLinesOnly)
{
    const Sections s = read("#vertex \nx;\n #vertex\n#VERTEX\n#vertex\ny;\n");
    EXPECT_EQ(s.fragment, "#vertex x; #vertex#VERTEX");
    EXPECT_EQ(s.vertex, "y;");
}

TEST_F(ShaderFileTest, ReadingAppendsToWhatTheTextsHold)
{
    testsupport::writeFile("one.omxs", "a;\n#vertex\nb;\n");
    std::string fragment = "old ";
    std::string vertex = "older ";
    loadShaderFile("one.omxs", fragment, vertex);
    loadShaderFile("one.omxs", fragment, vertex);
    EXPECT_EQ(fragment, "old a;a;");
    EXPECT_EQ(vertex, "older b;b;");
}

TEST_F(ShaderFileTest, AMissingFileAppendsNothing)
{
    std::string fragment = "kept";
    std::string vertex;
    loadShaderFile("gamedata/shader/none.omxs", fragment, vertex);
    EXPECT_EQ(fragment, "kept");
    EXPECT_EQ(vertex, "");
}

TEST_F(ShaderFileTest, PathsWithBackslashesAndOtherLetterCaseAreFound)
{
    testsupport::writeFile("gamedata/shader/Env.omxs", "#vertex\nz;\n");
    std::string fragment;
    std::string vertex;
    loadShaderFile("gamedata\\shader\\env.omxs", fragment, vertex);
    EXPECT_EQ(vertex, "z;");
}
} // namespace
