#pragma once
// A dungeon view that records what the world side asks of it.

#include "code/src/world/idungeonview.h"
#include "code/src/world/mapcoord.h"

#include <vector>

namespace testsupport
{
struct Placement
{
    irr::s32 kind;
    irr::s32 cellX;
    irr::s32 cellZ;
    irr::s32 first;
    irr::s32 second;
    irr::s32 third;

    bool operator==(const Placement& other) const
    {
        return kind == other.kind && cellX == other.cellX && cellZ == other.cellZ && first == other.first &&
               second == other.second && third == other.third;
    }
};

struct CameraPose
{
    irr::core::vector3df position;
    irr::core::vector3df target;
};

class RecordingView : public Belgarune::IDungeonView
{
public:
    void placeObject(irr::s32 kind, const Belgarune::MapCoord& cell, irr::s32 first, irr::s32 second,
                     irr::s32 third) override
    {
        placements.push_back({kind, cell.x, cell.z, first, second, third});
    }
    void refreshMapView() override { ++mapRefreshes; }
    void setCameraPose(const irr::core::vector3df& position, const irr::core::vector3df& target) override
    {
        poses.push_back({position, target});
    }

    std::vector<Placement> placements;
    int mapRefreshes = 0;
    std::vector<CameraPose> poses;
};
} // namespace testsupport
