#include "talvoren/ombeldevice.h"

#include "platform/messagebox.h"
#include "platform/pathresolver.h"
#include "platform/textfile.h"
#include "platform/xerrorhandler.h"
#include "talvoren/clock.h"
#include "talvoren/consolecommands.h"
#include "talvoren/consolekeyaction.h"
#include "talvoren/consolelogic.h"
#include "talvoren/eventmanager.h"
#include "talvoren/events/addtoloadqueueevent.h"
#include "talvoren/events/engineeventtypes.h"
#include "talvoren/framepacer.h"
#include "talvoren/gamelogic.h"
#include "talvoren/languagesystem.h"
#include "talvoren/logfile.h"
#include "talvoren/ombelscript/ombelscriptmanager.h"
#include "talvoren/picturescenenode.h"
#include "talvoren/processmanager/processmanager.h"
#include "talvoren/shadermanager.h"
#include "talvoren/soundsystem/fadesoundevent.h"
#include "talvoren/soundsystem/playsoundevent.h"
#include "talvoren/softwarerenderer.h"
#include "talvoren/soundsystem/soundmanager.h"
#include "talvoren/xerrorlog.h"

#include <irrlicht.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <type_traits>
#include <ctime>
#include <iomanip>
#include <locale>
#include <sstream>
#include <vector>

Talvoren::OmbelDevice* g_device = nullptr;

namespace Talvoren
{
const wchar_t* const g_engineName = L"Talvoren";
const wchar_t* const g_engineVersion = L"0.3 Pre-Alpha";

namespace
{
irr::core::stringw toStringw(const std::string& bytes)
{
    return irr::core::stringw(platform::widen(bytes).c_str());
}

irr::core::stringw toStringw(irr::u32 number)
{
    return toStringw(std::to_string(number));
}

// The game's movement rules assume frames of about this length (1/60 s).
constexpr std::chrono::nanoseconds kMinFrameInterval(16'666'667);
} // namespace

OmbelDevice::OmbelDevice()
    : m_creatingDevice(false),
      m_clearColor(0),
      m_hideConsoleOverlay(false),
      m_irrDevice(nullptr),
      m_driver(nullptr),
      m_sceneManager(nullptr),
      m_gui(nullptr),
      m_systemClock(std::make_shared<Clock>()),
      m_gameClock(std::make_shared<Clock>()),
      m_processManager(std::make_shared<ProcessManager>()),
      m_gameProcessManager(std::make_shared<ProcessManager>()),
      m_frameDeltaMs(0),
      m_gameDeltaMs(0),
      m_eventManager(std::make_shared<EventManager>("EventManager", true)),
      m_showFps(false),
      m_keyDown{},
      m_gamepadsFailed(false),
      m_quit(false),
      m_joystickState{},
      m_logLevel(1),
      m_lastTimerDelta(0),
      m_timerDeltaStarted(false),
      m_xErrorLog(std::make_unique<XErrorLog>(
          [this](const std::string& text, irr::u32 type) { log(toStringw(text), type, false); }))
{
}

OmbelDevice::~OmbelDevice()
{
    m_languageSystem.reset();
    m_soundManager.reset();
    m_joystickInfo.clear();
    m_eventManager.reset();
    m_console.reset();
    m_activeLogic.reset();
    m_scriptManager.reset();
    m_shaderManager.reset();
    m_gameProcessManager.reset();
    m_processManager.reset();
    m_gameClock.reset();
    m_systemClock.reset();
    // Tearing down a window lost from outside raises errors nobody needs to see.
    platform::installXErrorHandler(nullptr);
    releaseIrrlichtDevice();
}

void OmbelDevice::releaseIrrlichtDevice()
{
    if (!m_irrDevice)
        return;
    m_irrDevice->closeDevice();
    m_irrDevice->run();
    m_irrDevice->drop();
    m_irrDevice = nullptr;
    m_driver = nullptr;
    m_sceneManager = nullptr;
    m_gui = nullptr;
}

void OmbelDevice::takeIrrlichtServices()
{
    m_driver = m_irrDevice->getVideoDriver();
    m_sceneManager = m_irrDevice->getSceneManager();
    m_gui = m_irrDevice->getGUIEnvironment();
}

irr::IrrlichtDevice* OmbelDevice::init(irr::video::E_DRIVER_TYPE driverType,
                                       irr::core::dimension2d<irr::u32> windowSize, irr::u32 bits, bool fullscreen,
                                       bool stencilBuffer, bool vsync, irr::u8 antiAlias)
{
    m_clearColor = irr::video::SColor(255, 0, 0, 0);

    m_languageSystem = std::make_unique<SimpleLanguageSystem>();
    m_languageSystem->loadLanguages(L"talvoren\\lang");
    if (!m_languageSystem->setLanguage(L"English"))
    {
        logError(L"Could not load Languagefile at path %p! Please reinstall the game.", L"talvoren\\lang");
        return nullptr;
    }

    std::srand(static_cast<unsigned>(std::time(nullptr)));
    releaseIrrlichtDevice();

    irr::SIrrlichtCreationParameters params;
    params.DriverType = driverType;
    params.WindowSize = windowSize;
    params.Bits = static_cast<irr::u8>(bits);
    params.ZBufferBits = 24;
    params.Fullscreen = fullscreen;
    params.Stencilbuffer = stencilBuffer;
    params.Vsync = vsync;
    params.AntiAlias = antiAlias;
    params.EventReceiver = this;

    // Mesa under a virtual X server answers the vertical-sync request with an
    // asynchronous error; Xlib's default handler would end the process.
    platform::installXErrorHandler([this](const platform::XError& error) { onXError(error); });

    m_creatingDevice = true;
    m_irrDevice = irr::createDeviceEx(params);
    m_creatingDevice = false;
    if (!m_irrDevice)
    {
        log(getText(1), kLogError, false);
        return nullptr;
    }

    m_irrDevice->setWindowCaption(g_engineName);
    takeIrrlichtServices();
    m_driver->setAllowZWriteOnTransparent(true);

    startSoundManager();
    registerEngineEventTypes();
    m_console = std::make_shared<ConsoleLogic>(this);
    logStartLines();
    detectSoftwareRenderer();
    m_shaderManager = std::make_shared<ShaderManager>(m_driver);
    m_scriptManager = std::make_shared<OmbelScriptManager>();
    return m_irrDevice;
}

void OmbelDevice::registerEngineEventTypes()
{
    m_eventManager->registerEventType(PlaySoundEvent::kEventType);
    m_eventManager->registerEventType(FadeSoundEvent::kEventType);
    m_eventManager->registerEventType(EngineEventTypes::kShowEffectEvent);
    m_eventManager->registerEventType(EngineEventTypes::kLoadResourcesEvent);
    m_eventManager->registerEventType(AddToLoadQueueEvent::kEventType);
    m_eventManager->addListener(m_soundManager, PlaySoundEvent::kEventType);
    m_eventManager->addListener(m_soundManager, FadeSoundEvent::kEventType);
}

void OmbelDevice::startSoundManager()
{
    // Without sound the program goes on; the manager then ignores every request.
    m_soundManager = std::make_shared<SoundManager>();
    switch (m_soundManager->init())
    {
    case SoundManager::kInitEngineExists:
        log(getText(2), kLogError, false);
        break;
    case SoundManager::kInitEngineFailed:
        log(getText(3), kLogError, false);
        break;
    case SoundManager::kInitDone:
        break;
    }
}

void OmbelDevice::logStartLines()
{
    log(getText(0), kLogInfo, false);
    log(getText(10), kLogInfo, false);
    log(getText(5) + L": " + g_engineVersion, kLogInfo, false);
    log(getText(6) + L": " + L"1" + L" (" + getText(7) + L")", kLogInfo, false);
    addMonitorMark(kLogInfo);
    log(getText(11), kLogInfo, false);
    addMonitorMark(kLogInfo);
}

void OmbelDevice::detectSoftwareRenderer()
{
    if (m_driver->getDriverType() != irr::video::EDT_OPENGL)
        return;
    m_rendererName = currentRendererName();
    m_softwareRenderer = isSoftwareRendererName(m_rendererName);
}

int OmbelDevice::keyTableIndex(const irr::EKEY_CODE& key)
{
    // X11 hands raw key symbols through the key code: read the stored bits
    // without assuming they are one of the enumerators.
    std::underlying_type_t<irr::EKEY_CODE> raw;
    std::memcpy(&raw, &key, sizeof(raw));
    const auto code = static_cast<long long>(raw);
    return code >= 0 && code < kKeyCount ? static_cast<int>(code) : -1;
}

void OmbelDevice::run()
{
    if (!m_irrDevice)
        return;
    irr::ITimer* timer = m_irrDevice->getTimer();
    irr::u32 lastTime = timer->getTime();
    irr::core::dimension2d<irr::u32> lastSize = m_driver->getScreenSize();
    m_frameDeltaMs = 0;
    m_gameDeltaMs = 0;
    m_xErrorLog->open();
    // Only a real window is paced; loops on the null driver run at full speed.
    FramePacer pacer(m_driver->getDriverType() == irr::video::EDT_NULL ? FramePacer::Clock::duration::zero()
                                                                         : kMinFrameInterval);

    while (m_irrDevice->run() && !m_quit)
    {
        const irr::u32 now = timer->getTime();
        m_frameDeltaMs = now - lastTime;
        lastTime = now;
        m_systemClock->update(m_frameDeltaMs);
        m_gameClock->update(m_frameDeltaMs);
        m_gameDeltaMs = m_gameClock->getWholeDeltaMs();

        const irr::core::dimension2d<irr::u32> size = m_driver->getScreenSize();
        if (size != lastSize)
        {
            if (const std::shared_ptr<GameLogic> logic = getGameLogic())
                logic->onResize();
            lastSize = size;
        }

        m_processManager->update(m_frameDeltaMs);
        m_gameProcessManager->update(static_cast<irr::u32>(m_gameDeltaMs));
        m_scriptManager->update();
        m_eventManager->tick(IEventManager::kInfinite);

        m_driver->beginScene(true, true, m_clearColor);
        if (const std::shared_ptr<GameLogic> logic = getGameLogic())
        {
            logic->frame();
            if (!m_hideConsoleOverlay && m_console)
                m_console->drawOverlay();
        }
        else
        {
            runConsoleFrame();
        }
        drawConsoleLayers();
        m_driver->endScene();

        if (const std::shared_ptr<GameLogic> logic = getGameLogic())
            logic->onFrameEnd();
        pacer.waitForNextFrame();
    }
    m_xErrorLog->flushRepeats();
}

void OmbelDevice::onXError(const platform::XError& error)
{
    // A window destroyed from outside ends the loop as closing it does.
    if (error.kind == platform::XErrorKind::DrawableLost)
        quit();
    m_xErrorLog->report(error);
}

bool OmbelDevice::setGameLogic(const std::shared_ptr<GameLogic>& logic)
{
    if (!logic)
        return false;
    m_activeLogic = logic;
    log(getText(8) + L" : " + toStringw(logic->getName()), kLogInfo, false);
    return true;
}

void OmbelDevice::setGameSpeed(irr::f32 factor)
{
    m_gameClock->setSpeed(factor);
}

bool OmbelDevice::OnEvent(const irr::SEvent& event)
{
    switch (event.EventType)
    {
    case irr::EET_JOYSTICK_INPUT_EVENT:
        if (event.JoystickEvent.Joystick == 0)
            m_joystickState = event.JoystickEvent;
        break;
    case irr::EET_LOG_TEXT_EVENT:
        if (event.LogEvent.Level == irr::ELL_WARNING || event.LogEvent.Level == irr::ELL_ERROR)
            logError(toStringw(event.LogEvent.Text), irr::core::stringw());
        else if (event.LogEvent.Level == irr::ELL_INFORMATION && m_creatingDevice)
            log(toStringw(event.LogEvent.Text), kLogPlain, false);
        break;
    case irr::EET_KEY_INPUT_EVENT:
    {
        const int index = keyTableIndex(event.KeyInput.Key);
        if (index == irr::KEY_F1 && !event.KeyInput.PressedDown)
        {
            toggleConsole();
            return true;
        }
        if (index >= 0)
            m_keyDown[index] = event.KeyInput.PressedDown;
        if (m_console && m_console->isVisible())
            return handleConsoleKey(event.KeyInput, index);
        break;
    }
    default:
        break;
    }
    const std::shared_ptr<GameLogic> logic = getGameLogic();
    return logic ? logic->OnEvent(event) : true;
}

bool OmbelDevice::handleConsoleKey(const irr::SEvent::SKeyInput& key, int keyCode)
{
    switch (getConsoleKeyAction(keyCode, key.PressedDown, key.Control))
    {
    case ConsoleKeyAction::Swallow:
        break;
    case ConsoleKeyAction::EraseChar:
        m_console->eraseChar();
        break;
    case ConsoleKeyAction::RunLine:
    {
        const irr::core::stringw line = m_console->getInputLine();
        m_console->clearInputLine();
        executeConsoleLine(line);
        break;
    }
    case ConsoleKeyAction::ScrollUp:
        m_console->scrollUp();
        break;
    case ConsoleKeyAction::ScrollDown:
        m_console->scrollDown();
        break;
    case ConsoleKeyAction::HistoryUp:
        m_console->historyUp();
        break;
    case ConsoleKeyAction::HistoryDown:
        m_console->historyDown();
        break;
    case ConsoleKeyAction::Ignore:
        return false;
    case ConsoleKeyAction::AppendChar:
        m_console->addChar(key.Char);
        break;
    }
    return true;
}

void OmbelDevice::executeConsoleLine(irr::core::stringw line)
{
    if (line.empty())
        return;
    logToFile(irr::core::stringw(L"<input> ") + line);
    if (m_console)
        m_console->addHistory(line);
    if (!isEngineCommand(line))
    {
        if (const std::shared_ptr<GameLogic> logic = getGameLogic())
            logic->onConsoleInput(line);
        return;
    }
    runEngineCommand(*this, line);
}

void OmbelDevice::log(const irr::core::stringw& text, irr::u32 type, bool force)
{
    if (text.size() > 3 && text[0] == L'P' && text[1] == L'N' && text[2] == L'G')
        return;
    if (m_logFile)
        m_logFile->writeLine((type == kLogError ? L"<error> " : L"<console> ") + std::wstring(text.c_str()));
    if (m_console)
    {
        if (force || m_logLevel == 1 || (m_logLevel == 0 && type == kLogError))
            m_console->addMessage(text, getMessageColor(type), type, irr::core::stringw());
    }
    else if (!m_creatingDevice)
    {
        platform::showMessageBox(g_engineName, text.c_str());
    }
}

void OmbelDevice::logError(const irr::core::stringw& format, const irr::core::stringw& argument)
{
    log(formatLogText(format, argument), kLogError, false);
}

irr::video::SColor OmbelDevice::getMessageColor(irr::u32 type)
{
    switch (type)
    {
    case kLogInfo:
        return irr::video::SColor(255, 200, 200, 255);
    case kLogError:
        return irr::video::SColor(255, 255, 150, 150);
    case kLogSecondary:
        return irr::video::SColor(255, 100, 100, 100);
    default:
        return irr::video::SColor(255, 255, 255, 255);
    }
}

void OmbelDevice::addMonitorMark(irr::u32 type)
{
    if (m_console)
        m_console->addMonitorMark(getMessageColor(type));
}

void OmbelDevice::setConsoleFont(const irr::core::stringw& fileName)
{
    if (m_console && m_gui)
        m_console->setFont(m_gui->getFont(platform::resolvePath(std::wstring(fileName.c_str())).c_str()));
}

irr::gui::IGUIFont* OmbelDevice::getConsoleFont() const
{
    return m_console ? m_console->getFont() : nullptr;
}

void OmbelDevice::toggleConsole()
{
    if (m_console)
        m_console->setVisible(!m_console->isVisible());
}

void OmbelDevice::runConsoleFrame()
{
    if (m_console)
        m_console->frame();
}

void OmbelDevice::drawConsoleLayers()
{
    if (!m_console)
        return;
    m_console->drawDebugVariables();
    if (m_console->isVisible())
        m_console->drawInputLine();
    if (m_showFps)
        m_console->drawFps();
}

void OmbelDevice::setDebugVariable(irr::u32 id, irr::f64 number, const irr::core::stringw& name)
{
    if (!m_console)
        return;
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << std::fixed << std::setprecision(6) << number;
    m_console->setDebugVariable(id, toStringw(text.str()), name);
}

bool OmbelDevice::loadExternalScript(const irr::core::stringw& fileName)
{
    const irr::core::stringw label = irr::core::stringw(L"Externes Skript ") + fileName;
    std::vector<std::string> lines;
    if (!platform::readLines(platform::narrow(fileName.c_str()), lines))
    {
        log(label + L" konnte nicht geladen werden.", kLogError, false);
        return false;
    }
    log(label + L" wurd geladen.", kLogPlain, false);
    constexpr std::string::size_type kMaxLineLength = 511;
    for (std::string& line : lines)
    {
        if (line.size() > kMaxLineLength)
            line.resize(kMaxLineLength);
        executeConsoleLine(toStringw(line));
    }
    return true;
}

void OmbelDevice::openLog()
{
    if (!m_logFile)
        m_logFile = std::make_unique<LogFile>();
    m_logFile->create(LogFile::makeFileName());
}

void OmbelDevice::logToFile(const irr::core::stringw& line)
{
    if (m_logFile)
        m_logFile->writeLine(line.c_str());
}

void OmbelDevice::writeSystemInfo(irr::u32 selector)
{
    if (!m_logFile)
        return;
    if (selector != 1)
    {
        m_logFile->writeEndl(selector);
        return;
    }
    if (!m_irrDevice)
        return;
    irr::IOSOperator* os = m_irrDevice->getOSOperator();
    m_logFile->writeLine(L"<system> " + platform::widen(os->getOperatingSystemVersion().c_str()));
    irr::u32 speed = 0;
    if (os->getProcessorSpeedMHz(&speed))
        m_logFile->writeLine(L"<system> ProcessorSpeedMHz: " + std::to_wstring(speed));
    irr::u32 total = 0;
    irr::u32 available = 0;
    if (os->getSystemMemory(&total, &available))
        m_logFile->writeLine(L"<system> SystemMemory: " + std::to_wstring(available) + L" / " + std::to_wstring(total));
}

irr::core::stringw OmbelDevice::getText(int number) const
{
    if (!m_languageSystem)
        return L"STRING_OUT_OF_BOUNDARIES";
    return m_languageSystem->getString(number);
}

bool OmbelDevice::isKeyDown(irr::EKEY_CODE key) const
{
    const int index = keyTableIndex(key);
    return index >= 0 && m_keyDown[index];
}

irr::u32 OmbelDevice::getTimeMs() const
{
    return m_irrDevice ? m_irrDevice->getTimer()->getTime() : 0;
}

irr::core::dimension2d<irr::u32> OmbelDevice::getScreenSize() const
{
    return m_driver ? m_driver->getScreenSize() : irr::core::dimension2d<irr::u32>(0, 0);
}

irr::f32 OmbelDevice::getAspectRatio() const
{
    const irr::core::dimension2d<irr::u32> size = getScreenSize();
    if (size.Height == 0)
        return 1.0f;
    return static_cast<irr::f32>(size.Width) / static_cast<irr::f32>(size.Height);
}

irr::core::rect<irr::s32> OmbelDevice::getScreenRect(irr::f32 left, irr::f32 top, irr::f32 right,
                                                     irr::f32 bottom) const
{
    const irr::core::dimension2d<irr::u32> size = getScreenSize();
    const irr::f32 width = static_cast<irr::f32>(size.Width);
    const irr::f32 height = static_cast<irr::f32>(size.Height);
    return irr::core::rect<irr::s32>(static_cast<irr::s32>(left * width), static_cast<irr::s32>(top * height),
                                     static_cast<irr::s32>(right * width), static_cast<irr::s32>(bottom * height));
}

irr::s32 OmbelDevice::random(irr::s32 min, irr::s32 max)
{
    // rand() is wider than 15 bits on Linux; the formula expects 0..32767.
    // The offset is cut before min is added, so negative ranges stay within min..max.
    const irr::f64 span = static_cast<irr::f64>(static_cast<irr::s64>(max) - min + 1);
    return min + static_cast<irr::s32>(static_cast<irr::f64>(std::rand() & 0x7FFF) * span / 32768.0);
}

bool OmbelDevice::initGamepads()
{
    if (m_irrDevice && m_irrDevice->activateJoysticks(m_joystickInfo))
    {
        m_gamepadsFailed = false;
        log(toStringw(m_joystickInfo.size()) + L" Gamepad(s) gefunden und aktiviert!", kLogInfo, false);
        return true;
    }
    m_gamepadsFailed = true;
    log(L"Gamepads konnten nicht initialisiert werden!", kLogError, false);
    return false;
}

irr::IrrlichtDevice* OmbelDevice::recreateDevice()
{
    releaseIrrlichtDevice();
    m_irrDevice = irr::createDevice(irr::video::EDT_OPENGL, irr::core::dimension2d<irr::u32>(100, 100), 32,
                                    false, false, false, this);
    if (m_irrDevice)
        takeIrrlichtServices();
    // The old device's font and materials went with it; without a new device
    // nothing draws with the console's font.
    if (m_console && m_gui)
        m_console->setFont(m_gui->getBuiltInFont());
    if (m_shaderManager)
        m_shaderManager->setDriver(m_driver);
    return m_irrDevice;
}

void OmbelDevice::showLogo()
{
    if (!m_sceneManager)
        return;
    irr::video::ITexture* logo = m_driver->getTexture(platform::resolvePath("talvoren\\logo.png").c_str());
    if (!logo)
        return;
    PictureSceneNode* picture = new PictureSceneNode(m_sceneManager->getRootSceneNode(), m_sceneManager, 0);
    const irr::core::dimension2d<irr::u32> size = logo->getOriginalSize();
    picture->setImage(logo, getScreenRect(0.25f, 0.25f, 0.75f, 0.75f),
                      irr::core::rect<irr::s32>(0, 0, static_cast<irr::s32>(size.Width),
                                                static_cast<irr::s32>(size.Height)));
    // Its box lies in screen units, not in the scene: the frustum test would drop it.
    picture->setAutomaticCulling(irr::scene::EAC_OFF);
    picture->drop();
}

void OmbelDevice::fileNotFound(const irr::core::stringw& path)
{
    log(irr::core::stringw(L"Datei nicht gefunden: ") + path, kLogError, false);
}

void OmbelDevice::drawDebugRectangle(const irr::core::rect<irr::s32>& r)
{
    if (!m_driver)
        return;
    const irr::video::SColor white(255, 255, 255, 255);
    const irr::core::position2d<irr::s32> topRight(r.LowerRightCorner.X, r.UpperLeftCorner.Y);
    const irr::core::position2d<irr::s32> bottomLeft(r.UpperLeftCorner.X, r.LowerRightCorner.Y);
    m_driver->draw2DLine(r.UpperLeftCorner, topRight, white);
    m_driver->draw2DLine(topRight, r.LowerRightCorner, white);
    m_driver->draw2DLine(r.LowerRightCorner, bottomLeft, white);
    m_driver->draw2DLine(bottomLeft, r.UpperLeftCorner, white);
}

irr::u32 OmbelDevice::getTimerDelta()
{
    if (!m_irrDevice)
        return 0;
    m_irrDevice->run();
    const irr::u32 now = m_irrDevice->getTimer()->getTime();
    const irr::u32 delta = m_timerDeltaStarted ? now - m_lastTimerDelta : 0;
    m_lastTimerDelta = now;
    m_timerDeltaStarted = true;
    return delta;
}
} // namespace Talvoren
