// Asset generation speed: single recipes and the whole pack (goal: about 10 s).
#include "tools/assetgen/generator.h"
#include "tools/assetgen/maskmeshes.h"
#include "tools/assetgen/music.h"
#include "tools/assetgen/stonetextures.h"
#include "tools/assetgen/tones.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

namespace
{
void stoneTexture(benchmark::State& state)
{
    assetgen::StoneStyle style;
    style.height = 512;
    for (auto _ : state)
        benchmark::DoNotOptimize(assetgen::stoneSurface(style));
}
BENCHMARK(stoneTexture)->Unit(benchmark::kMillisecond);

void toneLoop(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(assetgen::toneLoop(assetgen::ToneVoice::Choir, 2));
}
BENCHMARK(toneLoop)->Unit(benchmark::kMillisecond);

void maskMesh(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(assetgen::mask(assetgen::MaskShape{}, "mask.png", assetgen::faceTowardMinusX()));
}
BENCHMARK(maskMesh)->Unit(benchmark::kMicrosecond);

void levelMusic(benchmark::State& state)
{
    const assetgen::SongSource songs(BELGARUNE_SONGS);
    for (auto _ : state)
        benchmark::DoNotOptimize(assetgen::render(assetgen::levelFlute(songs)));
}
BENCHMARK(levelMusic)->Unit(benchmark::kMillisecond)->Iterations(2);

void wholePack(benchmark::State& state)
{
    const std::filesystem::path target = std::filesystem::temp_directory_path() / "bench_assetgen_pack";
    for (auto _ : state)
    {
        std::ostringstream log;
        if (assetgen::generateAssets(target.string(), BELGARUNE_LAYOUT, BELGARUNE_SONGS, log) != 0)
            state.SkipWithError("generation failed");
    }
    std::filesystem::remove_all(target);
}
BENCHMARK(wholePack)->Unit(benchmark::kSecond)->Iterations(1);
} // namespace
