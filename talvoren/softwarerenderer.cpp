#include "talvoren/softwarerenderer.h"

#include <GL/gl.h>

#include <algorithm>
#include <cctype>

namespace Talvoren
{
bool isSoftwareRendererName(const std::string& rendererName)
{
    std::string lower = rendererName;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const char* name : {"llvmpipe", "softpipe", "swrast"})
        if (lower.find(name) != std::string::npos)
            return true;
    return false;
}

std::string currentRendererName()
{
    const GLubyte* name = glGetString(GL_RENDERER);
    return name ? reinterpret_cast<const char*>(name) : std::string();
}
} // namespace Talvoren
