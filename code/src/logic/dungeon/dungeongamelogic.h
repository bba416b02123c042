#pragma once
// The game's rules: the one logic the device runs. It owns the dungeon view,
// the splash and the title menu and switches between them by its system state.

#include "code/src/logic/dungeon/deathsequence.h"
#include "code/src/logic/dungeon/dungeonthreat.h"
#include "code/src/logic/dungeon/respawnpoints.h"
#include "code/src/logic/dungeon/scriptrunner.h"
#include "code/src/logic/dungeon/scripttriggers.h"
#include "code/src/songs/songeffect.h"
#include "code/src/world/gamestates.h"
#include "talvoren/gamelogic.h"

#include <irrString.h>
#include <irrTypes.h>
#include <vector3d.h>

#include <functional>
#include <memory>
#include <vector>

class HashedString;

namespace Belgarune
{
class CreateObjectEvent;
class GameStartLogic;
class IDungeonView;
class MenueLogic;
class ModifyMapEvent;
class PlaceObjectEvent;
class SongPlayedEvent;
struct SongFacts;

class DungeonGameLogic : public Talvoren::GameLogic
{
public:
    //! The dungeon view, set up, seen as the view and as the event listener it also is.
    struct ViewHandle
    {
        std::shared_ptr<IDungeonView> view;
        std::shared_ptr<IEventListener> listener;
    };
    using ViewFactory = std::function<ViewHandle()>;
    //! The game's dungeon view, set up.
    static ViewHandle createDungeonVisual();

    //! The runner is not owned and outlives the logic.
    explicit DungeonGameLogic(ViewFactory createView = createDungeonVisual,
                              IScriptRunner& scripts = deviceScriptRunner());
    ~DungeonGameLogic() override;
    DungeonGameLogic(const DungeonGameLogic&) = delete;
    DungeonGameLogic& operator=(const DungeonGameLogic&) = delete;

    //! The one-time set-up: splash, songs, view, menu, commands, dungeon, player.
    void init();
    //! Lets go of the view, the menu, the splash and the effect music, all of
    //! which hold the device's resources; the device goes afterwards.
    void release();

    //! The 18 event types the logic is registered for, in registration order.
    static const std::vector<const HashedString*>& handledEventTypes();

    // GameLogic.
    bool OnEvent(const irr::SEvent& event) override;
    //! A line beginning with ">" runs its rest as a script line.
    void onConsoleInput(irr::core::stringw line) override;
    void onResize() override;
    void update() override;
    void render() override;
    const char* getName() override { return "Root GameLogicclass"; }
    //! Never consumes an event.
    bool handleEvent(const std::shared_ptr<IEventData>& event) override;

    void setGameState(GameState state);
    void setSystemState(SystemState state);

    SystemState getSystemState() const { return m_systemState; }
    GameState getGameState() const { return m_gameState; }
    bool isDying() const { return m_death.isDying(); }
    IDungeonView* getView() const { return m_view.get(); }
    MenueLogic* getMenu() const { return m_menu.get(); }
    GameStartLogic* getStartLogic() const { return m_startLogic.get(); }
    const ScriptTriggers& getTriggers() const { return m_triggers; }
    const SongEffect& getSongEffect() const { return m_songEffect; }
    const DungeonThreat& getThreat() const { return m_threat; }
    const RespawnPoints& getRespawnPoints() const { return m_respawnPoints; }

    static constexpr irr::s32 kThreatObjectId = 121;

private:
    // Frame update.
    void playAmbience(irr::s32 now);
    void updateDarkness(irr::s32 now, irr::f32 delta);
    void updateThreat(irr::f32 delta);
    void updateSongEffect(irr::s32 now, irr::f32 delta);
    void checkAreas(irr::s32 now);

    // Event handling.
    void onSongPlayed(const SongPlayedEvent& event);
    void onGotSong(irr::u32 songId);
    void onModifyMap(const ModifyMapEvent& event);
    void onPlaceObject(const PlaceObjectEvent& event);
    void onCreateObject(const CreateObjectEvent& event);
    void startSongEffect(const SongFacts& song);
    void showNotice(const wchar_t* text, irr::u32 durationMs);

    // Input.
    bool onGameInput(const irr::SEvent& event);
    void pickUpItem();

    ViewFactory m_createView;
    IScriptRunner& m_scripts;

    irr::s32 m_ambienceTime = 0;
    SongEffect m_songEffect;
    RespawnPoints m_respawnPoints;
    ScriptTriggers m_triggers;
    //! Owns the view; the event manager shares it.
    std::shared_ptr<IDungeonView> m_view;
    std::shared_ptr<IEventListener> m_viewListener;
    GameState m_gameState = GameState::Gameplay;
    SystemState m_systemState = SystemState::Start;
    std::unique_ptr<GameStartLogic> m_startLogic;
    std::unique_ptr<MenueLogic> m_menu;
    DeathSequence m_death;

    DungeonThreat m_threat;
    irr::u32 m_lastAreaCheck = 0;
    //! Times the unknown song 14 was announced.
    irr::u32 m_unknownSongCount = 0;
};
} // namespace Belgarune
