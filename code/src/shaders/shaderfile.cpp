#include "code/src/shaders/shaderfile.h"

#include "platform/textfile.h"

namespace Belgarune
{
void loadShaderFile(const std::string& path, std::string& fragmentText, std::string& vertexText)
{
    platform::LineReader reader(path);
    std::string* section = &fragmentText;
    std::string line;
    while (reader.next(line))
    {
        if (line == "#fragment")
            section = &fragmentText;
        else if (line == "#vertex")
            section = &vertexText;
        else
            section->append(line);
    }
}
} // namespace Belgarune
