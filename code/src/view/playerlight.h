#pragma once
// The hero's light as the lighting shaders receive it: its colour follows the
// glowing tones and the light shift, its radius widens as darkness falls.

#include <SColor.h>
#include <irrTypes.h>

namespace Belgarune
{
//! Glow entries: tones 0..4 and one spare.
constexpr irr::u32 kGlowCount = 6;

struct PlayerLight
{
    irr::video::SColorf colour;
    irr::f32 radius = 1.0f;
};

//! A held tone's glow rises from 0 to 1 in a second of real time.
irr::f32 raisedGlow(irr::f32 glow, irr::u32 frameMs);
//! A released tone's glow falls from 1 to 0 in four seconds.
irr::f32 loweredGlow(irr::f32 glow, irr::u32 frameMs);

//! The tones' glows colour the light only while the hero holds the violin key.
//! lightShift and darkness run from 0 to 1.
PlayerLight computePlayerLight(const irr::f32 (&glows)[kGlowCount], bool violinKey, irr::f32 lightShift,
                               irr::f32 darkness);
} // namespace Belgarune
