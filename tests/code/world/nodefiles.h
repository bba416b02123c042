#pragma once
// Patrol graph files for the tests: the kinds of damage a readable file can
// carry, and a good one.

#include <cstddef>
#include <random>
#include <string>
#include <vector>

namespace worldtest
{
struct NodeFile
{
    const char* name;
    std::string text;
    //! Points and links (counted at both ends) the graph holds after reading it.
    std::size_t points;
    std::size_t links;
};

//! The same bytes on every run.
inline std::string randomBytes(std::size_t count)
{
    std::mt19937 generator(7);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes;
    for (std::size_t i = 0; i < count; ++i)
        bytes.push_back(static_cast<char>(byte(generator)));
    return bytes;
}

//! Three points, two links and a link to an unknown point.
const char* const kGoodNodes = "[points]\n1,10,490\n2,20,490\n3,20,480\n[connections]\n1,2\n2,3\n3,9\n";

//! Readable files, all but the last without a single point.
inline std::vector<NodeFile> readableNodeFiles()
{
    return {{"random bytes", randomBytes(512), 0, 0},
            {"a wrong header", "[point]\n1,10,490\n2,20,490\n[connections]\n1,2\n", 0, 0},
            {"no point section", "# links only\n[connections]\n1,2\n", 0, 0},
            {"only malformed points", "[points]\n1,10\n1;10;490\n1,10,490,5\n\n[connections]\n1,1\n", 0, 0},
            {"a good file", kGoodNodes, 3, 4}};
}
} // namespace worldtest
