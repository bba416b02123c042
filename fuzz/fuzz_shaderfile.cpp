// Shader files of any content: the sections hold no more than the file's
// bytes and never a line break.

#include "code/src/shaders/shaderfile.h"
#include "scratchfile.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path =
        fuzzing::writeScratchFile("shader.omxs", std::string(reinterpret_cast<const char*>(data), size));
    std::string fragmentText;
    std::string vertexText;
    Belgarune::loadShaderFile(path, fragmentText, vertexText);
    if (fragmentText.size() + vertexText.size() > size)
        __builtin_trap();
    if (fragmentText.find('\n') != std::string::npos || vertexText.find('\n') != std::string::npos)
        __builtin_trap();
    return 0;
}
