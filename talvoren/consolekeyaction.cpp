#include "talvoren/consolekeyaction.h"

#include <Keycodes.h>

namespace Talvoren
{
namespace
{
bool isIgnoredKey(int key)
{
    switch (key)
    {
    case irr::KEY_TAB:
    case irr::KEY_SHIFT:
    case irr::KEY_LSHIFT: // X11 reports the two shift keys apart
    case irr::KEY_RSHIFT:
    case irr::KEY_ESCAPE:
    case irr::KEY_END:
    case irr::KEY_HOME:
    case irr::KEY_LEFT:
    case irr::KEY_RIGHT:
    case irr::KEY_DELETE:
        return true;
    default:
        return key >= irr::KEY_F1 && key <= irr::KEY_F24;
    }
}
} // namespace

ConsoleKeyAction getConsoleKeyAction(int keyCode, bool pressedDown, bool control)
{
    if (!pressedDown || control)
        return ConsoleKeyAction::Swallow;
    switch (keyCode)
    {
    case irr::KEY_BACK:
        return ConsoleKeyAction::EraseChar;
    case irr::KEY_RETURN:
        return ConsoleKeyAction::RunLine;
    case irr::KEY_PRIOR:
        return ConsoleKeyAction::ScrollUp;
    case irr::KEY_NEXT:
        return ConsoleKeyAction::ScrollDown;
    case irr::KEY_UP:
        return ConsoleKeyAction::HistoryUp;
    case irr::KEY_DOWN:
        return ConsoleKeyAction::HistoryDown;
    default:
        return isIgnoredKey(keyCode) ? ConsoleKeyAction::Ignore : ConsoleKeyAction::AppendChar;
    }
}
} // namespace Talvoren
