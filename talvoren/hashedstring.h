#pragma once
// The identity of an event type: its name and a 32-bit hash of it.

#include <cstdint>
#include <string>

class HashedString
{
public:
    explicit HashedString(const char* name);

    std::uint32_t getHashValue() const { return m_hash; }
    const std::string& getName() const { return m_name; }

    //! Types are the same when their hashes are; the name takes no part.
    bool operator==(const HashedString& other) const { return m_hash == other.m_hash; }
    bool operator!=(const HashedString& other) const { return m_hash != other.m_hash; }
    bool operator<(const HashedString& other) const { return m_hash < other.m_hash; }

    //! Adler-32 of the lower-cased name with both sums starting at 0;
    //! null and "*" give 0, the wildcard type.
    static std::uint32_t computeHash(const char* name);

private:
    std::uint32_t m_hash;
    std::string m_name;
};
