#include "code/src/logic/dungeon/dungeongamelogic.h"

#include "code/src/dungeonvisual.h"
#include "code/src/events/gameevents.h"
#include "code/src/layout/dungeonlayout.h"
#include "code/src/logic/humaninputcomponent.h"
#include "code/src/logic/standardphysicscomponent.h"
#include "code/src/menu/gamestartlogic.h"
#include "code/src/menu/keypredicates.h"
#include "code/src/menu/menuelogic.h"
#include "code/src/scriptinterpreter.h"
#include "code/src/songs/playermusicalcomponent.h"
#include "code/src/songs/songbook.h"
#include "code/src/state/gamebase.h"
#include "code/src/view/gamefont.h"
#include "code/src/world/gameactor.h"
#include "code/src/world/gameitem.h"
#include "code/src/world/gameworld.h"
#include "code/src/world/idungeonview.h"
#include "code/src/world/item.h"
#include "code/src/world/nodegraph.h"
#include "code/src/world/visualcomponent.h"
#include "talvoren/ieventmanager.h"
#include "talvoren/log.h"
#include "talvoren/ombeldevice.h"
#include "talvoren/ombelscript/ombelscriptmanager.h"

namespace Belgarune
{
namespace
{
const char* const kMapPath = "gamedata/map.png";
const irr::s32 kFirstAmbienceMs = 20000;
const irr::s32 kPlayerHeight = 7;
const int kPlayerSoundSet = 1;

//! The events the view handles itself, registered by the logic's set-up in this order.
const HashedString* const kViewEvents[] = {&CreateVisualEffectEvent::kEventType, &AddItemEvent::kEventType,
                                           &ShakeScreenEvent::kEventType};

bool isKeyRelease(const irr::SEvent& event)
{
    return event.EventType == irr::EET_KEY_INPUT_EVENT && !event.KeyInput.PressedDown;
}
} // namespace

DungeonGameLogic::ViewHandle DungeonGameLogic::createDungeonVisual()
{
    auto visual = std::make_shared<DungeonVisual>();
    visual->init();
    return {visual, visual};
}

DungeonGameLogic::DungeonGameLogic(ViewFactory createView, IScriptRunner& scripts)
    : m_createView(std::move(createView)), m_scripts(scripts), m_triggers(scripts), m_death(scripts, m_respawnPoints)
{
}

DungeonGameLogic::~DungeonGameLogic()
{
    release();
}

const std::vector<const HashedString*>& DungeonGameLogic::handledEventTypes()
{
    static const std::vector<const HashedString*> types = {
        &ModifyMapEvent::kEventType,           &StartScriptEvent::kEventType,
        &PlaceObjectEvent::kEventType,         &CreateObjectEvent::kEventType,
        &SetGameStateEvent::kEventType,        &SetWalkableEvent::kEventType,
        &SetSystemStateEvent::kEventType,      &CreateScriptTriggerEvent::kEventType,
        &CreateTriggerConditionEvent::kEventType, &SongPlayedEvent::kEventType,
        &NewGameEvent::kEventType,             &AddRespawnPointEvent::kEventType,
        &RemoveObjectEvent::kEventType,        &HealEvent::kEventType,
        &DieEvent::kEventType,                 &GotSongEvent::kEventType,
        &ResetTriggerEvent::kEventType,        &AddNoticeEvent::kEventType};
    return types;
}

void DungeonGameLogic::init()
{
    m_ambienceTime = kFirstAmbienceMs;
    m_death.reset();
    m_songEffect.end();

    m_startLogic = std::make_unique<GameStartLogic>();
    g_gameBase->m_songBook = std::make_shared<SongBook>();
    if (!g_gameBase->m_songBook->loadSongs())
        Talvoren::logError(L"Could not read the songs of %p", SongBook::kDefaultPath);

    ViewHandle created = m_createView();
    m_view = std::move(created.view);
    m_viewListener = std::move(created.listener);
    m_menu = std::make_unique<MenueLogic>();
    for (const HashedString* type : kViewEvents)
        globalAddListener(m_viewListener, *type);

    Talvoren::OmbelScriptManager* scripts = g_device->getScriptManager();
    auto interpreter = std::make_shared<ScriptInterpreter>(scripts, m_view.get());
    scripts->setInterpreter(interpreter);
    interpreter->registerFunctions(scripts);

    GameWorld& world = *g_gameBase->m_world;
    // The layout reader logs a map it cannot read and refreshes the map view.
    readDungeonLayout(*g_device->getVideoDriver(), kMapPath, world, *m_view);
    // Read once: a second load would add every node again. Without a point the masks stand still.
    if (!world.getNodeGraph().load())
        Talvoren::logError(L"Could not read the patrol paths of %p", NodeGraph::kDefaultPath);

    auto player = std::make_unique<GameActor>(0, std::make_unique<HumanInputComponent>(),
                                              std::make_unique<StandardPhysicsComponent>(kPlayerHeight), nullptr,
                                              std::make_unique<PlayerMusicalComponent>(kPlayerSoundSet, 1.0f));
    player->setPlayer(true);
    world.setPlayer(world.addActor(std::move(player)));
}

void DungeonGameLogic::release()
{
    if (m_viewListener)
    {
        for (const HashedString* type : kViewEvents)
            globalRemoveListener(m_viewListener, *type);
    }
    m_viewListener.reset();
    m_view.reset();
    m_menu.reset();
    m_startLogic.reset();
    m_songEffect.end();
}

void DungeonGameLogic::onResize()
{
    m_view->onResize();
    if (g_gameBase->m_font)
        g_gameBase->m_font->reload();
    m_menu->onResize();
}

void DungeonGameLogic::render()
{
    if (g_gameBase->m_editorMode == 1)
    {
        m_view->draw();
        return;
    }
    switch (m_systemState)
    {
    case SystemState::Start:
        m_startLogic->draw();
        break;
    case SystemState::Menue:
        m_view->draw();
        m_menu->draw();
        break;
    case SystemState::Game:
        m_view->draw();
        break;
    }
}

void DungeonGameLogic::setGameState(GameState state)
{
    m_gameState = state;
    m_view->setGameState(state);
    g_gameBase->m_gameplayActive = state == GameState::Gameplay;
}

void DungeonGameLogic::setSystemState(SystemState state)
{
    if (m_systemState == SystemState::Menue)
        m_menu->onLeave();
    else if (m_systemState == SystemState::Game)
        m_view->pauseMusic(true);

    m_systemState = state;
    switch (state)
    {
    case SystemState::Start:
        m_startLogic->restart();
        g_gameBase->m_gameplayActive = false;
        break;
    case SystemState::Menue:
        m_menu->onEnter();
        g_gameBase->m_gameplayActive = false;
        g_device->setGameSpeed(0.0f);
        m_songEffect.pauseMusic(true);
        break;
    case SystemState::Game:
        // A scene that started while the menu was open keeps the keys and holds the masks.
        g_gameBase->m_gameplayActive = m_gameState == GameState::Gameplay;
        m_view->pauseMusic(false);
        g_device->setGameSpeed(1.0f);
        m_songEffect.pauseMusic(false);
        break;
    }
}

bool DungeonGameLogic::OnEvent(const irr::SEvent& event)
{
    if (g_gameBase->m_editorMode == 1)
        return m_view->passEventToEditor(event);
    switch (m_systemState)
    {
    case SystemState::Start:
        if (isKeyRelease(event) && isCancelKey(event.KeyInput.Key))
            m_startLogic->finish();
        return m_view->OnEvent(event);
    case SystemState::Menue:
        m_menu->OnEvent(event);
        return m_view->OnEvent(event);
    case SystemState::Game:
        return onGameInput(event);
    }
    return false;
}

bool DungeonGameLogic::onGameInput(const irr::SEvent& event)
{
    if (!isKeyRelease(event))
        return m_view->OnEvent(event);
    const irr::s32 key = event.KeyInput.Key;
    if (isAcceptKey(key) && m_view->getItemInReach())
    {
        pickUpItem();
        return true;
    }
    if (!isCancelKey(key) || m_gameState == GameState::Sequence)
        return m_view->OnEvent(event);
    globalTrigger(SetSystemStateEvent(SystemState::Menue));
    return true;
}

void DungeonGameLogic::pickUpItem()
{
    GameItem* item = m_view->getItemInReach();
    GameBase& game = *g_gameBase;
    switch (item->kind)
    {
    case PieceKind::Instrument:
        game.m_hasItem[itemSlot(Item::Instrument)] = true;
        showNotice(L"Play with g,h,j, k and l", 6000);
        break;
    case PieceKind::Map:
        game.m_hasMap = true;
        break;
    case PieceKind::ViolinKey:
    case PieceKind::BassKey:
    case PieceKind::AltoKey:
    {
        const Item key = item->kind == PieceKind::ViolinKey ? Item::ViolinKey
                         : item->kind == PieceKind::BassKey ? Item::BassKey
                                                            : Item::AltoKey;
        game.m_hasItem[itemSlot(key)] = true;
        globalTrigger(AddItemEvent(key));
        break;
    }
    default:
        break;
    }
    m_view->removeObject(static_cast<irr::s32>(item->id));
    game.m_world->removeItem(item);
    m_view->clearItemInReach();
}

void DungeonGameLogic::onConsoleInput(irr::core::stringw line)
{
    if (line.empty() || line[0] != L'>')
        return;
    m_scripts.inject(line.subString(1, line.size() - 1).c_str());
}

void DungeonGameLogic::showNotice(const wchar_t* text, irr::u32 durationMs)
{
    m_view->addNotice(text, durationMs);
}
} // namespace Belgarune
