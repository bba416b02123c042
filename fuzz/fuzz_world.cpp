// Random map images and random script coordinates against the world grid.

#include "code/src/layout/dungeonlayout.h"
#include "code/src/world/gameitem.h"
#include "code/src/world/gameworld.h"
#include "code/src/world/mapcoord.h"
#include "code/src/layout/mappixels.h"
#include "tests/support/recordingview.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstring>
#include <iterator>
#include <memory>

namespace
{
using Belgarune::GameWorld;
using Belgarune::MapCoord;
using testsupport::RecordingView;
using irr::core::vector2d;
using irr::core::vector3df;

// Floor and wall colours, an almost opaque one and nothing, so codes meet often.
const irr::u32 kPalette[] = {0xFF0000FF, 0xFF9696FF, 0xFF00FF00, 0xFF969696, 0xFF646464, 0xFFFFFFFF,
                             0xFFFFC8C8, 0xFFFF9696, 0xFFFFFF96, 0xFFFF96FF, 0xFF96FF96, 0xFF00FFFF,
                             0xFE0000FF, 0x00000000};

irr::f32 anyFloat(FuzzedDataProvider& input)
{
    // Raw bits: NaN and infinities included.
    const std::uint32_t bits = input.ConsumeIntegral<std::uint32_t>();
    irr::f32 value;
    std::memcpy(&value, &bits, sizeof(value));
    return value;
}

irr::f32 nearGrid(FuzzedDataProvider& input)
{
    return input.ConsumeFloatingPointInRange<irr::f32>(-40.0f, 5040.0f);
}

vector3df anyPosition(FuzzedDataProvider& input)
{
    if (input.ConsumeBool())
        return vector3df(anyFloat(input), anyFloat(input), anyFloat(input));
    return vector3df(nearGrid(input), 0.0f, nearGrid(input));
}

void readImage(FuzzedDataProvider& input, GameWorld& world, RecordingView& view)
{
    const irr::s32 width = input.ConsumeIntegralInRange<irr::s32>(0, 40);
    const irr::s32 height = input.ConsumeIntegralInRange<irr::s32>(0, 40);
    // Near the top-left corner, or across the right or the bottom border (one at a
    // time keeps the scanned area small).
    const int place = input.ConsumeIntegralInRange<int>(0, 2);
    const irr::s32 left = input.ConsumeIntegralInRange<irr::s32>(0, 8) + (place == 1 ? 470 : 0);
    const irr::s32 top = input.ConsumeIntegralInRange<irr::s32>(0, 8) + (place == 2 ? 470 : 0);
    Belgarune::MapPixels map(left + width, top + height);
    for (irr::s32 y = top; y < top + height; ++y)
    {
        for (irr::s32 x = left; x < left + width; ++x)
        {
            const bool raw = input.ConsumeIntegralInRange<int>(0, 15) == 0;
            map.set(x, y,
                    irr::video::SColor(raw ? input.ConsumeIntegral<irr::u32>()
                                           : kPalette[input.ConsumeIntegralInRange<std::size_t>(
                                                 0, std::size(kPalette) - 1)]));
        }
    }
    Belgarune::buildDungeonLayout(map, world, view);
}

void runScript(FuzzedDataProvider& input, GameWorld& world)
{
    while (input.remaining_bytes() > 0)
    {
        switch (input.ConsumeIntegralInRange<int>(0, 9))
        {
        case 0:
            world.setCell(MapCoord(input.ConsumeIntegral<irr::s32>(), 0, input.ConsumeIntegral<irr::s32>()),
                          static_cast<Belgarune::FloorCode>(input.ConsumeIntegral<irr::s32>()));
            break;
        case 1:
            world.setWalkable(MapCoord(input.ConsumeIntegralInRange<irr::s32>(-2, 502), 0,
                                       input.ConsumeIntegralInRange<irr::s32>(-2, 502)),
                              input.ConsumeBool());
            break;
        case 2:
            world.getCellValue(input.ConsumeIntegral<irr::s32>(), input.ConsumeIntegral<irr::s32>());
            world.isWalkable(input.ConsumeIntegral<irr::s32>(), input.ConsumeIntegral<irr::s32>());
            break;
        case 3:
            world.collides(anyPosition(input), input.ConsumeBool());
            break;
        case 4:
            world.isPathFree(anyPosition(input), anyPosition(input), input.ConsumeBool());
            break;
        case 5:
        {
            const irr::s32 i = input.ConsumeBool() ? input.ConsumeIntegral<irr::s32>()
                                                   : input.ConsumeIntegralInRange<irr::s32>(-5, 505);
            const irr::s32 j = input.ConsumeBool() ? input.ConsumeIntegral<irr::s32>()
                                                   : input.ConsumeIntegralInRange<irr::s32>(-5, 505);
            for (const vector2d<irr::s32>& cell : world.getVisibleCells({i, j}))
                world.isWalkable(cell.X, cell.Y);
            break;
        }
        case 6:
            Belgarune::gridToWorld({input.ConsumeIntegral<irr::s32>(), input.ConsumeIntegral<irr::s32>()});
            break;
        case 7:
            world.addRoundCollision(anyPosition(input), input.ConsumeIntegral<irr::s32>());
            break;
        case 8:
            world.addItem(anyPosition(input), input.ConsumeIntegral<irr::u32>(),
                          static_cast<Belgarune::PieceKind>(input.ConsumeIntegral<irr::s32>()));
            break;
        default:
            if (Belgarune::GameItem* item = world.findItemNear(anyPosition(input)))
                world.removeItem(item);
            break;
        }
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    auto world = std::make_unique<GameWorld>();
    RecordingView view;
    readImage(input, *world, view);
    runScript(input, *world);
    return 0;
}
