// Conditions: tree building by precedence and evaluation of "==".

#include "talvoren/ombelscript/astnode.h"
#include "talvoren/ombelscript/expressiontree.h"
#include "talvoren/ombelscript/ombelscriptmanager.h"
#include "tests/talvoren/ombelscript/scripttestsupport.h"

#include <gtest/gtest.h>

namespace
{
using namespace Talvoren;
using namespace Talvoren::reader;
using scripttest::describe;
using scripttest::LogCapture;
using Lines = std::vector<std::string>;

//! A tree as text: a leaf as its token, an operator as "(op left right)", "_" for no child.
std::string shape(const ASTNode* node)
{
    if (!node)
        return "_";
    if (!node->getLeft() && !node->getRight())
        return describe(*node->getToken());
    return "(" + describe(*node->getToken()) + " " + shape(node->getLeft()) + " " + shape(node->getRight()) + ")";
}

class ExpressionTest : public testing::Test
{
protected:
    //! Reads a condition; its tokens live until the test ends.
    TokenVector condition(const std::wstring& text)
    {
        m_tokens.emplace_back();
        m_manager.tokenizeLine(text, m_tokens.back());
        TokenVector view;
        for (const auto& token : m_tokens.back())
            view.push_back(token.get());
        return view;
    }

    std::string treeOf(const std::wstring& text) { return shape(buildExpressionTree(condition(text)).get()); }

    //! The value as text: "TRUE", "FALSE", another token, or "none".
    std::string valueOf(const std::wstring& text)
    {
        const std::unique_ptr<ASTNode> tree = buildExpressionTree(condition(text));
        const ComposerToken* result = m_manager.evaluateExpression(tree.get());
        return result ? describe(*result) : "none";
    }

    OmbelScriptManager m_manager;
    std::vector<OwnedTokens> m_tokens;
};

TEST_F(ExpressionTest, ComparesPrecedenceNumbers)
{
    const TokenVector tokens = condition(L"* + +");
    EXPECT_EQ(comparePrecedence(*tokens[0], *tokens[1]), 1);
    EXPECT_EQ(comparePrecedence(*tokens[1], *tokens[2]), 0);
    EXPECT_EQ(comparePrecedence(*tokens[1], *tokens[0]), -1);
}

TEST_F(ExpressionTest, OperatorsBindByPrecedence)
{
    EXPECT_EQ(treeOf(L"a + b * c"), "(+ name:a (* name:b name:c))");
    EXPECT_EQ(treeOf(L"a * b + c"), "(+ (* name:a name:b) name:c)");
    EXPECT_EQ(treeOf(L"a == b && c > d"), "(&& (== name:a name:b) (> name:c name:d))");
    EXPECT_EQ(treeOf(L"a || b && c"), "(|| name:a (&& name:b name:c))");
}

TEST_F(ExpressionTest, EqualLevelsGroupToTheRightAndParenthesesGroup)
{
    EXPECT_EQ(treeOf(L"a == b == c"), "(== name:a (== name:b name:c))");
    EXPECT_EQ(treeOf(L"a - b - c"), "(- name:a (- name:b name:c))");
    EXPECT_EQ(treeOf(L"(a - b) - c"), "(- (- name:a name:b) name:c)");
    EXPECT_EQ(treeOf(L"((1 == 1)) == true"), "(== (== 1 1) TRUE)");
}

TEST_F(ExpressionTest, StrayParenthesesNeverFail)
{
    {
        LogCapture log;
        EXPECT_EQ(treeOf(L"1 == 1)"), ")");
        EXPECT_EQ(log.take(), (Lines{"SCRIPT-INTERPRETER: Unbalanced right parentheses!"}));
    }
    // A leftover '(' becomes a node like an operator.
    EXPECT_EQ(treeOf(L"( 1 == 2"), "(( _ (== 1 2))");
}

TEST_F(ExpressionTest, OperatorsWithoutOperandsAndEmptyConditionsGiveNoValue)
{
    EXPECT_EQ(treeOf(L""), "_");
    EXPECT_EQ(valueOf(L""), "none");
    EXPECT_EQ(treeOf(L"! x"), "(! _ name:x)");
    EXPECT_EQ(valueOf(L"! true"), "none");
    EXPECT_EQ(valueOf(L"()"), "none");
    LogCapture log;
    EXPECT_EQ(valueOf(L"== 1"), "none");
    EXPECT_EQ(valueOf(L"=="), "none");
    EXPECT_EQ(log.take(), Lines(2, "SCRIPT-INTERPRETER: Missing operand for =."));
}

TEST_F(ExpressionTest, EqualityOfNumbersAndBools)
{
    EXPECT_EQ(valueOf(L"3 == 3"), "TRUE");
    EXPECT_EQ(valueOf(L"3 == 4"), "FALSE");
    EXPECT_EQ(valueOf(L"true == in"), "TRUE");
    EXPECT_EQ(valueOf(L"false == true"), "FALSE");
    EXPECT_EQ(valueOf(L"(1 == 1) == true"), "TRUE");
    EXPECT_EQ(valueOf(L"true == false == false"), "TRUE");
    // A number or bool alone is its own value.
    EXPECT_EQ(valueOf(L"7"), "7");
    EXPECT_EQ(valueOf(L"out"), "FALSE");
}

TEST_F(ExpressionTest, OnlyEqualityIsEvaluated)
{
    m_manager.setVariable(L"a", L"1");
    LogCapture log;
    EXPECT_EQ(valueOf(L"$a != 1"), "none");
    EXPECT_EQ(valueOf(L"$a > 1"), "none");
    EXPECT_EQ(valueOf(L"x"), "none");
    EXPECT_EQ(valueOf(L"\"yes\""), "none");
    EXPECT_TRUE(log.take().empty());
}

TEST_F(ExpressionTest, MixedOperandsCannotBeCompared)
{
    LogCapture log;
    EXPECT_EQ(valueOf(L"1 == true"), "none");
    EXPECT_EQ(valueOf(L"x == 1"), "none");
    EXPECT_EQ(log.take(), (Lines{"SCRIPT-INTERPRETER: Evaluation failed. Not able to check operands for equality.",
                                 "SCRIPT-INTERPRETER: Could not evaluate operand."}));
}

TEST_F(ExpressionTest, VariablesGiveTheFirstTokenOfTheirText)
{
    m_manager.setVariable(L"pair", L"3 4");
    m_manager.setVariable(L"empty", L"");
    LogCapture log;
    EXPECT_EQ(valueOf(L"$pair == 3"), "TRUE");
    EXPECT_EQ(valueOf(L"$empty == 3"), "none");
    EXPECT_EQ(valueOf(L"$missing == 3"), "none");
    EXPECT_EQ(log.take(), (Lines{"SCRIPT-MANAGER: Warning, variable size is more than 1 token!",
                                 "SCRIPT-INTERPRETER: Could not evaluate operand.",
                                 "SCRIPT-MANAGER: Variable missing not defined.",
                                 "SCRIPT-INTERPRETER: Could not evaluate operand."}));
}

TEST_F(ExpressionTest, BothOperandsAreEvaluatedLeftFirst)
{
    LogCapture log;
    EXPECT_EQ(valueOf(L"$x == $y"), "none");
    EXPECT_EQ(log.take(), (Lines{"SCRIPT-MANAGER: Variable x not defined.", "SCRIPT-MANAGER: Variable y not defined.",
                                 "SCRIPT-INTERPRETER: Could not evaluate operand."}));
}

TEST_F(ExpressionTest, VeryLongConditionsNeitherRecurseNorFail)
{
    // Right grouping makes a chain as deep as the condition is long.
    std::wstring bools = L"true";
    for (int i = 0; i < 200000; ++i)
        bools += L" == true";
    EXPECT_EQ(valueOf(bools), "TRUE");
    EXPECT_EQ(valueOf(L"false == " + bools), "FALSE");
}
} // namespace
