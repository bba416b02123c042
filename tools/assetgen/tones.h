#pragma once
// The instrument's tone loops: steady one-second loops at the five pitches in four voices.

#include "tools/assetgen/sound.h"
#include "tools/assetgen/synth.h"

namespace assetgen
{
enum class ToneVoice
{
    Player, //!< soft, ocarina-like
    Hollow, //!< odd harmonics ("_mask1")
    Choir,  //!< detuned voices ("_mask2")
    Glass,  //!< sustained bell-like partials ("_mask3")
};

Timbre toneTimbre(ToneVoice voice);
//! One second of the tone, seamless when looped, starting at a zero crossing.
Sound toneLoop(ToneVoice voice, int tone);
} // namespace assetgen
