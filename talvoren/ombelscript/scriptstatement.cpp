#include "talvoren/ombelscript/scriptstatement.h"

namespace Talvoren
{
void ScriptStatement::replace(std::size_t first, std::size_t last, reader::OwnedTokens made)
{
    reader::TokenVector inserted;
    inserted.reserve(made.size());
    for (auto& token : made)
    {
        if (!token)
            continue;
        inserted.push_back(token.get());
        m_ownTokens.push_back(std::move(token));
    }
    // Replaced own tokens stay owned until the statement ends.
    m_tokens.erase(m_tokens.begin() + first, m_tokens.begin() + last);
    m_tokens.insert(m_tokens.begin() + first, inserted.begin(), inserted.end());
}
} // namespace Talvoren
