#pragma once
// Textures of the game tree, loaded by the names the game spells.

namespace irr
{
namespace video
{
class ITexture;
class IVideoDriver;
} // namespace video
} // namespace irr

namespace Belgarune
{
//! The driver's texture of that file (relative to the game tree, any spelling
//! the path helper resolves); null for a null file, one that cannot be read, or
//! a JPEG file cut short.
//! The driver owns the texture.
irr::video::ITexture* loadGameTexture(irr::video::IVideoDriver* driver, const char* file);
} // namespace Belgarune
