#pragma once
// Maps paths written with Windows habits onto the Linux file system.

#include <string>

namespace platform
{
//! Turns every '\' into '/' and, where a path component does not exist as
//! spelled, takes the entry of that folder whose name differs only in letter
//! case. Components that cannot be found are kept as spelled, so a path for a
//! file about to be created still resolves its existing folders.
std::string resolvePath(const std::string& spelled);

//! Wide variant: each character below 256 is one byte of the path, any other
//! becomes '?' (as platform::narrow does), never a byte of the same low bits.
std::string resolvePath(const std::wstring& spelled);
} // namespace platform
