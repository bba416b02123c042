// Start-up and shutdown of the game.

#include "code/src/events/gameevents.h"
#include "code/src/gameshutdown.h"
#include "code/src/logic/dungeon/dungeongamelogic.h"
#include "code/src/startupsettings.h"
#include "code/src/state/gamebase.h"
#include "code/src/view/gamefont.h"
#include "talvoren/eventmanager.h"
#include "talvoren/gamesettings.h"
#include "talvoren/inifile.h"
#include "talvoren/log.h"
#include "talvoren/ombeldevice.h"
#include "talvoren/ombelscript/ombelscriptmanager.h"
#include "talvoren/soundsystem/soundmanager.h"

#include <irrlicht.h>

#include <cstdio>
#include <memory>

namespace
{
const float kGameVersion = 0.1f;

irr::core::stringw bannerLine()
{
    char version[32];
    std::snprintf(version, sizeof(version), "%0.6f", static_cast<double>(kGameVersion));
    return irr::core::stringw(L"--- Logging Belgarune version ") + version + L" ---";
}
} // namespace

int main()
{
    g_device = new Talvoren::OmbelDevice();
    auto gameFont = std::make_unique<Belgarune::GameFont>();
    g_gameBase->m_font = gameFont.get();

    auto ini = std::make_unique<Talvoren::IniFile>(L"game.ini");
    if (!ini->isLoaded())
        return -1;
    const Talvoren::GameSettings settings = Talvoren::readGameSettings(*ini);
    Belgarune::storeGameSettings(settings, *g_gameBase);

    const irr::u8 antiAlias = Belgarune::deriveAntiAlias(settings.antiAlias);
    const irr::core::dimension2d<irr::u32> windowSize =
        Belgarune::deriveWindowSize(settings.resX, settings.resY, Belgarune::readDesktopResolution);

    irr::IrrlichtDevice* irrDevice =
        g_device->init(irr::video::EDT_OPENGL, windowSize, 32, settings.fullscreen, false, true, antiAlias);
    if (!irrDevice)
        return -1;

    g_device->setLogLevel(0);
    g_device->setHideConsoleOverlay(true);
    g_device->setShowFps(false);
    irrDevice->setResizable(false);

    g_device->openLog();
    g_device->logToFile(bannerLine());
    g_device->writeSystemInfo(0);
    g_device->writeSystemInfo(1);
    g_device->writeSystemInfo(0);
    if (g_device->isSoftwareRenderer())
        g_device->log(irr::core::stringw("Software renderer ") + g_device->getRendererName().c_str() +
                          ": level materials without anisotropic filtering",
                      Talvoren::kLogInfo, false);

    Belgarune::registerGameEventTypes(*g_device->getEventManager());

    irrDevice->setWindowCaption(L"Belgarune");
    irrDevice->setResizable(true);
    irrDevice->run();
    irr::video::IVideoDriver* driver = g_device->getVideoDriver();
    driver->beginScene(true, true, irr::video::SColor(255, 0, 0, 0));
    driver->endScene();

    // A missing font file keeps Irrlicht's built-in font.
    g_device->setConsoleFont(L"Talvoren/systemFont.bmp");
    g_device->getGUIEnvironment()->getSkin()->setFont(g_device->getConsoleFont());
    gameFont->reload();

    auto logic = std::make_shared<Belgarune::DungeonGameLogic>();
    logic->init();
    for (const HashedString* type : Belgarune::DungeonGameLogic::handledEventTypes())
        g_device->getEventManager()->addListener(logic, *type);

    // As read from game.ini, unclamped.
    g_device->getSoundManager()->setMasterVolume(g_gameBase->m_volume / 100.0f);

    g_device->getScriptManager()->insertScript(L"gamedata/scripts/start.omx");
    g_device->setGameLogic(logic);

    ini.reset();
    g_device->run();

    Belgarune::shutDownGame(*g_gameBase, logic.get(), std::move(gameFont), g_device);
    return 0;
}
