#pragma once
// Short sounds: ambience, stingers, impacts and the menu's blips.

#include "tools/assetgen/sound.h"

#include <cstdint>

namespace assetgen
{
struct AmbienceStyle
{
    std::uint32_t seed = 1;
    float seconds = 5;
    float wind = 0.5f;     //!< filtered noise level
    float droneHz = 55;    //!< 0 = no drone
    int drips = 3;         //!< falling water drops
    float metallic = 0.0f; //!< chain-like rattles
    float whispers = 0.0f; //!< breathy voices
};
Sound ambience(const AmbienceStyle& style);

//! An eerie falling "laugh": pulses gliding down, with reverb (about 3 s).
Sound eerieLaugh(std::uint32_t seed);
//! Splintering crack (about 1 s).
Sound breakingWood(std::uint32_t seed);
//! Dissonant stinger when an enemy spots the player (about 1 s).
Sound detectedStinger();
//! Deep impact (about 2 s).
Sound deepImpact(std::uint32_t seed);

enum class Blip
{
    Accept,
    Cancel,
    Cursor,
};
Sound menuBlip(Blip blip);

//! Grinding stone of the crusher (about 2 s).
Sound grindingStone(std::uint32_t seed);
//! Gate opening: a creak and a clank (about 1.5 s).
Sound gateOpening(std::uint32_t seed);
} // namespace assetgen
