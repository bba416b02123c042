// Starting sounds must not block a frame: a two-minute music file streams,
// short sounds come from the sample cache. OpenAL Soft's null backend plays
// without output.

#include "platform/sound/createsoundengine.h"
#include "platform/sound/isound.h"
#include "platform/sound/isoundengine.h"
#include "platform/sound/sounddecoder.h"
#include "platform/sound/soundref.h"
#include "tests/support/soundfiles.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

using namespace platform::sound;

namespace
{
const testsupport::OpenAlTestConfig g_openAl("null");

//! The files live beside the OpenAL configuration and are written once.
struct BenchFiles
{
    BenchFiles()
    {
        const std::string folder = g_openAl.outputPath().substr(0, g_openAl.outputPath().rfind('/'));
        music = folder + "/music.ogg";
        tone = folder + "/tone.wav";
        testsupport::writeTone(music, 120.0, 2, testsupport::ToneFormat::kOggVorbis);
        testsupport::writeTone(tone, 1.0, 1);
    }
    std::string music;
    std::string tone;
};

const BenchFiles& files()
{
    static const BenchFiles instance;
    return instance;
}

void playAndStop(benchmark::State& state, const std::string& file, StreamMode mode, bool is3D)
{
    SoundRef<ISoundEngine> engine(createIrrKlangDevice());
    if (!engine)
    {
        state.SkipWithError("no sound device");
        return;
    }
    for (auto _ : state)
    {
        SoundRef<ISound> sound(is3D ? engine->play3D(file.c_str(), SoundVector(10, 0, 0), true, false, true, mode)
                                    : engine->play2D(file.c_str(), true, false, true, mode));
        if (!sound)
        {
            state.SkipWithError("the sound did not start");
            return;
        }
        sound->stop();
    }
}

void BM_StartTwoMinuteMusicStreamed(benchmark::State& state)
{
    playAndStop(state, files().music, StreamMode::kAutoDetect, false);
}
BENCHMARK(BM_StartTwoMinuteMusicStreamed)->Unit(benchmark::kMillisecond);

void BM_StartShortSoundFromCache(benchmark::State& state)
{
    playAndStop(state, files().tone, StreamMode::kAutoDetect, false);
}
BENCHMARK(BM_StartShortSoundFromCache)->Unit(benchmark::kMicrosecond);

void BM_StartShortThreeDimensionalSound(benchmark::State& state)
{
    playAndStop(state, files().tone, StreamMode::kAutoDetect, true);
}
BENCHMARK(BM_StartShortThreeDimensionalSound)->Unit(benchmark::kMicrosecond);

//! What a start would cost if the music were decoded whole.
void BM_DecodeTwoMinuteMusicWhole(benchmark::State& state)
{
    for (auto _ : state)
    {
        SoundDecoder decoder(files().music, false);
        std::vector<std::int16_t> samples;
        while (decoder.read(samples, 16384) > 0)
        {
        }
        benchmark::DoNotOptimize(samples.data());
    }
}
BENCHMARK(BM_DecodeTwoMinuteMusicWhole)->Unit(benchmark::kMillisecond)->Iterations(2);
} // namespace
