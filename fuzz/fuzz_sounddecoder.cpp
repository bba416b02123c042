// Sound files of any content: decoding, mixing down and seeking never crash,
// leak or hand out more samples than frames times channels.

#include "platform/sound/sounddecoder.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace
{
//! Decoding stops after this many frames, so that a header claiming hours of sound stays quick.
constexpr std::size_t kFrameLimit = 1 << 18;

const std::string& inputPath()
{
    static const std::string path = "/tmp/fuzz_sounddecoder_" + std::to_string(::getpid()) + ".snd";
    return path;
}

void decode(bool mono)
{
    platform::sound::SoundDecoder decoder(inputPath(), mono);
    if (!decoder.isOpen())
        return;
    const int channels = decoder.getChannels();
    if (channels < 1 || channels > 2 || (mono && channels != 1) || decoder.getSampleRate() < 1)
        __builtin_trap();
    std::vector<std::int16_t> samples;
    std::size_t frames = 0;
    while (frames < kFrameLimit)
    {
        const std::size_t got = decoder.read(samples, 4096);
        if (got == 0)
            break;
        frames += got;
    }
    if (samples.size() != frames * static_cast<std::size_t>(channels))
        __builtin_trap();
    decoder.seek(decoder.getFrameCount() / 2);
    samples.clear();
    decoder.read(samples, 64);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::FILE* file = std::fopen(inputPath().c_str(), "wb");
    if (!file)
        return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    decode(false);
    decode(true);
    std::remove(inputPath().c_str());
    return 0;
}
