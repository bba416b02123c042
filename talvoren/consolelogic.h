#pragma once
// The engine's on-screen console: recent messages, the panel with its
// scrollable message list, the input line with its history, the debug values
// and the FPS line.

#include "talvoren/consolehistory.h"
#include "talvoren/consolemessagelist.h"
#include "talvoren/debugvariable.h"
#include "talvoren/gamelogic.h"

#include <SColor.h>
#include <irrArray.h>
#include <irrString.h>

namespace irr
{
namespace gui
{
class IGUIFont;
}
} // namespace irr

namespace Talvoren
{
class OmbelDevice;

//! Owned by the device (shared pointer) and never outlives it; the font
//! belongs to the GUI environment.
class ConsoleLogic : public GameLogic
{
public:
    //! device may be null: then nothing is drawn and messages carry time 0.
    explicit ConsoleLogic(const OmbelDevice* device);

    void update() override {}
    //! The animated console screen (the console as the only logic).
    void render() override { drawConsole(); }

    //! A null font is ignored.
    void setFont(irr::gui::IGUIFont* font);
    irr::gui::IGUIFont* getFont() const { return m_font; }
    irr::s32 getLineHeight() const { return m_lineHeight; }

    //! A non-empty replacement is stored in place of the text.
    void addMessage(irr::core::stringw text, irr::video::SColor color, irr::u32 type,
                    irr::core::stringw replacement);
    void addMonitorMark(irr::video::SColor color);
    const ConsoleMessageList& getMessageList() const { return m_messages; }

    //! The last entry with that id takes the value; otherwise a new entry.
    void setDebugVariable(irr::u32 id, irr::core::stringw value, irr::core::stringw name);
    const irr::core::array<DebugVariable>& getDebugVariables() const { return m_debugVariables; }

    //! Character 0 is ignored.
    void addChar(wchar_t character);
    void eraseChar();
    void scrollUp() { m_messages.scrollUp(); }
    void scrollDown() { m_messages.scrollDown(); }
    void addHistory(const irr::core::stringw& line) { m_history.add(line); }
    void historyUp();
    void historyDown();
    const ConsoleHistory& getHistory() const { return m_history; }

    void drawOverlay();
    void drawConsole();
    void drawMessageLines();
    void drawDebugVariables();
    void drawInputLine();
    void drawFps();

    bool isVisible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }
    const irr::core::stringw& getInputLine() const { return m_inputLine; }
    void clearInputLine() { m_inputLine = L""; }
    //! Set while the event manager records queued events.
    void setEventLogging(bool on) { m_eventLogging = on; }
    bool isEventLogging() const { return m_eventLogging; }

private:
    //! A device with a video driver; canDrawText also needs a font.
    bool canDraw() const;
    bool canDrawText() const;
    void drawPanel(irr::s32 bottom, irr::video::SColor upperLeft, irr::video::SColor upperRight,
                   irr::video::SColor lowerLeft, irr::video::SColor lowerRight);
    void drawScrollBar();
    //! Text on a black box of its own size.
    void drawBoxedText(const irr::core::stringw& text, irr::s32 left, irr::s32 top, irr::video::SColor color);

    const OmbelDevice* m_device;
    irr::gui::IGUIFont* m_font;
    ConsoleMessageList m_messages;
    irr::core::array<DebugVariable> m_debugVariables;
    ConsoleHistory m_history;
    irr::s32 m_nameColumnWidth;
    irr::s32 m_boxRight;
    bool m_visible;
    irr::s32 m_lineHeight;
    irr::core::stringw m_inputLine;
    bool m_eventLogging;
};
} // namespace Talvoren
