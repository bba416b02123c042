#include "platform/xerrorhandler.h"

#include <gtest/gtest.h>

// After gtest: its names collide with the X macros.
#include <X11/X.h>

using platform::XErrorKind;

TEST(XErrorHandler, ClassifiesByCodeNameAndRequest)
{
    struct Case
    {
        int code;
        const char* name;
        int minor;
        XErrorKind kind;
    };
    const int glxError = 160; // extension errors lie above the core codes
    const Case cases[] = {
        {BadWindow, "BadWindow (invalid Window parameter)", 0, XErrorKind::DrawableLost},
        {BadDrawable, "BadDrawable (invalid Pixmap or Window parameter)", 3, XErrorKind::DrawableLost},
        {glxError + 4, "GLXBadContextTag", 16, XErrorKind::SwapControlRefused},
        {glxError + 4, "GLXBadContextTag", 5, XErrorKind::Other},
        {glxError + 2, "GLXBadDrawable", 11, XErrorKind::DrawableLost},
        {glxError + 12, "GLXBadWindow", 32, XErrorKind::DrawableLost},
        {glxError + 5, "GLXBadCurrentWindow", 16, XErrorKind::Other},
        {BadMatch, "BadMatch (invalid parameter attributes)", 16, XErrorKind::Other},
        {BadValue, "BadValue (integer parameter out of range for operation)", 0, XErrorKind::Other},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::classifyXError(c.code, c.name, c.minor), c.kind) << c.name << " minor " << c.minor;
}
