#include "platform/xerrorhandler.h"

#include <X11/Xlib.h>

namespace platform
{
namespace
{
std::function<void(const std::string&)>& reporter()
{
    static std::function<void(const std::string&)> report;
    return report;
}

int onXError(Display* display, XErrorEvent* error)
{
    char text[256] = {0};
    XGetErrorText(display, error->error_code, text, sizeof(text) - 1);
    const std::string message = "X error: " + std::string(text) + " (request " +
                                std::to_string(static_cast<int>(error->request_code)) + "." +
                                std::to_string(static_cast<int>(error->minor_code)) + ")";
    if (reporter())
        reporter()(message);
    return 0;
}
} // namespace

void installXErrorHandler(std::function<void(const std::string&)> report)
{
    reporter() = std::move(report);
    XSetErrorHandler(onXError);
}
} // namespace platform
