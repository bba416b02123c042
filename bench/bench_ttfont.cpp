// TrueType font: making a font, measuring and drawing a line, on the null driver.

#include "gui/cguittfont.h"

#include <irrlicht.h>

#include <benchmark/benchmark.h>

namespace
{
const char* const kFontFile = "/usr/share/fonts/opentype/kaushanscript/KaushanScript-Regular.otf";
const wchar_t* const kLine = L"You have learned the Prelude Of The Faceless King. Play it near the gate.";

irr::IrrlichtDevice* createNullDevice()
{
    irr::SIrrlichtCreationParameters params;
    params.DriverType = irr::video::EDT_NULL;
    params.LoggingLevel = irr::ELL_NONE;
    return irr::createDeviceEx(params);
}

//! A null device and the game font at the size a 1920-pixel screen gets.
class FontFixture
{
public:
    FontFixture()
        : m_device(createNullDevice()),
          m_font(irr::gui::CGUITTFont::createTTFont(m_device->getGUIEnvironment(), kFontFile, 55))
    {
    }
    ~FontFixture()
    {
        if (m_font)
            m_font->drop();
        m_device->drop();
    }
    FontFixture(const FontFixture&) = delete;
    FontFixture& operator=(const FontFixture&) = delete;

    irr::IrrlichtDevice* m_device;
    irr::gui::CGUITTFont* m_font;
};

// Face, pages and the 127 preloaded glyphs of a new font.
void BM_CreateFont(benchmark::State& state)
{
    irr::IrrlichtDevice* device = createNullDevice();
    // Keeps the shared face alive, as the running game does.
    irr::gui::CGUITTFont* keeper = irr::gui::CGUITTFont::createTTFont(device->getGUIEnvironment(), kFontFile, 20);
    for (auto _ : state)
    {
        irr::gui::CGUITTFont* font = irr::gui::CGUITTFont::createTTFont(
            device->getGUIEnvironment(), kFontFile, static_cast<irr::u32>(state.range(0)));
        benchmark::DoNotOptimize(font);
        font->drop();
    }
    keeper->drop();
    device->drop();
}
BENCHMARK(BM_CreateFont)->Arg(22)->Arg(36)->Arg(55)->Unit(benchmark::kMillisecond);

void BM_MeasureLine(benchmark::State& state)
{
    FontFixture fixture;
    for (auto _ : state)
        benchmark::DoNotOptimize(fixture.m_font->getDimension(kLine));
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(wcslen(kLine)));
}
BENCHMARK(BM_MeasureLine);

// Glyph placement and page batches; the null driver draws nothing itself.
void BM_DrawLine(benchmark::State& state)
{
    FontFixture fixture;
    const irr::core::stringw line(kLine);
    const irr::core::rect<irr::s32> box(0, 0, 1920, 1080);
    for (auto _ : state)
        fixture.m_font->draw(line, box, irr::video::SColor(255, 255, 255, 255), true, true);
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(line.size()));
}
BENCHMARK(BM_DrawLine);
} // namespace
