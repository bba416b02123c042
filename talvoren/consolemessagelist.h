#pragma once
// The console's messages: the list with its limit, scrolling and the layout of
// the lines the overlay or the panel shows.

#include <SColor.h>
#include <irrString.h>
#include <irrTypes.h>

#include <deque>
#include <vector>

namespace Talvoren
{
//! One message line; a monitor mark (type 4) has no text and is drawn as a line.
struct ConsoleMonitorSystemMessage
{
    irr::core::stringw text;
    irr::video::SColor color;
    irr::u32 type;
    irr::u32 timeMs;
};

//! A message line placed by ConsoleMessageList::layout.
struct ConsoleLinePlacement
{
    irr::u32 messageIndex;
    irr::s32 top;
    //! The line's colour: the message colour with the fade factor as alpha.
    irr::video::SColor color;
};

//! Vertical extent of the scroll bar, in pixels.
struct ConsoleScrollBar
{
    irr::s32 top;
    irr::s32 bottom;
};

class ConsoleMessageList
{
public:
    static constexpr irr::u32 kMaxMessages = 1000;
    static constexpr irr::u32 kDefaultLifetimeMs = 6000;
    //! Left edge and first top edge of the lines.
    static constexpr irr::s32 kMargin = 40;

    //! Appends a message; the oldest goes when the list then holds more than kMaxMessages.
    void add(const irr::core::stringw& text, irr::video::SColor color, irr::u32 type, irr::u32 timeMs);
    //! Appends a text-less mark of type 4, outside the limit.
    void addMark(irr::video::SColor color, irr::u32 timeMs);

    const std::deque<ConsoleMonitorSystemMessage>& getMessages() const { return m_messages; }

    //! Toward the newest messages, not below 0.
    void scrollUp();
    //! Toward the oldest, unless the oldest was laid out already.
    void scrollDown();
    irr::s32 getScrollOffset() const { return m_scrollOffset; }
    irr::s32 getDrawnLines() const { return m_drawnLines; }

    //! Lays out the lines from the newest shown toward the oldest, each
    //! lineHeight below the previous one, until one would end below
    //! screenHeight - 20. While not visible, messages fade in their last second
    //! and the walk ends at the first expired one. Counts the laid-out lines.
    std::vector<ConsoleLinePlacement> layout(irr::u32 nowMs, bool visible, irr::s32 lineHeight,
                                             irr::s32 screenHeight);
    //! The bar over the share of messages the last layout showed; false when
    //! it laid out no line or the list is empty.
    bool getScrollBar(irr::s32 screenHeight, ConsoleScrollBar& bar) const;

private:
    std::deque<ConsoleMonitorSystemMessage> m_messages;
    irr::u32 m_lifetimeMs = kDefaultLifetimeMs;
    irr::s32 m_scrollOffset = 0;
    irr::s32 m_drawnLines = 0;
};
} // namespace Talvoren
