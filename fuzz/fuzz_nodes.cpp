// nodes.txt files of any content: the patrol graph links only its own nodes,
// lays them on the floor, and its nearest-node search finds a node near enough.

#include "code/src/world/nodegraph.h"
#include "scratchfile.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <set>
#include <string>

// Input: three coordinates of a probe, then the file's bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const irr::core::vector3df probe(input.ConsumeFloatingPointInRange<irr::f32>(-10000.0f, 10000.0f), 0.0f,
                                     input.ConsumeFloatingPointInRange<irr::f32>(-10000.0f, 10000.0f));
    const std::string path = fuzzing::writeScratchFile("nodes.txt", input.ConsumeRemainingBytesAsString());

    Belgarune::NodeGraph graph;
    graph.load(path);
    std::set<const Belgarune::Node*> nodes;
    for (const auto& node : graph.getNodes())
    {
        if (node->m_position.Y != 0.0f)
            __builtin_trap();
        nodes.insert(node.get());
    }
    for (const auto& node : graph.getNodes())
    {
        for (const Belgarune::Node* neighbour : node->m_neighbours)
        {
            if (nodes.count(neighbour) == 0)
                __builtin_trap();
        }
    }
    const Belgarune::Node* nearest = graph.findNearestNode(probe);
    if (nearest && (nodes.count(nearest) == 0 || nearest->m_position.getDistanceFrom(probe) > 999.5f))
        __builtin_trap();
    return 0;
}
