#include "talvoren/ombelscript/astnode.h"

#include <vector>

namespace Talvoren
{
ASTNode::ASTNode(reader::ComposerToken* token, std::unique_ptr<ASTNode> left, std::unique_ptr<ASTNode> right)
    : m_token(token), m_left(std::move(left)), m_right(std::move(right))
{
}

ASTNode::~ASTNode()
{
    std::vector<std::unique_ptr<ASTNode>> pending;
    if (m_left)
        pending.push_back(std::move(m_left));
    if (m_right)
        pending.push_back(std::move(m_right));
    while (!pending.empty())
    {
        std::unique_ptr<ASTNode> node = std::move(pending.back());
        pending.pop_back();
        if (node->m_left)
            pending.push_back(std::move(node->m_left));
        if (node->m_right)
            pending.push_back(std::move(node->m_right));
    }
}
} // namespace Talvoren
