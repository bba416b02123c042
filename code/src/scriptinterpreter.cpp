#include "code/src/scriptinterpreter.h"

#include "code/src/commands/commandarguments.h"
#include "code/src/commands/fadescreenprocess.h"
#include "code/src/commands/fluxcalcfactory.h"
#include "code/src/commands/forceplayertoneprocess.h"
#include "code/src/commands/movecameratargetprocess.h"
#include "code/src/commands/movescenenodeprocess.h"
#include "code/src/events/gameevents.h"
#include "code/src/state/gamebase.h"
#include "code/src/world/gameworld.h"
#include "code/src/world/idungeonview.h"
#include "talvoren/ieventmanager.h"
#include "talvoren/ombeldevice.h"
#include "talvoren/ombelscript/composerfunctiondefinition.h"
#include "talvoren/ombelscript/ombelscriptmanager.h"
#include "talvoren/soundsystem/playsoundevent.h"

#include <ICameraSceneNode.h>

#include <optional>

namespace Belgarune
{
using namespace Talvoren::reader;

namespace
{
using Arguments = CommandArguments;
using Result = std::shared_ptr<Process>;

//! Type number of the processes the commands return.
const std::int32_t kCommandProcessType = 0;
//! The track the music plays under; the menu's sounds share it.
const std::int32_t kMusicTrack = 1;
const irr::s32 kDustEffect = 2;
const irr::s32 kOtherEffect = 0;
const double kGridRows = GameWorld::kGridSize;
const double kWorldDepth = GameWorld::kGridSize * GameWorld::kCellSize;

// Map cells (x, y) lie in grid row 500 - y; world points (x, y, z) at depth 5000 - z.
irr::s32 gridRow(double y)
{
    return toInt32(kGridRows - y);
}

MapCoord mapCell(const Arguments& arguments, std::size_t index)
{
    return MapCoord(toInt32(arguments.component(index, 0)), 0, gridRow(toInt32(arguments.component(index, 1))));
}

irr::core::vector2d<irr::s32> gridCell(const Arguments& arguments, std::size_t index)
{
    return {toInt32(arguments.component(index, 0)), gridRow(toInt32(arguments.component(index, 1)))};
}

irr::core::vector3df wholePoint(const Arguments& arguments, std::size_t index)
{
    const auto whole = [&](std::size_t component) {
        return static_cast<irr::f32>(toInt32(arguments.component(index, component)));
    };
    return {whole(0), whole(1), whole(2)};
}

irr::f32 flippedDepth(double z)
{
    return static_cast<irr::f32>(kWorldDepth - z);
}

irr::core::stringw textOf(const std::wstring& text)
{
    return irr::core::stringw(text.c_str());
}

Result trigger(const IEventData& event)
{
    globalTrigger(event);
    return nullptr;
}

std::optional<Item> itemNamed(const std::wstring& word)
{
    if (word == L"INST")
        return Item::Instrument;
    if (word == L"VIOLIN_KEY")
        return Item::ViolinKey;
    if (word == L"BASS_KEY")
        return Item::BassKey;
    if (word == L"ALT_KEY")
        return Item::AltoKey;
    return std::nullopt;
}

Result modifyMap(const Arguments& arguments, PieceKind kind)
{
    ModifyMapEvent event;
    event.m_cell = mapCell(arguments, 0);
    event.m_kind = static_cast<irr::s32>(kind);
    if (kind == PieceKind::Floor)
    {
        event.m_value = arguments.integer(1);
    }
    else
    {
        event.m_value = arguments.integer(2);
        event.m_value2 = arguments.integer(1);
    }
    return trigger(event);
}

Result createObject(const Arguments& arguments, irr::s32 b, std::size_t idIndex)
{
    return trigger(CreateObjectEvent(textOf(arguments.text(0)), static_cast<irr::u32>(arguments.integer(idIndex)),
                                     mapCell(arguments, 1), arguments.integer(2), b));
}

irr::scene::ICameraSceneNode* camera()
{
    return g_gameBase->m_camera;
}

Result setCamera(const Arguments& arguments, IDungeonView*)
{
    if (irr::scene::ICameraSceneNode* node = camera())
    {
        node->setPosition(wholePoint(arguments, 0));
        node->setTarget(wholePoint(arguments, 1));
    }
    return nullptr;
}

Result addItem(const Arguments& arguments, IDungeonView*)
{
    const std::optional<Item> item = itemNamed(arguments.text(0));
    if (!item)
        return nullptr;
    g_gameBase->m_hasItem[itemSlot(*item)] = true;
    if (*item == Item::Instrument)
        return nullptr;
    return trigger(AddItemEvent(*item));
}

Result addTriggerCondition(const Arguments& arguments, IDungeonView*)
{
    CreateTriggerConditionEvent event;
    const std::wstring& condition = arguments.size() > 1 ? arguments.text(1) : std::wstring();
    if (condition == L"IN_AREA" && arguments.fit({kNumber, kString, kVector2d, kNumber}))
    {
        event.m_condition = 0;
        event.m_centre = {static_cast<irr::f32>(arguments.component(2, 0)), 0.0f,
                          flippedDepth(arguments.component(2, 1))};
        event.m_radius = static_cast<irr::u32>(arguments.integer(3));
    }
    else if (condition == L"PLAY_MUSIC" && arguments.fit({kNumber, kString, kNumber}))
    {
        event.m_condition = 1;
        event.m_songId = static_cast<irr::u32>(arguments.integer(2));
    }
    else
    {
        return nullptr;
    }
    event.m_triggerId = static_cast<irr::u32>(arguments.integer(0));
    return trigger(event);
}

Result playMusic(const Arguments& arguments, IDungeonView*)
{
    PlaySoundEvent event(textOf(arguments.text(0)));
    event.loop = false;
    event.volume = static_cast<float>(arguments.number(1));
    event.id = kMusicTrack;
    return trigger(event);
}

Result createEffect(const Arguments& arguments, IDungeonView*)
{
    irr::core::vector3df position = wholePoint(arguments, 1);
    position.Z = flippedDepth(position.Z);
    return trigger(CreateVisualEffectEvent(arguments.text(0) == L"DUST" ? kDustEffect : kOtherEffect, position));
}

Result moveCamera(const Arguments& arguments, IDungeonView*)
{
    return std::make_shared<MoveSceneNodeProcess>(camera(), wholePoint(arguments, 0),
                                                  toDurationMs(arguments.number(1)),
                                                  createFluxCalc(arguments.text(2)), kCommandProcessType);
}

Result moveCameraTarget(const Arguments& arguments, IDungeonView*)
{
    return std::make_shared<MoveCameraTargetProcess>(camera(), wholePoint(arguments, 0),
                                                     toDurationMs(arguments.number(1)),
                                                     createFluxCalc(arguments.text(2)), kCommandProcessType);
}

Result moveNode(const Arguments& arguments, IDungeonView* view)
{
    irr::scene::ISceneNode* node = view ? view->getObject(arguments.integer(0)) : nullptr;
    const irr::core::vector3df target(static_cast<irr::f32>(arguments.component(1, 0)),
                                      static_cast<irr::f32>(arguments.component(1, 1)),
                                      flippedDepth(arguments.component(1, 2)));
    return std::make_shared<MoveSceneNodeProcess>(node, target, toDurationMs(arguments.number(2)),
                                                  createFluxCalc(arguments.text(3)), kCommandProcessType);
}

Result setScreen(const Arguments& arguments, IDungeonView*)
{
    return std::make_shared<FadeScreenProcess>(static_cast<irr::u32>(screenOverlayNamed(arguments.text(0))),
                                               static_cast<irr::f32>(arguments.number(1)),
                                               toDurationMs(arguments.number(2)), createFluxCalc(arguments.text(3)),
                                               kCommandProcessType);
}

//! The arguments' kinds are checked against the declared kinds before the
//! command runs, except for a command that checks its own forms.
struct Command
{
    const wchar_t* name;
    std::vector<irr::u32> kinds;
    Result (*run)(const Arguments&, IDungeonView*);
    bool checksOwnForms = false;
};

const std::vector<Command>& commands()
{
    static const std::vector<Command> table = {
        {L"setFloor", {kVector2d, kNumber},
         [](const Arguments& a, IDungeonView*) { return modifyMap(a, PieceKind::Floor); }},
        {L"runScript", {kString},
         [](const Arguments& a, IDungeonView*) -> Result {
             globalQueueEvent(std::make_shared<StartScriptEvent>(textOf(a.text(0))));
             return nullptr;
         }},
        {L"placeCharacter", {kNumber, kVector2d},
         [](const Arguments& a, IDungeonView*) {
             PlaceObjectEvent event;
             event.m_cell = mapCell(a, 1);
             event.m_actorId = static_cast<irr::u32>(a.integer(0));
             return trigger(event);
         }},
        {L"setWall", {kVector2d, kNumber, kNumber},
         [](const Arguments& a, IDungeonView*) { return modifyMap(a, PieceKind::Wall); }},
        {L"setBars", {kVector2d, kNumber, kNumber},
         [](const Arguments& a, IDungeonView*) { return modifyMap(a, PieceKind::Bars); }},
        {L"create", {kString, kVector2d, kNumber, kNumber},
         [](const Arguments& a, IDungeonView*) { return createObject(a, -1, 3); }},
        {L"addObject", {kString, kVector2d, kNumber, kNumber, kNumber},
         [](const Arguments& a, IDungeonView*) { return createObject(a, a.integer(3), 4); }},
        {L"setGameState", {kString},
         [](const Arguments& a, IDungeonView*) { return trigger(SetGameStateEvent(gameStateNamed(a.text(0)))); }},
        {L"setCamera", {kVector3d, kVector3d}, setCamera},
        {L"moveCamera", {kVector3d, kNumber, kString}, moveCamera},
        {L"playTone", {kNumber, kNumber},
         [](const Arguments& a, IDungeonView*) -> Result {
             return std::make_shared<ForcePlayerToneProcess>(static_cast<irr::u32>(a.integer(0)),
                                                             toDurationMs(a.number(1)));
         }},
        {L"moveCameraTarget", {kVector3d, kNumber, kString}, moveCameraTarget},
        {L"playMusic", {kString, kNumber}, playMusic},
        {L"moveNode", {kNumber, kVector3d, kNumber, kString}, moveNode},
        {L"setWalkable", {kVector2d, kBool},
         [](const Arguments& a, IDungeonView*) {
             return trigger(SetWalkableEvent({toInt32(a.component(0, 0)), gridRow(a.component(0, 1))}, a.flag(1)));
         }},
        {L"addItem", {kString}, addItem},
        {L"setState", {kString},
         [](const Arguments& a, IDungeonView*) {
             return trigger(SetSystemStateEvent(systemStateNamed(a.text(0))));
         }},
        {L"createScriptTrigger", {kNumber, kString, kNumber},
         [](const Arguments& a, IDungeonView*) {
             return trigger(CreateScriptTriggerEvent(static_cast<irr::u32>(a.integer(0)),
                                                     static_cast<irr::u32>(a.integer(2)), textOf(a.text(1))));
         }},
        {L"addTriggerCondition", {kString}, addTriggerCondition, true},
        {L"registerRespawnPoint", {kVector2d, kNumber},
         [](const Arguments& a, IDungeonView*) {
             return trigger(AddRespawnPointEvent(gridCell(a, 0), static_cast<irr::u32>(a.integer(1))));
         }},
        {L"setScreen", {kString, kNumber, kNumber, kString}, setScreen},
        {L"removeObject", {kNumber},
         [](const Arguments& a, IDungeonView*) {
             return trigger(RemoveObjectEvent(static_cast<irr::u32>(a.integer(0))));
         }},
        {L"createEffect", {kString, kVector3d}, createEffect},
        {L"shakeScreen", {kNumber, kNumber},
         [](const Arguments& a, IDungeonView*) {
             return trigger(ShakeScreenEvent(static_cast<irr::f32>(a.number(0)), a.integer(1)));
         }},
        {L"heal", {}, [](const Arguments&, IDungeonView*) { return trigger(HealEvent(1)); }},
        {L"gotSong", {kNumber},
         [](const Arguments& a, IDungeonView*) { return trigger(GotSongEvent(static_cast<irr::u32>(a.integer(0)))); }},
        {L"setTriggerCount", {kNumber, kNumber},
         [](const Arguments& a, IDungeonView*) {
             return trigger(ResetTriggerEvent(static_cast<irr::u32>(a.integer(0)), static_cast<irr::u32>(a.integer(1))));
         }},
        {L"addNotice", {kString, kNumber},
         [](const Arguments& a, IDungeonView*) {
             return trigger(AddNoticeEvent(textOf(a.text(0)), static_cast<irr::u32>(a.integer(1))));
         }},
        {L"end", {},
         [](const Arguments&, IDungeonView*) -> Result {
             if (g_device)
                 g_device->quit();
             return nullptr;
         }},
    };
    return table;
}
} // namespace

ScriptInterpreter::ScriptInterpreter(Talvoren::OmbelScriptManager* manager, IDungeonView* view)
    : OmbelScriptInterpreter(manager), m_visual(view)
{
}

OwnedTokens ScriptInterpreter::evaluateFunction(const TokenVector&)
{
    return {};
}

std::shared_ptr<Process> ScriptInterpreter::executeFunction(TokenVector statement)
{
    if (statement.empty())
        return nullptr;
    const std::wstring& name = functionName(*statement[0]);
    for (const Command& command : commands())
    {
        if (name != command.name)
            continue;
        const std::optional<Arguments> arguments = Arguments::read(statement);
        if (!arguments || (!command.checksOwnForms && !arguments->fit(command.kinds)))
            return nullptr;
        return command.run(*arguments, m_visual);
    }
    return nullptr;
}

void ScriptInterpreter::registerFunctions(Talvoren::OmbelScriptManager* manager)
{
    for (const Command& command : commands())
        manager->registerFunction(std::make_shared<ComposerFunctionDefinition>(command.name, command.kinds));
}

void ScriptInterpreter::releaseTokens()
{
    m_tokens.clear();
}
} // namespace Belgarune
