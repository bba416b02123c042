#include "talvoren/consolemessagelist.h"

#include "talvoren/log.h"

namespace Talvoren
{
namespace
{
constexpr irr::s64 kFadeMs = 1000;
constexpr irr::s32 kBottomMargin = 20;
} // namespace

void ConsoleMessageList::add(const irr::core::stringw& text, irr::video::SColor color, irr::u32 type,
                             irr::u32 timeMs)
{
    m_messages.push_back({text, color, type, timeMs});
    if (m_messages.size() > kMaxMessages)
        m_messages.pop_front();
}

void ConsoleMessageList::addMark(irr::video::SColor color, irr::u32 timeMs)
{
    m_messages.push_back({irr::core::stringw(), color, kLogMark, timeMs});
}

void ConsoleMessageList::scrollUp()
{
    if (m_scrollOffset > 0)
        --m_scrollOffset;
}

void ConsoleMessageList::scrollDown()
{
    const irr::s32 count = static_cast<irr::s32>(m_messages.size());
    if (m_scrollOffset + m_drawnLines >= count)
        return;
    if (m_scrollOffset < count)
        ++m_scrollOffset;
}

std::vector<ConsoleLinePlacement> ConsoleMessageList::layout(irr::u32 nowMs, bool visible, irr::s32 lineHeight,
                                                             irr::s32 screenHeight)
{
    std::vector<ConsoleLinePlacement> lines;
    m_drawnLines = 0;
    const irr::s64 lifetime = m_lifetimeMs;
    irr::s32 top = kMargin;
    // Signed: an offset as large as the list walks nothing.
    for (irr::s32 index = static_cast<irr::s32>(m_messages.size()) - 1 - m_scrollOffset; index >= 0; --index)
    {
        const ConsoleMonitorSystemMessage& message = m_messages[index];
        irr::f32 factor = 1.0f;
        if (!visible)
        {
            const irr::s64 age = static_cast<irr::s64>(nowMs) - message.timeMs;
            if (age > lifetime)
                break;
            if (age > lifetime - kFadeMs)
                factor = 1.0f - static_cast<irr::f32>(age - (lifetime - kFadeMs)) / static_cast<irr::f32>(kFadeMs);
        }
        top += lineHeight;
        ++m_drawnLines;
        if (top + lineHeight + 10 > screenHeight - kBottomMargin)
            break;
        irr::video::SColor color = message.color;
        color.setAlpha(static_cast<irr::u32>(factor * 255.0f));
        lines.push_back({static_cast<irr::u32>(index), top, color});
    }
    return lines;
}

bool ConsoleMessageList::getScrollBar(irr::s32 screenHeight, ConsoleScrollBar& bar) const
{
    if (m_drawnLines < 1 || m_messages.empty())
        return false;
    const irr::f32 count = static_cast<irr::f32>(m_messages.size());
    const irr::f32 topFraction = static_cast<irr::f32>(m_scrollOffset) / count;
    irr::f32 bottomFraction = static_cast<irr::f32>(m_drawnLines + m_scrollOffset) / count;
    if (bottomFraction > 1.0f)
        bottomFraction = 1.0f;
    const irr::f32 height = static_cast<irr::f32>(screenHeight - kBottomMargin);
    bar.top = static_cast<irr::s32>(topFraction * height);
    bar.bottom = static_cast<irr::s32>(bottomFraction * height);
    return true;
}
} // namespace Talvoren
