#pragma once
// The OpenAL context of one engine and the lock under which it is used.

#include <AL/alc.h>

#include <mutex>

namespace platform
{
namespace sound
{
//! Shared by an engine and its sounds (std::shared_ptr), so that a handle
//! which outlives its engine still finds the lock; context is null once the
//! engine is gone. Every OpenAL call of an engine is made under mutex.
struct SharedContext
{
    std::mutex mutex;
    ALCcontext* context = nullptr;
};

//! Makes context the calling thread's current OpenAL context (each thread has
//! its own, so several engines do not disturb each other).
void makeContextCurrent(ALCcontext* context);

//! Locks the shared context for a scope and makes it current on this thread.
class ContextLock
{
public:
    explicit ContextLock(SharedContext& shared) : m_lock(shared.mutex)
    {
        if (shared.context)
            makeContextCurrent(shared.context);
    }

private:
    std::lock_guard<std::mutex> m_lock;
};
} // namespace sound
} // namespace platform
