// The dungeon logic's event handling: the game's events into grid, actors,
// triggers, states, notices and song effects.

#include "code/src/logic/dungeon/dungeongamelogic.h"

#include "code/src/events/gameevents.h"
#include "code/src/logic/dungeon/actorcatalog.h"
#include "code/src/logic/dungeon/objectcatalog.h"
#include "code/src/songs/songtable.h"
#include "code/src/state/gamebase.h"
#include "code/src/world/gameactor.h"
#include "code/src/world/gameworld.h"
#include "code/src/world/idungeonview.h"
#include "code/src/world/item.h"
#include "talvoren/clock.h"
#include "talvoren/ombeldevice.h"

namespace Belgarune
{
namespace
{
using irr::core::vector3df;

irr::s32 gameNow()
{
    return static_cast<irr::s32>(g_device->getGameClock()->getTotal());
}

bool holdsAllKeys()
{
    const bool* held = g_gameBase->m_hasItem;
    return held[itemSlot(Item::ViolinKey)] && held[itemSlot(Item::BassKey)] && held[itemSlot(Item::AltoKey)];
}

template <class Event>
const Event* as(const std::shared_ptr<IEventData>& event)
{
    return event->getEventType() == Event::kEventType ? static_cast<const Event*>(event.get()) : nullptr;
}
} // namespace

bool DungeonGameLogic::handleEvent(const std::shared_ptr<IEventData>& event)
{
    GameBase& game = *g_gameBase;
    GameWorld& world = *game.m_world;
    if (const auto* notice = as<AddNoticeEvent>(event))
        showNotice(notice->m_text.c_str(), notice->m_duration);
    else if (const auto* reset = as<ResetTriggerEvent>(event))
        m_triggers.setCount(static_cast<irr::s32>(reset->m_triggerId), static_cast<irr::s32>(reset->m_count));
    else if (const auto* gotSong = as<GotSongEvent>(event))
        onGotSong(gotSong->m_songId);
    else if (as<DieEvent>(event))
        m_death.begin(DeathCause::Blow, gameNow());
    else if (const auto* heal = as<HealEvent>(event))
    {
        for (irr::u32 k = 0; k < heal->m_amount; ++k)
            m_view->gainHeart();
    }
    else if (const auto* respawn = as<AddRespawnPointEvent>(event))
        m_respawnPoints.add(MapCoord(respawn->m_cell.X, 0, respawn->m_cell.Y), static_cast<irr::s32>(respawn->m_radius));
    else if (as<NewGameEvent>(event))
        m_view->startOpeningSequence();
    else if (const auto* song = as<SongPlayedEvent>(event))
        onSongPlayed(*song);
    else if (const auto* condition = as<CreateTriggerConditionEvent>(event))
        m_triggers.addCondition(*condition);
    else if (const auto* trigger = as<CreateScriptTriggerEvent>(event))
        m_triggers.addScriptTrigger(static_cast<irr::s32>(trigger->m_triggerId),
                                    static_cast<irr::s32>(trigger->m_count), trigger->m_script);
    else if (const auto* systemState = as<SetSystemStateEvent>(event))
        setSystemState(systemState->state());
    else if (const auto* walkable = as<SetWalkableEvent>(event))
        world.setWalkable(MapCoord(walkable->m_cell.X, 0, walkable->m_cell.Y), walkable->m_walkable);
    else if (const auto* gameState = as<SetGameStateEvent>(event))
        setGameState(gameState->state());
    else if (const auto* modify = as<ModifyMapEvent>(event))
        onModifyMap(*modify);
    else if (const auto* start = as<StartScriptEvent>(event))
        m_scripts.insertScript(start->m_path.c_str());
    else if (const auto* place = as<PlaceObjectEvent>(event))
        onPlaceObject(*place);
    else if (const auto* create = as<CreateObjectEvent>(event))
        onCreateObject(*create);
    else if (const auto* remove = as<RemoveObjectEvent>(event))
        m_view->removeObject(static_cast<irr::s32>(remove->m_objectId));
    return false;
}

void DungeonGameLogic::onGotSong(irr::u32 songId)
{
    // Ids past the s32 range come out negative: no flag, no song.
    const irr::s32 id = static_cast<irr::s32>(songId);
    learnSong(id);
    const SongFacts* song = findSong(id);
    if (song && song->learned.text)
        showNotice(song->learned.text, song->learned.durationMs);
}

void DungeonGameLogic::onSongPlayed(const SongPlayedEvent& event)
{
    const irr::s32 songId = static_cast<irr::s32>(event.m_songId);
    const irr::u32 fired = m_triggers.fireBySong(songId, event.m_position, holdsAllKeys());
    const SongFacts* song = findSong(songId);
    if (!song)
        return;
    if (song->effect.start == EffectStart::PerFiredTrigger)
    {
        for (irr::u32 k = 0; k < fired; ++k)
        {
            showNotice(song->played.text, song->played.durationMs);
            startSongEffect(*song);
        }
    }

    if (!isSongLearned(songId))
        return;
    const bool heard = fired > 0;
    const SongNotice notice = song->tellsStory ? unknownSongNotice(m_unknownSongCount++) : song->playedNotice(heard);
    if (notice.text)
        showNotice(notice.text, notice.durationMs);
    if (song->startsEffectWhenLearned(heard))
        startSongEffect(*song);
}

void DungeonGameLogic::startSongEffect(const SongFacts& song)
{
    if (song.effect.dispelsDarkness)
        m_view->addDarkness(-1.0f);
    m_songEffect.start(static_cast<irr::s32>(song.id), gameNow(), song.effect.durationMs, song.effect.music);
    g_gameBase->m_toneKeysEnabled = false;
    m_view->setScoreLineStyle(false);
}

void DungeonGameLogic::onModifyMap(const ModifyMapEvent& event)
{
    const std::optional<PieceKind> kind = event.pieceKind();
    if (kind == PieceKind::Floor)
    {
        g_gameBase->m_world->setCell(event.m_cell, event.floorCode());
        m_view->placeFloor(event.m_cell, event.floorCode());
    }
    else if (kind == PieceKind::Wall)
        m_view->placeWall(event.m_cell, event.wallType(), event.side());
    else if (kind == PieceKind::Bars)
    {
        // The side doubles as the id the bars are listed under.
        m_view->placeBars(event.m_cell, event.m_value, event.side(), event.m_value2);
        g_gameBase->m_world->setWalkable(event.m_cell, false);
    }
}

void DungeonGameLogic::onPlaceObject(const PlaceObjectEvent& event)
{
    GameWorld& world = *g_gameBase->m_world;
    const vector3df position = cellPosition(event.m_cell);
    if (event.m_actorId == 0)
    {
        if (GameActor* player = world.getPlayer())
        {
            player->setPosition(position);
            player->setRotation(position + vector3df(100.0f, 0.0f, 0.0f));
        }
    }
    else if (GameActor* actor = world.getActorById(static_cast<irr::s32>(event.m_actorId)))
    {
        actor->setPosition(position);
        actor->reset();
    }
    m_view->onObjectPlaced(static_cast<irr::s32>(event.m_actorId), event.m_cell);
}

void DungeonGameLogic::onCreateObject(const CreateObjectEvent& event)
{
    GameWorld& world = *g_gameBase->m_world;
    if (std::unique_ptr<GameActor> actor =
            createNamedActor(event.m_typeName, static_cast<irr::s32>(event.m_objectId), event.m_cell, event.m_a))
    {
        world.addActor(std::move(actor));
        return;
    }
    const LevelObjectKind* object = findLevelObject(event.m_typeName);
    if (!object)
        return;
    const irr::s32 id = object->kind == PieceKind::Panel ? -1 : static_cast<irr::s32>(event.m_objectId);
    if (object->kind == PieceKind::Bars)
        m_view->placeBars(event.m_cell, event.m_b, event.facing(), id);
    else
        m_view->placeObject(object->kind, event.m_cell, event.m_b, event.facing(), id);

    const vector3df ground = cellCentre(event.m_cell);
    switch (object->change)
    {
    case WorldChange::None:
        break;
    case WorldChange::BlockCell:
        world.setWalkable(event.m_cell, false);
        break;
    case WorldChange::Obstacle:
        world.addRoundCollision(ground, object->radius);
        break;
    case WorldChange::Item:
        world.addItem(ground + vector3df(0.0f, object->height, 0.0f), event.m_objectId, object->kind);
        break;
    }
}
} // namespace Belgarune
