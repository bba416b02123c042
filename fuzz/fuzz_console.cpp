// Random console lines and key presses against a device on the null driver.

#include "talvoren/consolelogic.h"
#include "talvoren/ombeldevice.h"

#include <irrlicht.h>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace
{
namespace fs = std::filesystem;

// A fresh device now and then keeps the ever-growing history small.
constexpr int kInputsPerDevice = 5000;

std::unique_ptr<Talvoren::OmbelDevice> g_ownedDevice;
int g_inputs = 0;

void writeLanguageFiles()
{
    fs::create_directories("talvoren/lang/english");
    std::ofstream("talvoren/lang/lang.txt") << "lang=English,english\n";
    std::ofstream texts("talvoren/lang/english/defs.tsf");
    for (int i = 0; i < 16; ++i)
        texts << "text " << i << " %p %s%n\n";
}

Talvoren::OmbelDevice& device()
{
    if (!g_ownedDevice || ++g_inputs % kInputsPerDevice == 0)
    {
        g_device = nullptr;
        g_ownedDevice = std::make_unique<Talvoren::OmbelDevice>();
        g_device = g_ownedDevice.get();
        if (!g_ownedDevice->init(irr::video::EDT_NULL, irr::core::dimension2d<irr::u32>(640, 480), 32, false,
                                 false, false, 0))
            std::abort();
    }
    return *g_ownedDevice;
}

irr::SEvent keyEvent(FuzzedDataProvider& input)
{
    irr::SEvent event;
    event.EventType = irr::EET_KEY_INPUT_EVENT;
    const irr::u32 code = input.ConsumeBool() ? input.ConsumeIntegral<irr::u8>() : input.ConsumeIntegral<irr::u32>();
    // Irrlicht hands raw X key symbols through this field as well.
    std::memcpy(&event.KeyInput.Key, &code, sizeof(code));
    event.KeyInput.Char = input.ConsumeIntegral<wchar_t>();
    event.KeyInput.PressedDown = input.ConsumeBool();
    event.KeyInput.Shift = input.ConsumeBool();
    event.KeyInput.Control = input.ConsumeBool();
    return event;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The device reads its texts from, and writes Eventlog.txt into, the working directory.
    const fs::path folder = fs::temp_directory_path() / "belgarune-fuzz-console";
    fs::create_directories(folder);
    fs::current_path(folder);
    writeLanguageFiles();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    Talvoren::OmbelDevice& engine = device();
    Talvoren::ConsoleLogic* console = engine.getConsole();
    while (input.remaining_bytes() > 0)
    {
        switch (input.ConsumeIntegralInRange(0, 3))
        {
        case 0:
        {
            const std::string line = input.ConsumeRandomLengthString(200);
            const std::wstring wide(line.begin(), line.end());
            engine.executeConsoleLine((L"ombel " + wide).c_str());
            break;
        }
        case 1:
        {
            const std::string line = input.ConsumeRandomLengthString(200);
            engine.executeConsoleLine(std::wstring(line.begin(), line.end()).c_str());
            break;
        }
        case 2:
            engine.OnEvent(keyEvent(input));
            break;
        default:
            console->drawOverlay();
            console->drawConsole();
            console->drawDebugVariables();
            break;
        }
    }
    return 0;
}
