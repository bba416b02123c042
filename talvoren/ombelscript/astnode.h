#pragma once
// One node of an expression tree: a token and up to two operands.

#include <memory>

namespace Talvoren
{
namespace reader
{
class ComposerToken;
}

//! Owns its children; never owns its token. A tree serves one evaluation.
class ASTNode
{
public:
    ASTNode(reader::ComposerToken* token, std::unique_ptr<ASTNode> left, std::unique_ptr<ASTNode> right);
    //! Releases the subtree without recursion, so deep trees cannot exhaust the stack.
    ~ASTNode();
    ASTNode(const ASTNode&) = delete;
    ASTNode& operator=(const ASTNode&) = delete;

    reader::ComposerToken* getToken() const { return m_token; }
    const ASTNode* getLeft() const { return m_left.get(); }
    const ASTNode* getRight() const { return m_right.get(); }

private:
    reader::ComposerToken* m_token;
    std::unique_ptr<ASTNode> m_left;
    std::unique_ptr<ASTNode> m_right;
};
} // namespace Talvoren
