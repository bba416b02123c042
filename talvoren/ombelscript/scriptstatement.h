#pragma once
// One statement cut out of a script: the tokens it reads, some of them its own.

#include "talvoren/ombelscript/composertoken.h"

#include <cstddef>

namespace Talvoren
{
//! Refers to the script's tokens and owns the tokens made while it was
//! prepared (variable texts, folded numbers, values of nested calls); these
//! are deleted with the statement.
class ScriptStatement
{
public:
    //! A token of the script; not owned.
    void add(reader::ComposerToken* token) { m_tokens.push_back(token); }
    //! Tokens [first, last) give way to made, which the statement owns from now on.
    void replace(std::size_t first, std::size_t last, reader::OwnedTokens made);

    const reader::TokenVector& getTokens() const { return m_tokens; }
    std::size_t size() const { return m_tokens.size(); }
    bool empty() const { return m_tokens.empty(); }
    reader::ComposerToken& operator[](std::size_t index) const { return *m_tokens[index]; }

private:
    reader::TokenVector m_tokens;
    reader::OwnedTokens m_ownTokens;
};
} // namespace Talvoren
