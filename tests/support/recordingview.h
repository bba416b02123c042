#pragma once
// A dungeon view that records what the world side asks of it.

#include "code/src/state/gamebase.h"
#include "code/src/world/idungeonview.h"
#include "code/src/world/mapcoord.h"
#include "talvoren/ieventdata.h"
#include "talvoren/ieventlistener.h"

#include <irrString.h>

#include <map>
#include <string>
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

//! Also a listener, as the dungeon view is: it keeps the types of the events it receives.
class RecordingView : public Belgarune::IDungeonView, public IEventListener
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

    void draw() override { ++draws; }
    void onResize() override { ++resizes; }
    bool OnEvent(const irr::SEvent&) override
    {
        ++inputEvents;
        return consumeInput;
    }
    bool passEventToEditor(const irr::SEvent&) override
    {
        ++editorEvents;
        return true;
    }
    irr::scene::ISceneNode* getObject(irr::s32 id) override
    {
        const auto found = objects.find(id);
        return found == objects.end() ? nullptr : found->second;
    }
    void removeObject(irr::s32 id) override { removed.push_back(id); }
    void onObjectPlaced(irr::s32 id, const Belgarune::MapCoord& cell) override
    {
        placedActors.push_back({id, cell.x, cell.y, cell.z});
    }
    irr::f32 getDarkness() const override { return darkness; }
    void addDarkness(irr::f32 delta) override { darkness = clampUnit(darkness + delta); }
    void addLightShift(irr::f32 delta) override { lightShift = clampUnit(lightShift + delta); }
    void setOverlayAlpha(irr::f32 alpha) override { overlayAlpha = alpha; }
    void animateTimeBubble(irr::f32 progress) override { bubble.push_back(progress); }
    void addNotice(const irr::core::stringw& text, irr::u32 durationMs) override
    {
        notices.push_back({text.c_str(), durationMs});
    }
    void startOpeningSequence() override { ++openings; }
    void pauseMusic(bool paused) override { musicPaused.push_back(paused); }
    void setGameState(Belgarune::GameState state) override { gameStates.push_back(state); }
    void setScoreLineStyle(bool playable) override { lineStyles.push_back(playable); }
    Belgarune::GameItem* getItemInReach() const override { return itemInReach; }
    void clearItemInReach() override { itemInReach = nullptr; }
    // As the hearts display does, through the game state.
    void loseHeart() override
    {
        hearts.push_back(-1);
        --g_gameBase->m_hp;
    }
    void gainHeart() override
    {
        hearts.push_back(+1);
        ++g_gameBase->m_hp;
    }

    const char* getName() override { return "RecordingView"; }
    bool handleEvent(const std::shared_ptr<IEventData>& event) override
    {
        received.push_back(event->getEventType().getName());
        return true;
    }

    static irr::f32 clampUnit(irr::f32 value) { return value < 0.0f ? 0.0f : (value > 1.0f ? 1.0f : value); }

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

    int draws = 0;
    int resizes = 0;
    int inputEvents = 0;
    int editorEvents = 0;
    bool consumeInput = false;
    //! What getObject finds; the test owns the nodes.
    std::map<irr::s32, irr::scene::ISceneNode*> objects;
    std::vector<irr::s32> removed;
    //! Id and cell x, y, z of each actor placed.
    std::vector<std::vector<irr::s32>> placedActors;
    irr::f32 darkness = 0.0f;
    irr::f32 lightShift = 0.0f;
    irr::f32 overlayAlpha = 0.0f;
    std::vector<irr::f32> bubble;
    std::vector<std::pair<std::wstring, irr::u32>> notices;
    int openings = 0;
    std::vector<bool> musicPaused;
    std::vector<Belgarune::GameState> gameStates;
    std::vector<bool> lineStyles;
    Belgarune::GameItem* itemInReach = nullptr;
    //! -1 for each heart lost, +1 for each gained.
    std::vector<int> hearts;
    //! Type names of the events received.
    std::vector<std::string> received;
};
} // namespace testsupport
