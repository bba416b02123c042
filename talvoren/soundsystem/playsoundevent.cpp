#include "talvoren/soundsystem/playsoundevent.h"

const HashedString PlaySoundEvent::kEventType("PlaySoundEvent");
