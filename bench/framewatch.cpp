// Benchmark tool, preloaded into the game: times the work of every frame and
// writes one line per buffer swap into the file FRAMEWATCH_FILE names:
//   "first <end of the swap, ns since the epoch>" for the first swap, then
//   "frame <end of the swap, ns since the epoch> <work in microseconds>".
// A frame's work is the time from the end of the previous swap to the end of
// this one less the time the main thread slept in between (the frame pacer).
// With FRAMEWATCH_PROBE="W H X Y" (an area of the window from its top left),
// the first frame that shows more than 20 near-white pixels there is also
// written once as "probe <end of the swap, ns since the epoch>".

#include <GL/gl.h>
#include <GL/glx.h>
#include <dlfcn.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace
{
using Steady = std::chrono::steady_clock;

struct ProbeArea
{
    int width = 0;
    int height = 0;
    int x = 0;
    int y = 0;
};

long long epochNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

bool onMainThread() { return syscall(SYS_gettid) == getpid(); }

class FrameWatch
{
public:
    FrameWatch()
    {
        const char* path = std::getenv("FRAMEWATCH_FILE");
        m_file = path ? std::fopen(path, "w") : nullptr;
        if (m_file)
            std::setvbuf(m_file, nullptr, _IOLBF, 0);
        const char* probe = std::getenv("FRAMEWATCH_PROBE");
        m_probing = probe && std::sscanf(probe, "%d %d %d %d", &m_probe.width, &m_probe.height, &m_probe.x,
                                         &m_probe.y) == 4;
    }
    ~FrameWatch()
    {
        if (m_file)
            std::fclose(m_file);
    }

    void addSleep(Steady::duration slept) { m_slept += slept; }

    //! Before the swap: the frame is complete in the back buffer.
    void beforeSwap(Display* display, GLXDrawable drawable)
    {
        if (m_probing)
            m_probeHit = probeShowsWhite(display, drawable);
    }

    void afterSwap()
    {
        const Steady::time_point end = Steady::now();
        if (!m_file)
            return;
        if (m_frames++ == 0)
            std::fprintf(m_file, "first %lld\n", epochNs());
        else
        {
            const auto work = std::chrono::duration_cast<std::chrono::microseconds>(end - m_lastEnd - m_slept);
            std::fprintf(m_file, "frame %lld %lld\n", epochNs(), static_cast<long long>(work.count()));
        }
        if (m_probeHit)
        {
            std::fprintf(m_file, "probe %lld\n", epochNs());
            m_probing = m_probeHit = false;
        }
        m_slept = Steady::duration::zero();
        m_lastEnd = end;
    }

private:
    bool probeShowsWhite(Display* display, GLXDrawable drawable)
    {
        unsigned int windowHeight = 0;
        glXQueryDrawable(display, drawable, GLX_HEIGHT, &windowHeight);
        std::vector<unsigned char> pixels(static_cast<size_t>(m_probe.width) * m_probe.height * 4);
        glReadPixels(m_probe.x, static_cast<int>(windowHeight) - m_probe.y - m_probe.height, m_probe.width,
                     m_probe.height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        int white = 0;
        for (size_t i = 0; i < pixels.size(); i += 4)
            white += pixels[i] >= 230 && pixels[i + 1] >= 230 && pixels[i + 2] >= 230;
        return white > 20;
    }

    std::FILE* m_file = nullptr;
    unsigned long m_frames = 0;
    Steady::time_point m_lastEnd;
    Steady::duration m_slept = Steady::duration::zero();
    ProbeArea m_probe;
    bool m_probing = false;
    bool m_probeHit = false;
};

FrameWatch& watch()
{
    static FrameWatch instance;
    return instance;
}

template <typename Function>
Function next(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

//! Runs sleep and counts its time when the main thread slept.
template <typename Sleep>
int timedSleep(Sleep sleep)
{
    if (!onMainThread())
        return sleep();
    const Steady::time_point start = Steady::now();
    const int result = sleep();
    watch().addSleep(Steady::now() - start);
    return result;
}
} // namespace

extern "C" void glXSwapBuffers(Display* display, GLXDrawable drawable)
{
    using Swap = void (*)(Display*, GLXDrawable);
    static const Swap swap = next<Swap>("glXSwapBuffers");
    watch().beforeSwap(display, drawable);
    swap(display, drawable);
    watch().afterSwap();
}

extern "C" int nanosleep(const timespec* request, timespec* remaining)
{
    using Sleep = int (*)(const timespec*, timespec*);
    static const Sleep sleep = next<Sleep>("nanosleep");
    return timedSleep([&] { return sleep(request, remaining); });
}

extern "C" int clock_nanosleep(clockid_t clock, int flags, const timespec* request, timespec* remaining)
{
    using Sleep = int (*)(clockid_t, int, const timespec*, timespec*);
    static const Sleep sleep = next<Sleep>("clock_nanosleep");
    return timedSleep([&] { return sleep(clock, flags, request, remaining); });
}
