#include "platform/messagebox.h"

#include "platform/textfile.h"

#include <cstdio>

namespace platform
{
void showMessageBox(const std::wstring& caption, const std::wstring& text)
{
    const std::string line = toUtf8(caption) + ": " + toUtf8(text) + "\n";
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
}
} // namespace platform
