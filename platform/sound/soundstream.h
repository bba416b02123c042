#pragma once
// Feeds a long file to an OpenAL source a little at a time.

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace platform
{
namespace sound
{
class SoundDecoder;

//! Owns the decoder and a ring of OpenAL buffers queued on one source. All
//! operations need the engine's context to be current; release must be
//! called before the stream is destroyed.
class SoundStream
{
public:
    SoundStream(std::unique_ptr<SoundDecoder> decoder, bool looped);
    ~SoundStream();
    SoundStream(const SoundStream&) = delete;
    SoundStream& operator=(const SoundStream&) = delete;

    //! Creates the buffers and queues the first part of the file; false when
    //! nothing could be decoded.
    bool start(unsigned int source);
    //! Refills the buffers the source has played and restarts a source that
    //! ran dry while playing is set. False once the file has played out.
    bool update(unsigned int source, bool playing);
    //! Continues at that frame; false when the file cannot seek there.
    bool seek(unsigned int source, std::int64_t frame, bool playing);
    //! Takes the buffers off the source and deletes them.
    void release(unsigned int source);

    std::int64_t getFrameCount() const;
    int getSampleRate() const;

private:
    //! Decodes into the buffer; false when the file has nothing more to give.
    bool fill(unsigned int buffer);
    //! Queues every buffer that fill accepts.
    void queueIdleBuffers(unsigned int source);

    static constexpr std::size_t kBufferCount = 4;
    static constexpr std::size_t kFramesPerBuffer = 8192;

    std::unique_ptr<SoundDecoder> m_decoder;
    bool m_looped;
    bool m_created = false;
    std::array<unsigned int, kBufferCount> m_buffers{};
    std::vector<unsigned int> m_idleBuffers;
    std::vector<std::int16_t> m_samples;
};
} // namespace sound
} // namespace platform
