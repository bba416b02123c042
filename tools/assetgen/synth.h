#pragma once
// Building blocks of the sounds: additive voices, envelopes, noise, filters and reverb.

#include "tools/assetgen/sound.h"

#include <cstdint>
#include <vector>

namespace assetgen
{
//! One sine partial of a voice: at `ratio` times the pitch plus `offsetHz`.
struct Partial
{
    float ratio = 1;
    float amplitude = 1;
    float offsetHz = 0;
};

struct Timbre
{
    std::vector<Partial> partials;
    float tremoloHz = 0;    //!< amplitude wobble rate
    float tremoloDepth = 0; //!< 0..1
};

//! Attack, decay to the sustain level, release at the end (seconds).
struct Envelope
{
    float attack = 0.01f;
    float decay = 0.1f;
    float sustain = 0.8f;
    float release = 0.2f;
};

//! Sum of the timbre's partials at `frequency`, all starting at phase zero; with whole-hertz
//! partials and whole seconds the result loops seamlessly.
Sound additive(const Timbre& timbre, float frequency, float seconds);
//! A note: additive voice shaped by an envelope; the release follows after `seconds`.
Sound note(const Timbre& timbre, float frequency, float seconds, const Envelope& envelope);
//! Pitch glide from `from` to `to` Hz (exponential), sine with a few harmonics.
Sound glide(float from, float to, float seconds, int harmonics);
//! White noise, reproducible from its seed.
Sound noise(std::uint32_t seed, float seconds);

//! One-pole low-pass in place (cutoff in Hz).
void lowPass(Sound& sound, float cutoffHz);
//! Difference of two low-passes: a simple band-pass in place.
void bandPass(Sound& sound, float lowHz, float highHz);
//! Multiplies by an envelope over the sound's length.
void shape(Sound& sound, const Envelope& envelope);
//! Exponential fade to silence with the given time constant.
void decayExponentially(Sound& sound, float timeConstant);
//! Comb-filter reverb mixed in at `wet`; the sound grows by its tail.
void reverb(Sound& sound, float roomSeconds, float wet);
//! Spreads a mono sound into stereo at `pan` (-1 left .. 1 right).
Sound panned(const Sound& mono, float pan);
} // namespace assetgen
