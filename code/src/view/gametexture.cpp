#include "code/src/view/gametexture.h"

#include "platform/pathresolver.h"

#include <IVideoDriver.h>

#include <string>

namespace Belgarune
{
irr::video::ITexture* loadGameTexture(irr::video::IVideoDriver* driver, const char* file)
{
    return file ? driver->getTexture(platform::resolvePath(std::string(file)).c_str()) : nullptr;
}
} // namespace Belgarune
