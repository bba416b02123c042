#include "platform/sound/sharedcontext.h"

#include <AL/alc.h>

namespace platform
{
namespace sound
{
namespace
{
using SetThreadContext = ALCboolean(ALC_APIENTRY*)(ALCcontext*);

SetThreadContext threadContextFunction()
{
    static const SetThreadContext function = [] {
        if (!alcIsExtensionPresent(nullptr, "ALC_EXT_thread_local_context"))
            return SetThreadContext(nullptr);
        return reinterpret_cast<SetThreadContext>(alcGetProcAddress(nullptr, "alcSetThreadContext"));
    }();
    return function;
}
} // namespace

void makeContextCurrent(ALCcontext* context)
{
    if (SetThreadContext setThreadContext = threadContextFunction())
        setThreadContext(context);
    else
        alcMakeContextCurrent(context);
}
} // namespace sound
} // namespace platform
