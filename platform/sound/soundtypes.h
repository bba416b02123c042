#pragma once
// Small value types of the sound layer's interface.

namespace platform
{
namespace sound
{
//! How the output device is chosen.
enum class OutputDriver
{
    kAutoDetect
};

//! Whether a file is decoded whole before it plays or streamed while it plays.
enum class StreamMode
{
    //! Files longer than a few seconds stream, shorter ones are decoded whole.
    kAutoDetect,
    kStream,
    kNoStream
};
} // namespace sound
} // namespace platform
