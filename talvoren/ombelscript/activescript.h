#pragma once
// One running script: its tokens, its read position and the process it waits for.

#include "talvoren/ombelscript/composertoken.h"

#include <irrTypes.h>

#include <memory>
#include <string>

class Process;

namespace Talvoren
{
//! Shared by the script manager's lists; owns its tokens.
struct ActiveScript
{
    ActiveScript(reader::OwnedTokens tokens, std::wstring name) : m_tokens(std::move(tokens)), m_name(std::move(name)) {}

    reader::OwnedTokens m_tokens;
    //! The file path, or "inject" for a single line.
    std::wstring m_name;
    //! Set once the read position has passed the last statement.
    bool m_finished = false;
    //! Index of the next token to read; kept between frames.
    irr::u32 m_position = 0;
    //! Shared with the process manager; empty while the script waits for nothing.
    std::shared_ptr<Process> m_process;
};
} // namespace Talvoren
