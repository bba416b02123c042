#pragma once
// The lines entered in the console, oldest first, with a position to walk them.

#include <irrString.h>
#include <irrTypes.h>

#include <vector>

namespace Talvoren
{
class ConsoleHistory
{
public:
    //! Appends the line; the position moves past the newest line.
    void add(const irr::core::stringw& line);
    //! One line older, stopping at the oldest. Returns the line now at the
    //! position, or null on an empty history.
    const irr::core::stringw* up();
    //! One line newer, stopping at the newest. Returns the line now at the
    //! position, or null when the position is past the newest line (as right
    //! after an entry) or the history is empty.
    const irr::core::stringw* down();

    irr::u32 getIndex() const { return m_index; }
    irr::u32 size() const { return static_cast<irr::u32>(m_lines.size()); }

private:
    std::vector<irr::core::stringw> m_lines;
    irr::u32 m_index = 0;
};
} // namespace Talvoren
