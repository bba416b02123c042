#include "talvoren/soundsystem/fadesoundevent.h"

const HashedString FadeSoundEvent::kEventType("FadeSoundEvent");
