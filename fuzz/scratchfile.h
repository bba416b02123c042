#pragma once
// A file of this fuzzing process in /tmp, rewritten for every input.

#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <string>

namespace fuzzing
{
//! "/tmp/fuzz_<pid>_" + name: parallel fuzzing jobs never share a file.
inline std::string scratchPath(const std::string& name)
{
    return "/tmp/fuzz_" + std::to_string(::getpid()) + "_" + name;
}

//! Replaces the file's content with bytes; returns its path.
inline std::string writeScratchFile(const std::string& name, const std::string& bytes)
{
    const std::string path = scratchPath(name);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    return path;
}
} // namespace fuzzing
