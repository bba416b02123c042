#pragma once
// The engine's one device: the Irrlicht device, the managers, the log and the main loop.

#include "talvoren/log.h"

#include <EDriverTypes.h>
#include <IEventReceiver.h>
#include <SColor.h>
#include <dimension2d.h>
#include <irrArray.h>
#include <irrString.h>
#include <rect.h>

#include <memory>
#include <string>

namespace irr
{
class IrrlichtDevice;
namespace video
{
class IVideoDriver;
}
namespace scene
{
class ISceneManager;
}
namespace gui
{
class IGUIEnvironment;
class IGUIFont;
}
} // namespace irr

class EventManager;
class ProcessManager;

namespace platform
{
struct XError;
}

namespace Talvoren
{
class Clock;
class ConsoleLogic;
class GameLogic;
class LogFile;
class OmbelScriptManager;
class ShaderManager;
class SimpleLanguageSystem;
class SoundManager;
class XErrorLog;

//! The engine's name (window caption while starting, caption of message boxes).
extern const wchar_t* const g_engineName;
extern const wchar_t* const g_engineVersion;

//! Owns the Irrlicht device (created by init, closed and dropped by the
//! destructor), the clocks, the language system and the log file; holds the
//! active logic by shared pointer.
class OmbelDevice : public irr::IEventReceiver
{
public:
    OmbelDevice();
    ~OmbelDevice() override;
    OmbelDevice(const OmbelDevice&) = delete;
    OmbelDevice& operator=(const OmbelDevice&) = delete;

    //! Loads the texts, creates the Irrlicht device and the engine's parts.
    //! Returns the Irrlicht device, or null on failure.
    irr::IrrlichtDevice* init(irr::video::E_DRIVER_TYPE driverType, irr::core::dimension2d<irr::u32> windowSize,
                              irr::u32 bits, bool fullscreen, bool stencilBuffer, bool vsync, irr::u8 antiAlias);
    //! The main loop; returns when the window closes or is lost, or quit was
    //! called. Frames of a real window start at least 1/60 s apart.
    void run();
    //! An empty logic is refused (false).
    bool setGameLogic(const std::shared_ptr<GameLogic>& logic);
    void quit() { m_quit = true; }
    bool isQuitRequested() const { return m_quit; }
    void setGameSpeed(irr::f32 factor);

    bool OnEvent(const irr::SEvent& event) override;
    //! Engine commands ("ombel ...") run here; other lines go to the active logic.
    void executeConsoleLine(irr::core::stringw line);

    // Messages.
    void log(const irr::core::stringw& text, irr::u32 type, bool force);
    void logError(const irr::core::stringw& format, const irr::core::stringw& argument);
    static irr::video::SColor getMessageColor(irr::u32 type);
    void addMonitorMark(irr::u32 type);
    void openLog();
    void logToFile(const irr::core::stringw& line);
    void writeSystemInfo(irr::u32 selector);
    const LogFile* getLogFile() const { return m_logFile.get(); }

    // Accessors.
    irr::IrrlichtDevice* getIrrlichtDevice() const { return m_irrDevice; }
    irr::video::IVideoDriver* getVideoDriver() const { return m_driver; }
    irr::scene::ISceneManager* getSceneManager() const { return m_sceneManager; }
    irr::gui::IGUIEnvironment* getGUIEnvironment() const { return m_gui; }
    std::shared_ptr<Clock> getGameClock() const { return m_gameClock; }
    std::shared_ptr<EventManager> getEventManager() const { return m_eventManager; }
    //! Updated with the real frame time: scripts, sound fades and merged script children run here.
    std::shared_ptr<ProcessManager> getProcessManager() const { return m_processManager; }
    //! Updated with the game clock's time step.
    std::shared_ptr<ProcessManager> getGameProcessManager() const { return m_gameProcessManager; }
    std::shared_ptr<GameLogic> getGameLogic() const { return m_activeLogic; }
    ConsoleLogic* getConsole() const { return m_console.get(); }
    ShaderManager* getShaderManager() const { return m_shaderManager.get(); }
    //! Whether init found an OpenGL renderer that draws on the CPU.
    bool isSoftwareRenderer() const { return m_softwareRenderer; }
    //! The OpenGL renderer string init found (empty on other drivers).
    const std::string& getRendererName() const { return m_rendererName; }
    OmbelScriptManager* getScriptManager() const { return m_scriptManager.get(); }
    //! Null before init; its engine may be missing (see Talvoren::getSoundEngine).
    SoundManager* getSoundManager() const { return m_soundManager.get(); }
    //! Engine text of that number from the language system.
    irr::core::stringw getText(int number) const;

    bool isKeyDown(irr::EKEY_CODE key) const;
    irr::u32 getFrameDeltaMs() const { return m_frameDeltaMs; }
    irr::s32 getGameDeltaMs() const { return m_gameDeltaMs; }
    irr::u32 getTimeMs() const;
    irr::core::dimension2d<irr::u32> getScreenSize() const;
    irr::f32 getAspectRatio() const;
    irr::core::rect<irr::s32> getScreenRect(irr::f32 left, irr::f32 top, irr::f32 right, irr::f32 bottom) const;
    //! A whole number from min to max.
    static irr::s32 random(irr::s32 min, irr::s32 max);

    void setLogLevel(irr::u32 level) { m_logLevel = level; }
    void setHideConsoleOverlay(bool hide) { m_hideConsoleOverlay = hide; }
    void setShowFps(bool show) { m_showFps = show; }
    bool isShowFps() const { return m_showFps; }

    // Console.
    //! Loads the font through the GUI environment (which owns it) for the console.
    void setConsoleFont(const irr::core::stringw& fileName);
    irr::gui::IGUIFont* getConsoleFont() const;
    void toggleConsole();
    void runConsoleFrame();
    //! The number with six decimals as the console's debug value of that id.
    void setDebugVariable(irr::u32 id, irr::f64 number, const irr::core::stringw& name);
    //! Runs each line of the text file as a console line.
    bool loadExternalScript(const irr::core::stringw& fileName);

    // Operations the program's own start-up and loop do not call.
    bool initGamepads();
    //! A new 100 x 100 OpenGL device in place of the old one; the console takes
    //! its built-in font and the shader manager its driver.
    irr::IrrlichtDevice* recreateDevice();
    //! "talvoren\logo.png" as a picture under the scene's root over the middle
    //! half of the screen; the scene graph owns the node.
    void showLogo();
    void fileNotFound(const irr::core::stringw& path);
    void drawDebugRectangle(const irr::core::rect<irr::s32>& rectangle);
    irr::u32 getTimerDelta();

private:
    //! Driver, scene manager and GUI environment of the Irrlicht device just made.
    void takeIrrlichtServices();
    void releaseIrrlichtDevice();
    //! Creates and starts the sound manager; a failure is logged, start-up goes on.
    void startSoundManager();
    void registerEngineEventTypes();
    //! Index of a key code in the key table, -1 for codes beyond it.
    static int keyTableIndex(const irr::EKEY_CODE& key);
    void logStartLines();
    //! Notes the new OpenGL context's renderer and whether it draws on the CPU.
    void detectSoftwareRenderer();
    //! A key event while the console is visible; returns whether it is consumed.
    bool handleConsoleKey(const irr::SEvent::SKeyInput& key, int keyCode);
    void drawConsoleLayers();
    //! Called from Xlib's error handler.
    void onXError(const platform::XError& error);

    bool m_creatingDevice;
    bool m_softwareRenderer = false;
    std::string m_rendererName;
    irr::video::SColor m_clearColor;
    bool m_hideConsoleOverlay;
    //! Owned: created by init, closed and dropped by the destructor.
    irr::IrrlichtDevice* m_irrDevice;
    //! The Irrlicht device's own, not grabbed.
    irr::video::IVideoDriver* m_driver;
    irr::scene::ISceneManager* m_sceneManager;
    irr::gui::IGUIEnvironment* m_gui;
    std::shared_ptr<Clock> m_systemClock;
    std::shared_ptr<Clock> m_gameClock;
    std::shared_ptr<ProcessManager> m_processManager;
    std::shared_ptr<ProcessManager> m_gameProcessManager;
    //! Every call into it goes through a local copy: a logic may replace itself while it runs.
    std::shared_ptr<GameLogic> m_activeLogic;
    std::unique_ptr<SimpleLanguageSystem> m_languageSystem;
    std::shared_ptr<ConsoleLogic> m_console;
    //! Made by init with the video driver; released before the Irrlicht device.
    std::shared_ptr<ShaderManager> m_shaderManager;
    //! Made by init; updated once per frame after the process managers.
    std::shared_ptr<OmbelScriptManager> m_scriptManager;
    irr::u32 m_frameDeltaMs;
    irr::s32 m_gameDeltaMs;
    std::shared_ptr<EventManager> m_eventManager;
    bool m_showFps;
    static constexpr int kKeyCount = 255;
    bool m_keyDown[kKeyCount];
    bool m_gamepadsFailed;
    bool m_quit;
    irr::SEvent::SJoystickEvent m_joystickState;
    irr::core::array<irr::SJoystickInfo> m_joystickInfo;
    std::unique_ptr<LogFile> m_logFile;
    irr::u32 m_logLevel;
    irr::u32 m_lastTimerDelta;
    bool m_timerDeltaStarted;
    //! Made by init; released first of the members, before the managers whose processes may hold its sounds.
    std::shared_ptr<SoundManager> m_soundManager;
    std::unique_ptr<XErrorLog> m_xErrorLog;
};
} // namespace Talvoren

//! The program's one device; set and cleared by main.
extern Talvoren::OmbelDevice* g_device;
