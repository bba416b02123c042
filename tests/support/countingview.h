#pragma once
// A dungeon view that only counts the level pieces placed, for benchmarks and fuzz targets.

#include "code/src/world/idungeonview.h"

namespace testsupport
{
class CountingView : public Belgarune::IDungeonView
{
public:
    void placeFloor(const Belgarune::MapCoord&, Belgarune::FloorCode) override { ++placements; }
    void placeWall(const Belgarune::MapCoord&, Belgarune::WallType, Belgarune::WallSide) override { ++placements; }
    void placeBars(const Belgarune::MapCoord&, irr::s32, Belgarune::WallSide, irr::s32) override { ++placements; }
    void placeObject(Belgarune::PieceKind, const Belgarune::MapCoord&, irr::s32, Belgarune::WallSide,
                     irr::s32) override
    {
        ++placements;
    }
    void refreshMapView() override {}
    void setCameraPose(const irr::core::vector3df&, const irr::core::vector3df&) override {}
    void notifyTonePlayed(irr::u32) override {}
    void raiseToneGlow(irr::u32) override {}
    void lowerToneGlow(irr::u32) override {}

    void draw() override {}
    void onResize() override {}
    bool OnEvent(const irr::SEvent&) override { return false; }
    bool passEventToEditor(const irr::SEvent&) override { return false; }
    irr::scene::ISceneNode* getObject(irr::s32) override { return nullptr; }
    void removeObject(irr::s32) override {}
    void onObjectPlaced(irr::s32, const Belgarune::MapCoord&) override {}
    irr::f32 getDarkness() const override { return 0.0f; }
    void addDarkness(irr::f32) override {}
    void addLightShift(irr::f32) override {}
    void setOverlayAlpha(irr::f32) override {}
    void animateTimeBubble(irr::f32) override {}
    void addNotice(const irr::core::stringw&, irr::u32) override {}
    void startOpeningSequence() override {}
    void pauseMusic(bool) override {}
    void setGameState(Belgarune::GameState) override {}
    void setScoreLineStyle(bool) override {}
    Belgarune::GameItem* getItemInReach() const override { return nullptr; }
    void clearItemInReach() override {}
    void loseHeart() override {}
    void gainHeart() override {}

    long placements = 0;
};
} // namespace testsupport
