#pragma once
// Keeps asynchronous X errors from ending the process.

#include <functional>
#include <string>

namespace platform
{
//! What an X error means to the program.
enum class XErrorKind
{
    Other,
    //! The window or its drawable no longer exists (destroyed from outside).
    DrawableLost,
    //! The display refused the vertical-sync (swap interval) request.
    SwapControlRefused
};

struct XError
{
    //! "X error: " + Xlib's description + the request's major and minor code.
    std::string text;
    XErrorKind kind;
};

//! The kind of an error from its code, Xlib's name for it and the minor code of the request.
XErrorKind classifyXError(int errorCode, const std::string& errorName, int minorCode);

//! Installs an Xlib error handler that hands each error to report and
//! returns, instead of Xlib's default handler, which exits. An empty report
//! ignores errors. Must be called before the first X connection is opened.
void installXErrorHandler(std::function<void(const XError&)> report);
} // namespace platform
