// The end of the run: what holds the device's resources goes before the device.

#include "code/src/gameshutdown.h"
#include "code/src/logic/standardphysicscomponent.h"
#include "code/src/state/gamebase.h"
#include "code/src/view/gamefont.h"
#include "code/src/world/gameactor.h"
#include "code/src/world/gameworld.h"
#include "code/src/world/inputcomponent.h"
#include "code/src/world/musicalcomponent.h"
#include "code/src/world/visualcomponent.h"
#include "talvoren/ombeldevice.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
//! Notes when its destructor has begun.
class WatchedDevice : public Talvoren::OmbelDevice
{
public:
    explicit WatchedDevice(bool& gone) : m_gone(gone) {}
    ~WatchedDevice() override { m_gone = true; }

private:
    bool& m_gone;
};

//! Stands for a component that holds a scene node or a sound.
class ResourceHoldingVisual : public Belgarune::VisualComponent
{
public:
    ResourceHoldingVisual(const bool& deviceGone, int& releasedWithDevice)
        : m_deviceGone(deviceGone), m_releasedWithDevice(releasedWithDevice)
    {
    }
    ~ResourceHoldingVisual() override { m_releasedWithDevice = m_deviceGone ? 0 : 1; }
    void update(Belgarune::GameActor*, Belgarune::IDungeonView*) override {}

private:
    const bool& m_deviceGone;
    int& m_releasedWithDevice;
};

TEST(GameShutdownTest, TheWorldsActorsAreReleasedBeforeTheDeviceGoes)
{
    bool deviceGone = false;
    int releasedWithDevice = -1;
    Belgarune::GameBase gameBase;
    gameBase.m_world->addActor(std::make_unique<Belgarune::GameActor>(
        7, nullptr, std::make_unique<Belgarune::StandardPhysicsComponent>(5),
        std::make_unique<ResourceHoldingVisual>(deviceGone, releasedWithDevice), nullptr));
    auto font = std::make_unique<Belgarune::GameFont>();
    gameBase.m_font = font.get();
    Talvoren::OmbelDevice* device = new WatchedDevice(deviceGone);

    Belgarune::shutDownGame(gameBase, nullptr, std::move(font), device);

    EXPECT_EQ(releasedWithDevice, 1);
    EXPECT_TRUE(deviceGone);
    EXPECT_EQ(device, nullptr);
    EXPECT_EQ(gameBase.m_world, nullptr);
    EXPECT_EQ(gameBase.m_font, nullptr);
}
} // namespace
