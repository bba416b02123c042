#include "platform/xerrorhandler.h"

#include <X11/Xlib.h>

namespace platform
{
namespace
{
// The GLX request that carries vendor extensions such as the swap interval.
constexpr int kGlxVendorPrivate = 16;

std::function<void(const XError&)>& reporter()
{
    static std::function<void(const XError&)> report;
    return report;
}

int onXError(Display* display, XErrorEvent* error)
{
    if (!reporter())
        return 0;
    char name[256] = {0};
    XGetErrorText(display, error->error_code, name, sizeof(name) - 1);
    const std::string text = "X error: " + std::string(name) + " (request " +
                             std::to_string(static_cast<int>(error->request_code)) + "." +
                             std::to_string(static_cast<int>(error->minor_code)) + ")";
    reporter()({text, classifyXError(error->error_code, name, error->minor_code)});
    return 0;
}
} // namespace

XErrorKind classifyXError(int errorCode, const std::string& errorName, int minorCode)
{
    // Extension errors have no fixed code; GLX names its own.
    if (errorCode == BadWindow || errorCode == BadDrawable || errorName == "GLXBadDrawable" ||
        errorName == "GLXBadWindow")
        return XErrorKind::DrawableLost;
    if (errorName == "GLXBadContextTag" && minorCode == kGlxVendorPrivate)
        return XErrorKind::SwapControlRefused;
    return XErrorKind::Other;
}

void installXErrorHandler(std::function<void(const XError&)> report)
{
    reporter() = std::move(report);
    XSetErrorHandler(onXError);
}
} // namespace platform
