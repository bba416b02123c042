// The type objects of the engine's events, created at program start.

#include "talvoren/events/engineeventtypes.h"

#include "talvoren/events/addtoloadqueueevent.h"
#include "talvoren/events/flipnovelcharacterevent.h"
#include "talvoren/events/nexttextevent.h"
#include "talvoren/events/setnovelcharactercolorevent.h"
#include "talvoren/events/settextboxevent.h"

const HashedString AddToLoadQueueEvent::kEventType("AddToLoadQueueEvent");
const HashedString NextTextEvent::kEventType("NextTextEvent");
const HashedString SetTextBoxEvent::kEventType("SetTextBoxEvent");
const HashedString SetNovelCharacterColorEvent::kEventType("SetNovelCharacterColorEvent");
const HashedString FlipNovelCharacterEvent::kEventType("FlipNovelCharacterEvent");

namespace EngineEventTypes
{
const HashedString kShowEffectEvent("ShowEffectEvent");
const HashedString kLoadResourcesEvent("LoadResourcesEvent");
const HashedString kShowNovelCharacterEvent("ShowNovelCharacterEvent");
const HashedString kClearNovelDataEvent("ClearNovelDataEvent");
const HashedString kChangeCharacterFrameEvent("ChangeCharacterFrameEvent");
} // namespace EngineEventTypes
