#include "talvoren/hashedstring.h"

#include <cstring>

namespace
{
constexpr std::uint32_t kModulus = 65521;
// The longest run of characters whose sums cannot overflow 32 bits.
constexpr std::size_t kBlockLength = 5552;

std::uint32_t lowerCase(unsigned char character)
{
    // Only ASCII letters are folded; bytes above 127 count as they are.
    return (character >= 'A' && character <= 'Z') ? character + ('a' - 'A') : character;
}
} // namespace

HashedString::HashedString(const char* name) : m_hash(computeHash(name)), m_name(name ? name : "")
{
}

std::uint32_t HashedString::computeHash(const char* name)
{
    if (!name || std::strcmp(name, "*") == 0)
        return 0;

    const unsigned char* next = reinterpret_cast<const unsigned char*>(name);
    std::size_t remaining = std::strlen(name);
    std::uint32_t s1 = 0;
    std::uint32_t s2 = 0;
    while (remaining > 0)
    {
        const std::size_t block = remaining < kBlockLength ? remaining : kBlockLength;
        for (std::size_t i = 0; i < block; ++i)
        {
            s1 += lowerCase(next[i]);
            s2 += s1;
        }
        next += block;
        remaining -= block;
        s1 %= kModulus;
        s2 %= kModulus;
    }
    return (s2 << 16) | s1;
}
