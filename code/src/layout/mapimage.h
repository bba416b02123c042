#pragma once
// map.png read with the colours its pixels spell.

#include <string>

namespace irr
{
namespace video
{
class IImage;
class IVideoDriver;
} // namespace video
} // namespace irr

namespace Belgarune
{
//! Loads the image through the driver's PNG loader, but leaves out a PNG
//! gamma chunk: the loader would otherwise correct every colour and break the
//! exact colour codes. The path goes through resolvePath. Null when the file
//! cannot be read, is no PNG, has a side of more than 4096 pixels or does not
//! decode; the caller drops the image.
irr::video::IImage* loadMapImage(irr::video::IVideoDriver& driver, const std::string& path);
} // namespace Belgarune
