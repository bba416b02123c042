#include "code/src/events/gameevents.h"
#include "talvoren/eventmanager.h"

#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

using namespace Belgarune;
using irr::core::vector2d;
using irr::core::vector3df;

namespace
{
const char* const kRegistrationOrder[] = {
    "ModifyMapEvent",       "StartScriptEvent",       "PlaceObjectEvent",     "CreateObjectEvent",
    "SetGameStateEvent",    "SetWalkableEvent",       "CreateVisualEffectEvent", "SetSystemStateEvent",
    "CreateScriptTriggerEvent", "CreateTriggerConditionEvent", "SongPlayedEvent", "NewGameEvent",
    "AddItemEvent",         "AddRespawnPointEvent",   "RemoveObjectEvent",    "ShakeScreenEvent",
    "HealEvent",            "DieEvent",               "GotSongEvent",         "ResetTriggerEvent",
    "AddNoticeEvent"};

class RecordingEventManager : public EventManager
{
public:
    RecordingEventManager() : EventManager("RecordingEventManager", false) {}
    void registerEventType(const HashedString& type) override
    {
        registered.push_back(type.getName());
        EventManager::registerEventType(type);
    }
    std::vector<std::string> registered;
};

class ShakeListener : public IEventListener
{
public:
    const char* getName() override { return "ShakeListener"; }
    // A triggered event lives only for the call: read it here.
    bool handleEvent(const std::shared_ptr<IEventData>& event) override
    {
        ++count;
        if (event->getEventType() == ShakeScreenEvent::kEventType)
            duration = static_cast<const ShakeScreenEvent&>(*event).m_duration;
        return false;
    }
    int count = 0;
    irr::s32 duration = 0;
};

std::vector<std::unique_ptr<IEventData>> oneOfEach()
{
    std::vector<std::unique_ptr<IEventData>> events;
    events.push_back(std::make_unique<ModifyMapEvent>());
    events.push_back(std::make_unique<StartScriptEvent>(L"a.omx"));
    events.push_back(std::make_unique<PlaceObjectEvent>());
    events.push_back(std::make_unique<CreateObjectEvent>(L"POT", 1, MapCoord(), 0, 0));
    events.push_back(std::make_unique<SetGameStateEvent>(GameState::Gameplay));
    events.push_back(std::make_unique<SetWalkableEvent>(vector2d<irr::s32>(), true));
    events.push_back(std::make_unique<CreateVisualEffectEvent>(2, vector3df()));
    events.push_back(std::make_unique<SetSystemStateEvent>(SystemState::Menue));
    events.push_back(std::make_unique<CreateScriptTriggerEvent>(1, 1, L""));
    events.push_back(std::make_unique<CreateTriggerConditionEvent>());
    events.push_back(std::make_unique<SongPlayedEvent>(1));
    events.push_back(std::make_unique<NewGameEvent>());
    events.push_back(std::make_unique<AddItemEvent>(Item::ViolinKey));
    events.push_back(std::make_unique<AddRespawnPointEvent>(vector2d<irr::s32>(), 3));
    events.push_back(std::make_unique<RemoveObjectEvent>(4));
    events.push_back(std::make_unique<ShakeScreenEvent>(1.0f, 5));
    events.push_back(std::make_unique<HealEvent>(1));
    events.push_back(std::make_unique<DieEvent>(0));
    events.push_back(std::make_unique<GotSongEvent>(6));
    events.push_back(std::make_unique<ResetTriggerEvent>(1, 2));
    events.push_back(std::make_unique<AddNoticeEvent>(L"", 100));
    return events;
}
} // namespace

TEST(GameEventTypesTest, EachClassIsNamedAfterItselfWithTimeStampZero)
{
    const std::vector<std::unique_ptr<IEventData>> events = oneOfEach();
    ASSERT_EQ(events.size(), std::size(kRegistrationOrder));
    std::set<std::uint32_t> hashes;
    for (std::size_t k = 0; k < events.size(); ++k)
    {
        EXPECT_EQ(events[k]->getEventType().getName(), kRegistrationOrder[k]);
        EXPECT_EQ(events[k]->getEventType().getHashValue(), HashedString::computeHash(kRegistrationOrder[k]));
        EXPECT_EQ(events[k]->getTimeStamp(), 0u);
        hashes.insert(events[k]->getEventType().getHashValue());
    }
    // Different classes never compare equal by type.
    EXPECT_EQ(hashes.size(), events.size());
    EXPECT_NE(SongPlayedEvent::kEventType, GotSongEvent::kEventType);
}

TEST(GameEventTypesTest, FieldsFilledBySendersStartAtZero)
{
    const ModifyMapEvent modify;
    EXPECT_EQ(modify.m_cell.x, 0);
    EXPECT_EQ(modify.m_cell.y, 0);
    EXPECT_EQ(modify.m_cell.z, 0);
    EXPECT_EQ(modify.m_value, 0);
    EXPECT_EQ(modify.m_value2, 0);
    EXPECT_EQ(modify.m_kind, 0);

    const PlaceObjectEvent place;
    EXPECT_EQ(place.m_cell.z, 0);
    EXPECT_EQ(place.m_actorId, 0u);

    const CreateTriggerConditionEvent condition;
    EXPECT_EQ(condition.m_triggerId, 0u);
    EXPECT_EQ(condition.m_condition, 0u);
    EXPECT_EQ(condition.m_centre, vector3df(0.0f, 0.0f, 0.0f));
    EXPECT_EQ(condition.m_radius, 0u);
    EXPECT_EQ(condition.m_songId, 0u);

    const SongPlayedEvent song(8);
    EXPECT_EQ(song.m_songId, 8u);
    EXPECT_EQ(song.m_position, vector3df(0.0f, 0.0f, 0.0f));
}

TEST(GameEventTypesTest, ConstructorsFillTheirFields)
{
    const ShakeScreenEvent shake(2.5f, 300);
    EXPECT_EQ(shake.m_duration, 300);
    EXPECT_FLOAT_EQ(shake.m_strength, 2.5f);

    const CreateObjectEvent object(L"ENEMY_1", 12, MapCoord(3, 0, 493), -4, 7);
    EXPECT_EQ(object.m_typeName, irr::core::stringw(L"ENEMY_1"));
    EXPECT_EQ(object.m_objectId, 12u);
    EXPECT_EQ(object.m_cell.x, 3);
    EXPECT_EQ(object.m_cell.z, 493);
    EXPECT_EQ(object.m_a, -4);
    EXPECT_EQ(object.m_b, 7);

    const SetWalkableEvent walkable(vector2d<irr::s32>(4, 9), false);
    EXPECT_EQ(walkable.m_cell, vector2d<irr::s32>(4, 9));
    EXPECT_FALSE(walkable.m_walkable);

    const CreateScriptTriggerEvent trigger(17, 2, L"heal();");
    EXPECT_EQ(trigger.m_triggerId, 17u);
    EXPECT_EQ(trigger.m_count, 2u);
    EXPECT_EQ(trigger.m_script, irr::core::stringw(L"heal();"));

    const AddRespawnPointEvent respawn(vector2d<irr::s32>(20, 480), 30);
    EXPECT_EQ(respawn.m_cell, vector2d<irr::s32>(20, 480));
    EXPECT_EQ(respawn.m_radius, 30u);

    const CreateVisualEffectEvent effect(2, vector3df(1.0f, 2.0f, 3.0f));
    EXPECT_EQ(effect.m_effectType, 2);
    EXPECT_EQ(effect.m_position, vector3df(1.0f, 2.0f, 3.0f));

    const AddNoticeEvent notice(L"Ode to Sol", 4000);
    EXPECT_EQ(notice.m_text, irr::core::stringw(L"Ode to Sol"));
    EXPECT_EQ(notice.m_duration, 4000u);

    EXPECT_EQ(ResetTriggerEvent(5, 9).m_count, 9u);
    EXPECT_EQ(ResetTriggerEvent(5, 9).m_triggerId, 5u);
    EXPECT_EQ(StartScriptEvent(L"gamedata/scripts/kill1.omx").m_path,
              irr::core::stringw(L"gamedata/scripts/kill1.omx"));
    EXPECT_EQ(SetSystemStateEvent(SystemState::Game).m_state, 2u);
    EXPECT_EQ(SetGameStateEvent(GameState::Sequence).m_state, 1u);
    EXPECT_EQ(AddItemEvent(Item::AltoKey).m_item, 3u);
    EXPECT_EQ(RemoveObjectEvent(44).m_objectId, 44u);
    EXPECT_EQ(HealEvent(1).m_amount, 1u);
    EXPECT_EQ(DieEvent(1).m_actorId, 1u);
    EXPECT_EQ(GotSongEvent(10).m_songId, 10u);
}

TEST(GameEventTypesTest, MapChangesKnowOnlyFloorsWallsAndBars)
{
    const struct
    {
        irr::s32 kind;
        std::optional<PieceKind> piece;
    } cases[] = {{0, PieceKind::Floor}, {1, PieceKind::Wall}, {2, PieceKind::Bars}, {3, std::nullopt},
                 {19, std::nullopt},    {-1, std::nullopt}};
    for (const auto& c : cases)
    {
        ModifyMapEvent event;
        event.m_kind = c.kind;
        EXPECT_EQ(event.pieceKind(), c.piece) << "kind " << c.kind;
    }
}

TEST(GameEventTypesTest, OnlyTheThreeKeysAreItemsToAdd)
{
    AddItemEvent event(Item::ViolinKey);
    const struct
    {
        irr::u32 item;
        std::optional<Item> key;
    } cases[] = {{1, Item::ViolinKey}, {2, Item::BassKey}, {3, Item::AltoKey}, {0, std::nullopt}, {4, std::nullopt}};
    for (const auto& c : cases)
    {
        event.m_item = c.item;
        EXPECT_EQ(event.key(), c.key) << "item " << c.item;
    }
}

TEST(GameEventTypesTest, CopiesOwnTheirTexts)
{
    auto original = std::make_unique<CreateObjectEvent>(L"BANNER", 3, MapCoord(1, 0, 2), 0, 1);
    const CreateObjectEvent copy(*original);
    original->m_typeName = L"CHANGED";
    original.reset();
    EXPECT_EQ(copy.m_typeName, irr::core::stringw(L"BANNER"));
    EXPECT_EQ(copy.m_objectId, 3u);
    EXPECT_EQ(copy.getEventType(), CreateObjectEvent::kEventType);
}

TEST(GameEventTypesTest, RegistrationFollowsStartUpOrderAndEnablesDelivery)
{
    RecordingEventManager manager;
    EXPECT_FALSE(manager.validateType(AddNoticeEvent::kEventType));
    registerGameEventTypes(manager);
    for (const char* name : kRegistrationOrder)
        EXPECT_TRUE(manager.validateType(HashedString(name))) << name;
    const std::vector<std::string> expected(std::begin(kRegistrationOrder), std::end(kRegistrationOrder));
    EXPECT_EQ(manager.registered, expected);

    auto listener = std::make_shared<ShakeListener>();
    ASSERT_TRUE(manager.addListener(listener, ShakeScreenEvent::kEventType));
    EXPECT_FALSE(manager.trigger(HealEvent(1)));
    EXPECT_EQ(listener->count, 0);
    manager.trigger(ShakeScreenEvent(0.5f, 250));
    EXPECT_EQ(listener->count, 1);
    EXPECT_EQ(listener->duration, 250);
}
