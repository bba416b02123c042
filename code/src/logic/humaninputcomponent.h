#pragma once
// The player's input: turning, walking and strafing by the keys, and the five
// tone keys; during scripted scenes the forced tones instead.

#include "code/src/world/inputcomponent.h"

#include <Keycodes.h>

#include <functional>

namespace Belgarune
{
class IActorClock;

class HumanInputComponent : public InputComponent
{
public:
    //! Whether a key is held now.
    using KeyTable = std::function<bool(irr::EKEY_CODE)>;

    //! The clock is not owned and outlives the component.
    HumanInputComponent(KeyTable keys, const IActorClock& clock);
    //! The device's key table, read as released while the console is open, and the device's clock.
    HumanInputComponent();

    //! The device's key table as the player's keys: none is held while the console is visible.
    static bool playerKeyDown(irr::EKEY_CODE key);

    void update(GameActor* actor, PhysicsComponent* physics) override;
    void reset(GameActor*) override {}

    //! The tone keys G, H, J, K, L for tones 0..4.
    static constexpr irr::EKEY_CODE kToneKeys[5] = {irr::KEY_KEY_G, irr::KEY_KEY_H, irr::KEY_KEY_J, irr::KEY_KEY_K,
                                                    irr::KEY_KEY_L};

private:
    void setTones(GameActor& actor, const bool (&pressed)[5]) const;

    KeyTable m_keys;
    const IActorClock& m_clock;
};
} // namespace Belgarune
