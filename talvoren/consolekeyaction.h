#pragma once
// What a key event does while the console is visible.

namespace Talvoren
{
enum class ConsoleKeyAction
{
    //! Consumed without effect: released keys and keys pressed with Ctrl.
    Swallow,
    EraseChar,
    RunLine,
    ScrollUp,
    ScrollDown,
    HistoryUp,
    HistoryDown,
    //! Neither consumed nor passed on to the active logic.
    Ignore,
    AppendChar
};

//! keyCode is the key's index in the device's key table, -1 for a code beyond it.
ConsoleKeyAction getConsoleKeyAction(int keyCode, bool pressedDown, bool control);
} // namespace Talvoren
