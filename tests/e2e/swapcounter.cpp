// Test tool, preloaded into the game: counts the frames it shows (buffer swaps)
// and keeps the count, a fixed-width number, in the file SWAP_COUNT_FILE names.

#include <GL/glx.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace
{
int openCountFile()
{
    const char* path = std::getenv("SWAP_COUNT_FILE");
    return path ? open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644) : -1;
}
} // namespace

extern "C" void glXSwapBuffers(Display* display, GLXDrawable drawable)
{
    using Swap = void (*)(Display*, GLXDrawable);
    static const Swap next = reinterpret_cast<Swap>(dlsym(RTLD_NEXT, "glXSwapBuffers"));
    static const int file = openCountFile();
    static unsigned long count = 0;
    next(display, drawable);
    char text[32];
    const int length = std::snprintf(text, sizeof(text), "%20lu\n", ++count);
    if (file >= 0 && pwrite(file, text, static_cast<size_t>(length), 0) != length)
        std::perror("swapcounter");
}
