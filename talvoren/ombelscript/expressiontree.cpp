#include "talvoren/ombelscript/expressiontree.h"

#include "talvoren/log.h"
#include "talvoren/ombelscript/astnode.h"

namespace Talvoren
{
using reader::ComposerToken;

int comparePrecedence(const ComposerToken& a, const ComposerToken& b)
{
    if (a.getPrecedence() < b.getPrecedence())
        return 1;
    if (a.getPrecedence() == b.getPrecedence())
        return 0;
    return -1;
}

void addOperatorNode(std::vector<std::unique_ptr<ASTNode>>& operands, ComposerToken* op)
{
    auto pop = [&operands]() {
        std::unique_ptr<ASTNode> node;
        if (!operands.empty())
        {
            node = std::move(operands.back());
            operands.pop_back();
        }
        return node;
    };
    std::unique_ptr<ASTNode> right = pop();
    std::unique_ptr<ASTNode> left = pop();
    operands.push_back(std::make_unique<ASTNode>(op, std::move(left), std::move(right)));
}

std::unique_ptr<ASTNode> buildExpressionTree(const reader::TokenVector& tokens)
{
    std::vector<ComposerToken*> operators;
    std::vector<std::unique_ptr<ASTNode>> operands;
    auto addLeaf = [&operands](ComposerToken* token) {
        operands.push_back(std::make_unique<ASTNode>(token, nullptr, nullptr));
    };

    for (ComposerToken* token : tokens)
    {
        if (token->getType() == reader::kOpenParenthesis)
        {
            operators.push_back(token);
        }
        else if (token->getType() == reader::kCloseParenthesis)
        {
            bool matched = false;
            while (!operators.empty() && !matched)
            {
                ComposerToken* top = operators.back();
                operators.pop_back();
                if (top->getType() == reader::kOpenParenthesis)
                    matched = true;
                else
                    addOperatorNode(operands, top);
            }
            if (!matched)
            {
                logError(L"SCRIPT-INTERPRETER: Unbalanced right parentheses!");
                addLeaf(token);
            }
        }
        else if (token->getPrecedence() < reader::kOperandPrecedence)
        {
            while (!operators.empty())
            {
                ComposerToken* top = operators.back();
                const bool sameLevelPrefix =
                    token->isLeftAssociative() && top->getPrecedence() == token->getPrecedence();
                if (!sameLevelPrefix && comparePrecedence(*token, *top) != -1)
                    break;
                operators.pop_back();
                addOperatorNode(operands, top);
            }
            operators.push_back(token);
        }
        else
        {
            addLeaf(token);
        }
    }
    while (!operators.empty())
    {
        ComposerToken* top = operators.back();
        operators.pop_back();
        addOperatorNode(operands, top);
    }
    if (operands.empty())
        return nullptr;
    return std::move(operands.back());
}
} // namespace Talvoren
