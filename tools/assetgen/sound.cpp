#include "tools/assetgen/sound.h"

#include "tools/assetgen/maths.h"
#include "tools/assetgen/outputfolder.h"

#include <sndfile.h>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

namespace assetgen
{
namespace
{
constexpr int kOggSerial = 0x0B17A5E1;
constexpr int kVorbisBlock = 1024;
} // namespace

Sound Sound::silence(float seconds, int channels)
{
    Sound sound;
    sound.channels = channels;
    sound.samples.assign(static_cast<size_t>(seconds * kSampleRate) * channels, 0.0f);
    return sound;
}

void Sound::mixIn(const Sound& other, size_t startFrame, float gain)
{
    const size_t needed = (startFrame + other.frames()) * channels;
    if (samples.size() < needed)
        samples.resize(needed, 0.0f);
    for (size_t f = 0; f < other.frames(); ++f)
        for (int c = 0; c < channels; ++c)
            at(startFrame + f, c) += gain * other.samples[f * other.channels + std::min(c, other.channels - 1)];
}

void Sound::normalise(float peak)
{
    float largest = 0;
    for (float s : samples)
        largest = std::max(largest, std::fabs(s));
    if (largest > 0)
        for (float& s : samples)
            s *= peak / largest;
}

void Sound::foldIntoLoop(size_t loopFrames)
{
    for (size_t i = loopFrames * channels; i < samples.size(); ++i)
        samples[i % (loopFrames * channels)] += samples[i];
    samples.resize(loopFrames * channels);
}

void Sound::fadeEnds(float seconds)
{
    const size_t length = std::min(static_cast<size_t>(seconds * kSampleRate), frames() / 2);
    for (size_t i = 0; i < length; ++i)
    {
        const float gain = 0.5f - 0.5f * std::cos(kPi * static_cast<float>(i) / static_cast<float>(length));
        for (int c = 0; c < channels; ++c)
        {
            at(i, c) *= gain;
            at(frames() - 1 - i, c) *= gain;
        }
    }
}

bool writeWav(const Sound& sound, const std::string& path)
{
    if (!makeParentFolder(path))
        return false;
    SF_INFO info{};
    info.samplerate = kSampleRate;
    info.channels = sound.channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file)
        return false;
    const sf_count_t frames = static_cast<sf_count_t>(sound.frames());
    const bool complete = sf_writef_float(file, sound.samples.data(), frames) == frames;
    return sf_close(file) == 0 && complete;
}

bool writeOggVorbis(const Sound& sound, const std::string& path, float quality)
{
    if (!makeParentFolder(path))
        return false;
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file)
        return false;

    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, sound.channels, kSampleRate, quality) != 0)
    {
        vorbis_info_clear(&info);
        return false;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, kOggSerial);

    bool ok = true;
    ogg_page page;
    auto writePage = [&]() {
        ok = ok && std::fwrite(page.header, 1, page.header_len, file.get()) == static_cast<size_t>(page.header_len);
        ok = ok && std::fwrite(page.body, 1, page.body_len, file.get()) == static_cast<size_t>(page.body_len);
    };

    ogg_packet header, commentHeader, codeHeader;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codeHeader);
    while (ogg_stream_flush(&stream, &page) != 0)
        writePage();

    auto drain = [&]() {
        ogg_packet packet;
        while (vorbis_analysis_blockout(&dsp, &block) == 1)
        {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            while (vorbis_bitrate_flushpacket(&dsp, &packet))
            {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0)
                    writePage();
            }
        }
    };
    const size_t frames = sound.frames();
    for (size_t start = 0; start < frames; start += kVorbisBlock)
    {
        const int count = static_cast<int>(std::min<size_t>(kVorbisBlock, frames - start));
        float** buffer = vorbis_analysis_buffer(&dsp, count);
        for (int i = 0; i < count; ++i)
            for (int c = 0; c < sound.channels; ++c)
                buffer[c][i] = sound.samples[(start + i) * sound.channels + c];
        vorbis_analysis_wrote(&dsp, count);
        drain();
    }
    vorbis_analysis_wrote(&dsp, 0);
    drain();
    while (ogg_stream_flush(&stream, &page) != 0)
        writePage();

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return ok;
}
} // namespace assetgen
