#include "talvoren/consolehistory.h"

namespace Talvoren
{
void ConsoleHistory::add(const irr::core::stringw& line)
{
    m_lines.push_back(line);
    m_index = size();
}

const irr::core::stringw* ConsoleHistory::up()
{
    if (m_lines.empty())
        return nullptr;
    if (m_index > 0)
        --m_index;
    return &m_lines[m_index];
}

const irr::core::stringw* ConsoleHistory::down()
{
    if (m_index >= size())
        return nullptr;
    if (m_index + 1 < size())
        ++m_index;
    return &m_lines[m_index];
}
} // namespace Talvoren
