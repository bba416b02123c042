#pragma once
// Test helper: real X errors on a connection of the test's own.

namespace testsupport
{
//! Destroys a window twice on a new connection to the display and waits for
//! the server's answer, so the installed error handler sees one BadWindow
//! error. False when there is no display.
bool provokeLostWindowError();
} // namespace testsupport
