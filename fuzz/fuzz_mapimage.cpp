// map.png files of any content decoded into the grid: a file that does not
// decode leaves the grid untouched; every file ends with one map view refresh.

#include "code/src/layout/dungeonlayout.h"
#include "code/src/world/gameworld.h"
#include "quietnulldevice.h"
#include "scratchfile.h"
#include "tests/support/recordingview.h"

#include <cstdint>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path =
        fuzzing::writeScratchFile("map.png", std::string(reinterpret_cast<const char*>(data), size));
    auto world = std::make_unique<Belgarune::GameWorld>();
    testsupport::RecordingView view;
    const bool read = Belgarune::readDungeonLayout(*fuzzing::quietNullDevice()->getVideoDriver(), path, *world, view);
    if (view.mapRefreshes != 1 || (!read && !view.placements.empty()))
        __builtin_trap();
    return 0;
}
