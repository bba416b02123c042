#pragma once
// A dungeon view that records what the world side asks of it.

#include "code/src/world/idungeonview.h"
#include "code/src/world/mapcoord.h"

#include <map>
#include <utility>
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
    // Recorded as the numbers the data spells them with: kind, cell, then the
    // look, the side and the id (0 side and -1 id where a piece has none).
    void placeFloor(const Belgarune::MapCoord& cell, Belgarune::FloorCode code) override
    {
        record(Belgarune::PieceKind::Floor, cell, static_cast<irr::s32>(code), 0, -1);
    }
    void placeWall(const Belgarune::MapCoord& cell, Belgarune::WallType type, Belgarune::WallSide side) override
    {
        record(Belgarune::PieceKind::Wall, cell, static_cast<irr::s32>(type), static_cast<irr::s32>(side), -1);
    }
    void placeBars(const Belgarune::MapCoord& cell, irr::s32 barsType, Belgarune::WallSide side,
                   irr::s32 id) override
    {
        record(Belgarune::PieceKind::Bars, cell, barsType, static_cast<irr::s32>(side), id);
    }
    void placeObject(Belgarune::PieceKind kind, const Belgarune::MapCoord& cell, irr::s32 variant,
                     Belgarune::WallSide facing, irr::s32 id) override
    {
        record(kind, cell, variant, static_cast<irr::s32>(facing), id);
    }
    void refreshMapView() override { ++mapRefreshes; }
    void setCameraPose(const irr::core::vector3df& position, const irr::core::vector3df& target) override
    {
        poses.push_back({position, target});
    }
    void notifyTonePlayed(irr::u32 tone) override { playedTones.push_back(tone); }
    void raiseToneGlow(irr::u32 tone) override { glows.push_back({tone, true}); }
    void lowerToneGlow(irr::u32 tone) override { glows.push_back({tone, false}); }
    irr::scene::ISceneNode* getObject(irr::s32 id) override
    {
        const auto found = objects.find(id);
        return found == objects.end() ? nullptr : found->second;
    }

    void record(Belgarune::PieceKind kind, const Belgarune::MapCoord& cell, irr::s32 look, irr::s32 side,
                irr::s32 id)
    {
        placements.push_back({static_cast<irr::s32>(kind), cell.x, cell.z, look, side, id});
    }

    std::vector<Placement> placements;
    int mapRefreshes = 0;
    std::vector<CameraPose> poses;
    std::vector<irr::u32> playedTones;
    //! Each glow call: the tone and whether it was raised.
    std::vector<std::pair<irr::u32, bool>> glows;
    //! What getObject finds; the test owns the nodes.
    std::map<irr::s32, irr::scene::ISceneNode*> objects;
};
} // namespace testsupport
