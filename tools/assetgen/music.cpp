#include "tools/assetgen/music.h"

#include "tools/assetgen/tonecolours.h"

#include <cmath>
#include <map>
#include <utility>

namespace assetgen
{
namespace
{
constexpr float kMusicPeak = 0.8f;
constexpr float kEndingFade = 1.5f;

const Timbre kFlute{{{1, 1}, {2, 0.2f}, {3, 0.08f}}, 5, 0.05f};
const Timbre kPad{{{1, 1}, {1, 0.5f, 1.5f}, {2, 0.3f}, {3, 0.1f, -1}}, 0.5f, 0.2f};
const Timbre kPluck{{{1, 1}, {2, 0.5f}, {3, 0.3f}, {4, 0.15f}}, 0, 0};
const Timbre kBell{{{1, 1}, {2.76f, 0.35f}, {5.4f, 0.15f}}, 0, 0};

const Envelope kBreath{0.08f, 0.2f, 0.75f, 0.5f};
const Envelope kSwell{1.2f, 0.5f, 0.8f, 1.5f};
const Envelope kPlucked{0.005f, 0.3f, 0.25f, 0.6f};

//! Lays a motif of degrees out one note per `step` beats from `start`.
void addMotif(Track& track, float start, float step, const std::vector<int>& degrees, int shift = 0,
              float length = 0.9f)
{
    for (size_t i = 0; i < degrees.size(); ++i)
        track.notes.push_back({start + step * i, step * length, degrees[i] + shift});
}

//! One chord of `degrees` held for `beats`.
void addChord(Track& track, float beat, float beats, const std::vector<int>& degrees)
{
    for (int degree : degrees)
        track.notes.push_back({beat, beats, degree, 0.6f});
}

//! A note as its track plays it: synthesised, and spread to the track's pan in a stereo piece.
Sound trackVoice(const Track& track, const MusicNote& n, float secondsPerBeat, int channels)
{
    const Sound voice = note(track.timbre, degreeFrequency(n.degree), n.beats * secondsPerBeat, track.envelope);
    return channels == 2 ? panned(voice, track.pan) : voice;
}

// The songs the music quotes.
constexpr Belgarune::SongId kRequiem = Belgarune::SongId::Requiem;
constexpr Belgarune::SongId kOde = Belgarune::SongId::OdeToSol;
constexpr Belgarune::SongId kGrowth = Belgarune::SongId::Minuet;
// A motif of our own, heard between the songs.
const std::vector<int> kWander = {0, 2, 1, 3, 2, 0, 1, 0};
} // namespace

float degreeFrequency(int degree)
{
    const int octave = degree >= 0 ? degree / 4 : -((-degree + 3) / 4);
    const int step = degree - octave * 4;
    return static_cast<float>(toneFrequency(step)) * std::pow(2.0f, static_cast<float>(octave));
}

Sound render(const Piece& piece)
{
    const float secondsPerBeat = 60.0f / piece.beatsPerMinute;
    const float seconds = piece.lengthBeats * secondsPerBeat;
    const size_t loopFrames = static_cast<size_t>(seconds * kSampleRate);
    Sound mix = Sound::silence(seconds, piece.channels);
    for (const Track& track : piece.tracks)
    {
        // A note the track plays again (same degree, same length) is synthesised once.
        std::map<std::pair<int, float>, Sound> voices;
        for (const MusicNote& n : track.notes)
        {
            const std::pair<int, float> key{n.degree, n.beats};
            auto voice = voices.find(key);
            if (voice == voices.end())
                voice = voices.emplace(key, trackVoice(track, n, secondsPerBeat, piece.channels)).first;
            const size_t start = static_cast<size_t>(n.beat * secondsPerBeat * kSampleRate);
            mix.mixIn(voice->second, start, track.gain * n.velocity);
        }
    }
    reverb(mix, piece.roomSeconds, piece.wet);
    if (piece.droneHz > 0)
    {
        const Sound drone = additive({{{1, 1}, {1.5f, 0.35f}, {2, 0.25f}}, 0.25f, 0.3f}, piece.droneHz, seconds);
        mix.mixIn(drone, 0, 0.18f);
    }
    if (piece.loop)
        mix.foldIntoLoop(loopFrames);
    else
    {
        // Effect music lasts as long as its effect: the reverb tail fades out inside it.
        mix.samples.resize(loopFrames * piece.channels);
        shape(mix, {0.001f, 0.001f, 1.0f, kEndingFade});
    }
    mix.normalise(kMusicPeak);
    return mix;
}

Piece levelFlute(const SongSource& songs)
{
    Piece piece{60, 64, 1, true, 3.0f, 0.45f, 147, {}};
    Track flute{kFlute, kBreath, 0, 1, {}};
    addMotif(flute, 0, 1, kWander, 0, 0.95f);
    addMotif(flute, 10, 1.5f, songs.melody(kRequiem), 0);
    addMotif(flute, 24, 1, songs.melody(kGrowth), 0);
    addMotif(flute, 34, 1, kWander, 4);
    addMotif(flute, 44, 1.5f, songs.melody(kOde), 0);
    addMotif(flute, 56, 1, {2, 1, 0}, 0, 1.5f);
    piece.tracks.push_back(flute);
    return piece;
}

Piece titleIntro(const SongSource& songs)
{
    Piece piece{70, 18, 2, false, 3.0f, 0.4f, 0, {}};
    Track arpeggio{kPluck, kPlucked, -0.3f, 0.8f, {}};
    for (int bar = 0; bar < 3; ++bar)
        addMotif(arpeggio, bar * 4.0f, 0.5f, {0, 2, 4, 6, 8, 6, 4, 2}, bar == 2 ? 1 : 0);
    Track pad{kPad, kSwell, 0.3f, 0.7f, {}};
    addChord(pad, 0, 8, {-4, 0, 2});
    addChord(pad, 8, 4, {-3, 1, 3});
    addChord(pad, 12, 4, {-4, 0, 2, 4});
    Track bells{kBell, kPlucked, 0, 0.6f, {}};
    addMotif(bells, 12, 0.75f, songs.melody(kOde), 4);
    piece.tracks = {arpeggio, pad, bells};
    return piece;
}

Piece titleLoop(const SongSource& songs)
{
    Piece piece{90, 48, 2, true, 3.0f, 0.4f, 0, {}};
    Track pad{kPad, kSwell, 0.2f, 0.6f, {}};
    const std::vector<std::vector<int>> chords = {{-4, 0, 2}, {-3, 1, 3}, {-2, 2, 4}, {-4, 0, 2}};
    for (int bar = 0; bar < 4; ++bar)
        addChord(pad, bar * 12.0f, 11.5f, chords[bar]);
    Track melody{kFlute, kBreath, -0.25f, 1, {}};
    addMotif(melody, 2, 1.5f, kWander, 4);
    addMotif(melody, 16, 1, songs.melody(kGrowth), 4);
    addMotif(melody, 26, 1.5f, songs.melody(kRequiem), 4);
    addMotif(melody, 40, 1, {6, 5, 4, 3}, 0, 1.4f);
    Track bass{kPluck, kPlucked, 0, 0.5f, {}};
    for (int beat = 0; beat < 48; beat += 3)
        bass.notes.push_back({static_cast<float>(beat), 2, chords[beat / 12][0] - 4, 0.8f});
    piece.tracks = {pad, melody, bass};
    return piece;
}

Piece growthMinuet(const SongSource& songs)
{
    Piece piece{120, 20, 2, false, 1.5f, 0.3f, 0, {}};
    Track pluck{kPluck, kPlucked, -0.2f, 1, {}};
    addMotif(pluck, 0, 1, songs.melody(kGrowth), 0);
    addMotif(pluck, 7, 1, songs.melody(kGrowth), 2);
    addMotif(pluck, 14, 0.5f, {4, 5, 6, 7, 8}, 0, 1.6f);
    Track pad{kPad, kSwell, 0.3f, 0.6f, {}};
    addChord(pad, 0, 9, {-4, 0, 2});
    addChord(pad, 9, 9, {-3, 1, 4});
    piece.tracks = {pluck, pad};
    return piece;
}

Piece solOde(const SongSource& songs)
{
    Piece piece{100, 13, 2, false, 2.0f, 0.35f, 0, {}};
    Track bells{kBell, kPlucked, 0.2f, 0.9f, {}};
    addMotif(bells, 0, 0.75f, songs.melody(kOde), 4);
    addMotif(bells, 6, 0.5f, {4, 5, 6, 7, 8, 9, 10, 11, 12}, 0);
    Track flute{kFlute, kBreath, -0.2f, 0.8f, {}};
    addMotif(flute, 0, 1.5f, songs.melody(kOde), 0, 1.0f);
    piece.tracks = {bells, flute};
    return piece;
}

Piece slowedRequiem(const SongSource& songs)
{
    Piece piece{40, 12, 2, false, 4.0f, 0.55f, 0, {}};
    Track voice{kPad, kSwell, 0, 1, {}};
    addMotif(voice, 0, 1.4f, songs.melody(kRequiem), -4, 1.1f);
    Track bells{kBell, kPlucked, 0.4f, 0.5f, {}};
    addMotif(bells, 0.5f, 2.8f, {4, 2, 0, 1}, 0);
    piece.tracks = {voice, bells};
    return piece;
}
} // namespace assetgen
