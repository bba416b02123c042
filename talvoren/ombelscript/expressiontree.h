#pragma once
// Builds the expression tree of a condition by operator precedence.

#include "talvoren/ombelscript/composertoken.h"

#include <memory>
#include <vector>

namespace Talvoren
{
class ASTNode;

//! 1 when a binds tighter than b (smaller precedence number), 0 when equal, -1 otherwise.
int comparePrecedence(const reader::ComposerToken& a, const reader::ComposerToken& b);

//! Pops the right, then the left operand (null when the stack runs empty) and
//! pushes a node of the operator with them.
void addOperatorNode(std::vector<std::unique_ptr<ASTNode>>& operands, reader::ComposerToken* op);

//! The root of the tree; null for a condition without operands. The nodes
//! point to the given tokens, which must outlive the tree. Operators of equal
//! precedence group to the right.
std::unique_ptr<ASTNode> buildExpressionTree(const reader::TokenVector& tokens);
} // namespace Talvoren
