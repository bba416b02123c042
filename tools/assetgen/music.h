#pragma once
// A tiny sequencer over the tone voices, and the game's music pieces.

#include "tools/assetgen/songsource.h"
#include "tools/assetgen/sound.h"
#include "tools/assetgen/synth.h"

#include <vector>

namespace assetgen
{
//! A note on the instrument's scale: degree 0..4 are the five tones, each further 4 degrees
//! one octave higher (negative degrees go lower).
struct MusicNote
{
    float beat;
    float beats;
    int degree;
    float velocity = 1;
};

struct Track
{
    Timbre timbre;
    Envelope envelope;
    float pan = 0;
    float gain = 1;
    std::vector<MusicNote> notes;
};

struct Piece
{
    float beatsPerMinute = 60;
    float lengthBeats = 16;
    int channels = 2;
    bool loop = false;   //!< tails wrap onto the start so the piece loops seamlessly
    float roomSeconds = 2;
    float wet = 0.3f;
    float droneHz = 0;   //!< whole-hertz drone under the whole piece (0 = none)
    std::vector<Track> tracks;
};

float degreeFrequency(int degree);
Sound render(const Piece& piece);

//! The music files of the game; the songs they quote come from `songs`.
Piece levelFlute(const SongSource& songs);      //!< 64 s loop, mono, heard at the hub
Piece titleIntro(const SongSource& songs);      //!< about 14 s
Piece titleLoop(const SongSource& songs);       //!< 32 s loop
Piece growthMinuet(const SongSource& songs);    //!< 10 s effect music
Piece solOde(const SongSource& songs);          //!< 8 s effect music
Piece slowedRequiem(const SongSource& songs);   //!< 18 s effect music
} // namespace assetgen
