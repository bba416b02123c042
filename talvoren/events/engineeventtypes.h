#pragma once
// The engine's event types that have no event class of their own.

#include "talvoren/hashedstring.h"

namespace EngineEventTypes
{
//! Registered by the device; nobody sends or handles them.
extern const HashedString kShowEffectEvent;
extern const HashedString kLoadResourcesEvent;
//! Story-text presenter vocabulary; never registered.
extern const HashedString kShowNovelCharacterEvent;
extern const HashedString kClearNovelDataEvent;
extern const HashedString kChangeCharacterFrameEvent;
} // namespace EngineEventTypes
