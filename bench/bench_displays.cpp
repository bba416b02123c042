// The view's per-frame and per-step work on the null driver: the map view on a
// change of cell (up to 25 visible cells, 125 paints, the texture remade; the
// null driver does not upload it) and the glow of the fifteen story texts.
// Goal: each well below 1 ms, a small part of a 16 ms frame.

#include "code/src/state/gamebase.h"
#include "code/src/view/mapview.h"
#include "code/src/view/storytexts.h"
#include "code/src/view/textfieldnode.h"
#include "code/src/view/tonecolors.h"
#include "code/src/world/gameworld.h"

#include <benchmark/benchmark.h>
#include <irrlicht.h>

namespace
{
irr::IrrlichtDevice* createNullDevice()
{
    irr::SIrrlichtCreationParameters params;
    params.DriverType = irr::video::EDT_NULL;
    params.LoggingLevel = irr::ELL_NONE;
    return irr::createDeviceEx(params);
}

void BM_MapViewNewCell(benchmark::State& state)
{
    irr::IrrlichtDevice* device = createNullDevice();
    for (irr::s32 x = 200; x < 300; ++x)
        for (irr::s32 z = 200; z < 300; ++z)
            g_gameBase->m_world->setWalkable(Belgarune::MapCoord(x, 0, z), true);
    {
        Belgarune::MapView map(device->getSceneManager());
        map.refresh();
        irr::s32 step = 0;
        for (auto _ : state)
            map.update(250 + (++step & 1), 250);
    }
    g_gameBase->m_world = std::make_unique<Belgarune::GameWorld>();
    device->drop();
}
BENCHMARK(BM_MapViewNewCell)->Unit(benchmark::kMicrosecond);

void BM_StoryTextsGlow(benchmark::State& state)
{
    irr::IrrlichtDevice* device = createNullDevice();
    const irr::core::array<Belgarune::TextFieldNode*> texts = Belgarune::buildStoryTexts(device->getSceneManager());
    for (irr::u32 i = 0; i < texts.size(); ++i)
        for (irr::u32 tone = 0; tone < Belgarune::kToneCount; ++tone)
            texts[i]->lightTone(tone);
    for (auto _ : state)
        for (irr::u32 i = 0; i < texts.size(); ++i)
            texts[i]->updateLetters();
    device->drop();
}
BENCHMARK(BM_StoryTextsGlow)->Unit(benchmark::kMicrosecond);
} // namespace
