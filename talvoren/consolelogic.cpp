#include "talvoren/consolelogic.h"

#include "talvoren/ombeldevice.h"

#include <IGUIEnvironment.h>
#include <IGUIFont.h>
#include <IVideoDriver.h>

namespace Talvoren
{
namespace
{
const irr::video::SColor kWhite(255, 255, 255, 255);
const irr::video::SColor kBlack(255, 0, 0, 0);
constexpr irr::s32 kPanelMargin = 20;
constexpr irr::u32 kAnimationMs = 4000;

irr::core::rect<irr::s32> textRect(irr::gui::IGUIFont* font, const irr::core::stringw& text, irr::s32 left,
                                   irr::s32 top)
{
    const irr::core::dimension2d<irr::u32> size = font->getDimension(text.c_str());
    return irr::core::rect<irr::s32>(left, top, left + static_cast<irr::s32>(size.Width),
                                     top + static_cast<irr::s32>(size.Height));
}
} // namespace

ConsoleLogic::ConsoleLogic(const OmbelDevice* device)
    : m_device(device),
      m_font(nullptr),
      m_nameColumnWidth(0),
      m_boxRight(0),
      m_visible(false),
      m_lineHeight(0),
      m_eventLogging(false)
{
    if (m_device && m_device->getGUIEnvironment())
        setFont(m_device->getGUIEnvironment()->getBuiltInFont());
}

void ConsoleLogic::setFont(irr::gui::IGUIFont* font)
{
    if (!font)
        return;
    m_font = font;
    m_lineHeight = static_cast<irr::s32>(font->getDimension(L"A").Height);
}

void ConsoleLogic::addMessage(irr::core::stringw text, irr::video::SColor color, irr::u32 type,
                              irr::core::stringw replacement)
{
    const irr::u32 now = m_device ? m_device->getTimeMs() : 0;
    m_messages.add(replacement.empty() ? text : replacement, color, type, now);
}

void ConsoleLogic::addMonitorMark(irr::video::SColor color)
{
    m_messages.addMark(color, m_device ? m_device->getTimeMs() : 0);
}

void ConsoleLogic::setDebugVariable(irr::u32 id, irr::core::stringw value, irr::core::stringw name)
{
    for (irr::s32 i = static_cast<irr::s32>(m_debugVariables.size()) - 1; i >= 0; --i)
    {
        if (m_debugVariables[i].id == id)
        {
            m_debugVariables[i].value = value;
            return;
        }
    }
    m_debugVariables.push_back(DebugVariable(id, value, name));
}

void ConsoleLogic::addChar(wchar_t character)
{
    if (character != 0)
        m_inputLine.append(character);
}

void ConsoleLogic::eraseChar()
{
    if (!m_inputLine.empty())
        m_inputLine.erase(m_inputLine.size() - 1);
}

void ConsoleLogic::historyUp()
{
    if (const irr::core::stringw* line = m_history.up())
        m_inputLine = *line;
}

void ConsoleLogic::historyDown()
{
    if (const irr::core::stringw* line = m_history.down())
        m_inputLine = *line;
}

bool ConsoleLogic::canDraw() const
{
    return m_device && m_device->getVideoDriver();
}

bool ConsoleLogic::canDrawText() const
{
    return m_font && canDraw();
}

void ConsoleLogic::drawPanel(irr::s32 bottom, irr::video::SColor upperLeft, irr::video::SColor upperRight,
                             irr::video::SColor lowerLeft, irr::video::SColor lowerRight)
{
    const irr::core::dimension2d<irr::u32> screen = m_device->getScreenSize();
    const irr::core::rect<irr::s32> panel(kPanelMargin, kPanelMargin,
                                          static_cast<irr::s32>(screen.Width) - kPanelMargin, bottom);
    m_device->getVideoDriver()->draw2DRectangle(panel, upperLeft, upperRight, lowerLeft, lowerRight);
}

void ConsoleLogic::drawOverlay()
{
    if (!canDraw())
        return;
    if (m_visible)
    {
        const irr::s32 height = static_cast<irr::s32>(m_device->getScreenSize().Height);
        drawPanel(height - kPanelMargin, irr::video::SColor(0, 0, 0, 0), irr::video::SColor(30, 0, 50, 150),
                  irr::video::SColor(50, 0, 50, 150), irr::video::SColor(255, 150, 150, 255));
    }
    drawMessageLines();
}

void ConsoleLogic::drawConsole()
{
    if (!canDraw())
        return;
    const irr::f32 t = static_cast<irr::f32>(m_device->getTimeMs() % kAnimationMs) / kAnimationMs;
    const irr::f32 u = 1.0f - t;
    const irr::s32 height = static_cast<irr::s32>(m_device->getScreenSize().Height);
    drawPanel(static_cast<irr::s32>(t * static_cast<irr::f32>(height - kPanelMargin)),
              irr::video::SColor(0, 0, 0, 0), irr::video::SColor(0, 0, 50, 150),
              irr::video::SColor(static_cast<irr::u32>(u * 150.0f), 0, 50, 150),
              irr::video::SColor(static_cast<irr::u32>(u * 50.0f), 150, 150, 255));
    drawMessageLines();
}

void ConsoleLogic::drawBoxedText(const irr::core::stringw& text, irr::s32 left, irr::s32 top,
                                 irr::video::SColor color)
{
    const irr::core::rect<irr::s32> box = textRect(m_font, text, left, top);
    m_device->getVideoDriver()->draw2DRectangle(irr::video::SColor(color.getAlpha(), 0, 0, 0), box);
    m_font->draw(text, box, color);
}

void ConsoleLogic::drawMessageLines()
{
    if (!canDrawText())
        return;
    irr::video::IVideoDriver* driver = m_device->getVideoDriver();
    const irr::core::dimension2d<irr::u32> screen = m_device->getScreenSize();
    const irr::s32 width = static_cast<irr::s32>(screen.Width);
    const irr::s32 height = static_cast<irr::s32>(screen.Height);
    const auto& messages = m_messages.getMessages();
    for (const ConsoleLinePlacement& line : m_messages.layout(m_device->getTimeMs(), m_visible, m_lineHeight, height))
    {
        const ConsoleMonitorSystemMessage& message = messages[line.messageIndex];
        if (message.type == kLogMark)
        {
            const irr::s32 y = line.top + m_lineHeight / 2;
            driver->draw2DLine(irr::core::position2d<irr::s32>(ConsoleMessageList::kMargin, y),
                               irr::core::position2d<irr::s32>(width - kPanelMargin, y), line.color);
        }
        else
        {
            drawBoxedText(message.text, ConsoleMessageList::kMargin, line.top, line.color);
        }
    }
    if (m_visible)
        drawScrollBar();
}

void ConsoleLogic::drawScrollBar()
{
    ConsoleScrollBar bar{};
    if (!m_messages.getScrollBar(static_cast<irr::s32>(m_device->getScreenSize().Height), bar))
        return;
    irr::video::IVideoDriver* driver = m_device->getVideoDriver();
    const irr::video::SColor outerTop(255, 0, 0, 0);
    const irr::video::SColor outerBottom(200, 0, 0, 0);
    driver->draw2DRectangle(irr::core::rect<irr::s32>(20, bar.top, 30, bar.bottom), outerTop, outerTop, outerBottom,
                            outerBottom);
    const irr::video::SColor innerTop(255, 200, 200, 230);
    const irr::video::SColor innerBottom(200, 200, 200, 230);
    driver->draw2DRectangle(irr::core::rect<irr::s32>(22, bar.top + 2, 28, bar.bottom - 2), innerTop, innerTop,
                            innerBottom, innerBottom);
}

void ConsoleLogic::drawDebugVariables()
{
    if (m_debugVariables.empty() || !canDrawText())
        return;
    const irr::s32 height = static_cast<irr::s32>(m_device->getScreenSize().Height);
    const irr::s32 count = static_cast<irr::s32>(m_debugVariables.size());
    m_device->getVideoDriver()->draw2DRectangle(
        kBlack, irr::core::rect<irr::s32>(5, height - 15 - count * m_lineHeight, m_boxRight, height - 5));
    for (irr::s32 i = 0; i < count; ++i)
    {
        const DebugVariable& variable = m_debugVariables[i];
        const irr::s32 top = height - 10 - (count - i) * m_lineHeight;
        const irr::core::rect<irr::s32> nameRect = textRect(m_font, variable.name, 10, top);
        if (nameRect.getWidth() > m_nameColumnWidth)
            m_nameColumnWidth = nameRect.getWidth();
        const irr::core::rect<irr::s32> valueRect = textRect(m_font, variable.value, m_nameColumnWidth + 25, top);
        m_font->draw(variable.name, nameRect, kWhite);
        m_font->draw(variable.value, valueRect, kWhite);
        if (valueRect.LowerRightCorner.X + 10 > m_boxRight)
            m_boxRight = valueRect.LowerRightCorner.X + 10;
    }
}

void ConsoleLogic::drawInputLine()
{
    if (!canDrawText())
        return;
    const irr::s32 width = static_cast<irr::s32>(m_device->getScreenSize().Width);
    const irr::core::rect<irr::s32> box(60, 5, width - 60, m_lineHeight + 5);
    m_device->getVideoDriver()->draw2DRectangle(kBlack, box);
    m_font->draw(irr::core::stringw(L"Input> ") + m_inputLine, box, kWhite);
}

void ConsoleLogic::drawFps()
{
    if (!canDrawText())
        return;
    const irr::core::stringw text =
        irr::core::stringw(L"FPS: ") + irr::core::stringw(m_device->getVideoDriver()->getFPS());
    const irr::s32 width = static_cast<irr::s32>(m_device->getScreenSize().Width);
    irr::core::rect<irr::s32> box = textRect(m_font, text, 0, 10);
    box += irr::core::position2d<irr::s32>(width - 10 - box.getWidth(), 0); // right-aligned
    m_font->draw(text, box, kWhite);
}
} // namespace Talvoren
