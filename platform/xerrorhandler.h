#pragma once
// Keeps asynchronous X errors from ending the process.

#include <functional>
#include <string>

namespace platform
{
//! Installs an Xlib error handler that hands each error's description to
//! report and returns, instead of Xlib's default handler, which exits. Must be
//! called before the first X connection is opened.
void installXErrorHandler(std::function<void(const std::string&)> report);
} // namespace platform
