#pragma once
// Meshes of the level's architecture: wall panels, bars and doors (mesh units = 5 x world units).

#include "tools/assetgen/mesh.h"

#include <string>

namespace assetgen
{
enum class PanelFrame
{
    ZUp, //!< height along +Z, front facing +Y, origin 10 world units above the floor
    YUp, //!< height along +Y from the floor, front facing -Z
};

//! One cell wide wall panel (X -25..25, 110 high) with a plinth and a cornice.
Mesh wallPanel(PanelFrame frame, const std::string& texture);

struct BarsStyle
{
    int bars = 8;
    float radius = 1.6f;
    int crossBars = 2;
    bool square = false;
};
//! Bars along local +X from -12.5 to 37.5, 110 high, thin in Z.
Mesh bars(const BarsStyle& style, const std::string& texture);

enum class VeilShape
{
    Arch,
    Circle,
    Diamond,
    Cross,
    Rune,
};
//! What fills the shape of a blocking door.
enum class DoorSeal
{
    Veil,    //!< a translucent veil through the slab (the door's material 1)
    Masonry, //!< opaque stone standing out of both faces of the slab
};
//! Blocking stone door (X -25..25, Y 0..110, Z -5..5) with its shape filled by `seal` in
//! `sealTexture` as material 1.
Mesh blockingDoor(VeilShape shape, const std::string& slabTexture, const std::string& sealTexture, DoorSeal seal);

//! Grate door of a cell: frame, bars and a lock plate.
Mesh grateDoor(const std::string& texture);
} // namespace assetgen
