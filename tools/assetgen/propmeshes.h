#pragma once
// Meshes of the level's props and pick-ups (mesh units = 5 x world units).

#include "tools/assetgen/mesh.h"

#include <string>
#include <vector>

namespace assetgen
{
//! Any prop made of one surface of revolution about +Y (pots, pedestals, pillars, plinths).
Mesh turnedProp(const std::vector<std::pair<float, float>>& profile, int segments, const std::string& texture);

//! Ceiling piece hanging down from its origin, holding the lamp 13 units below.
Mesh ceilingHolder(const std::string& texture);
//! Crossed glowing cards around the origin (drawn additively).
Mesh lampGlow(const std::string& texture);

//! Standing stone, upright along +Z (X -10..10, Z 0..30), its faces toward +Y and -Y.
Mesh keystone(const std::string& texture);

//! Large tomb along X; materials: 0 plinth, 1 body, 2 lid, 3 headstone, 4 candles, then
//! `extraMaterials` more parts (flowers, urns), the last being the translucent veil.
struct GraveStyle
{
    std::string stone;
    std::string body;
    std::string candle;
    std::string veil;
    int extraMaterials = 1; //!< 1 gives 6 materials, 2 gives 7
    float length = 80;
};
Mesh grave(const GraveStyle& style);

//! Map sheet on a small stand.
Mesh mapStand(const std::string& sheetTexture, const std::string& standTexture);
//! Crusher block: X, Z -125..125, Y 0..50 with studs on its bottom face at Y 0.
Mesh crusher(const std::string& texture);
//! Square plinth whose top lies at Y 0..2, reaching down 100 units.
Mesh squarePlinth(const std::string& texture);

enum class Clef
{
    Treble, //!< upright along +Z
    Bass,   //!< upright along +Z
    Alto,   //!< upright along +X
};
//! A clef, about 25 units tall, as a golden key item.
Mesh clefItem(Clef clef, const std::string& texture);
//! Conch-shaped instrument, about 25 long along +Z; one material.
Mesh shellInstrument(const std::string& texture);
//! Healing stone: a rock base with a crystal cluster.
Mesh healingStone(const std::string& rockTexture, const std::string& crystalTexture);
//! Sphere of radius 50 (the time bubble).
Mesh bubble(const std::string& texture);
} // namespace assetgen
