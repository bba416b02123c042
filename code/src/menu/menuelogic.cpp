#include "code/src/menu/menuelogic.h"

#include "code/src/events/stateevents.h"
#include "code/src/level/gametexture.h"
#include "code/src/menu/keypredicates.h"
#include "code/src/menu/menuoptions.h"
#include "code/src/songs/songtable.h"
#include "code/src/state/gamebase.h"
#include "code/src/view/gamefont.h"
#include "gui/cguittfont.h"
#include "platform/textfile.h"
#include "talvoren/gamesettings.h"
#include "talvoren/ieventmanager.h"
#include "talvoren/log.h"
#include "talvoren/ombeldevice.h"
#include "talvoren/ombelscript/ombelscriptmanager.h"
#include "talvoren/picturescenenode.h"
#include "talvoren/shadermanager.h"
#include "talvoren/soundsystem/playsoundevent.h"
#include "talvoren/soundsystem/soundmanager.h"

#include <ICameraSceneNode.h>
#include <IVideoDriver.h>

#include <algorithm>
#include <cmath>

namespace Belgarune
{
namespace
{
const wchar_t* const kMainRows[] = {L"Continue", L"New game", L"Options", L"End"};
const irr::s32 kMainRowCount = 4;
const char* const kSettingsFile = "game.ini";
const wchar_t* const kRestartNotice = L"You need to restart the game for these changes to take effect!";
//! A time this far back: entries at rest, no notice.
const irr::u32 kLongAgo = static_cast<irr::u32>(-5000);

const irr::video::SColor kSelectedColour(255, 255, 255, 255);
const irr::video::SColor kRowColour(255, 100, 100, 100);

//! Menu sounds replace each other under track id 1.
void playMenuSound(const wchar_t* file)
{
    PlaySoundEvent sound(file);
    sound.volume = 0.1f;
    sound.id = 1;
    globalTrigger(sound);
}

//! A picture outside the scene graph showing the whole image of file (empty
//! when the file cannot be loaded). The caller owns it.
Talvoren::PictureSceneNode* makePicture(const char* file)
{
    auto* picture = new Talvoren::PictureSceneNode(nullptr, g_device->getSceneManager(), -1);
    irr::video::ITexture* texture = loadGameTexture(g_device->getVideoDriver(), file);
    if (texture)
    {
        const irr::core::dimension2du size = texture->getOriginalSize();
        picture->setImage(texture, irr::core::rect<irr::s32>(0, 0, 256, 256),
                          irr::core::rect<irr::s32>(0, 0, size.Width, size.Height));
    }
    return picture;
}

//! The picture's image size; 0 x 0 without a texture.
irr::core::dimension2du imageSize(const Talvoren::PictureSceneNode* picture)
{
    const irr::video::ITexture* texture = picture->getTexture();
    return texture ? texture->getOriginalSize() : irr::core::dimension2du(0, 0);
}

bool hasImage(const Talvoren::PictureSceneNode* picture)
{
    const irr::core::dimension2du size = imageSize(picture);
    return size.Width > 0 && size.Height > 0;
}

irr::core::rect<irr::s32> wholeScreen(const irr::core::dimension2du& screen)
{
    return irr::core::rect<irr::s32>(0, 0, screen.Width, screen.Height);
}
} // namespace

MenueLogic::MenueLogic()
    : GameVisual(false), m_stripStart(0), m_entriesStart(0), m_noticeTime(kLongAgo), m_strip(nullptr),
      m_title(nullptr), m_songPictures{}, m_selection(0), m_page(kMainPage)
{
    m_strip = makePicture("gamedata/QVStrichMenu.png");
    m_title = makePicture("gamedata/gui/QVTitle.png");
    for (irr::u32 i = 0; i < kSongPictureCount; ++i)
        m_songPictures[i] = makePicture(songCard(i)->menuPicture);
    if (Talvoren::ShaderManager* shaders = g_device->getShaderManager())
        shaders->setShader(m_title, "pic", 0, false);
    onResize();
}

MenueLogic::~MenueLogic()
{
    m_strip->drop();
    m_title->drop();
    for (Talvoren::PictureSceneNode* song : m_songPictures)
        song->drop();
}

bool MenueLogic::OnEvent(const irr::SEvent& event)
{
    if (event.EventType != irr::EET_KEY_INPUT_EVENT || event.KeyInput.PressedDown)
        return false;
    const irr::s32 key = event.KeyInput.Key;
    if (m_page == kOptionsPage && (isRightKey(key) || isLeftKey(key)))
    {
        changeOption(isRightKey(key) ? 1 : -1);
    }
    else if (isCancelKey(key))
    {
        const bool leavesMenu = m_page == kMainPage;
        cancel();
        return leavesMenu;
    }
    else if (isAcceptKey(key))
    {
        accept();
    }
    else if (isUpKey(key))
    {
        moveSelection(-1);
    }
    else if (isDownKey(key))
    {
        moveSelection(1);
    }
    return false;
}

void MenueLogic::changeOption(irr::s32 direction)
{
    GameBase& game = *g_gameBase;
    switch (stepOption(game, static_cast<OptionRow>(m_selection), direction))
    {
    case OptionEffect::MasterVolume:
        if (Talvoren::SoundManager* sound = g_device->getSoundManager())
            sound->setMasterVolume(game.m_volume / 100.0f);
        break;
    case OptionEffect::FieldOfView:
        if (game.m_camera)
            game.m_camera->setFOV(game.m_fov * irr::core::DEGTORAD);
        break;
    case OptionEffect::NeedsRestart:
        m_noticeTime = g_device->getTimeMs();
        break;
    case OptionEffect::None:
        break;
    }
    writeConfig();
}

void MenueLogic::cancel()
{
    playMenuSound(L"gamedata/music/cancel.wav");
    if (m_page == kMainPage)
    {
        globalTrigger(SetSystemStateEvent(SystemState::Game));
        return;
    }
    m_page = kMainPage;
    m_selection = kOptions;
    m_entriesStart = kLongAgo;
}

void MenueLogic::accept()
{
    playMenuSound(L"gamedata/music/accept.wav");
    if (m_page != kMainPage)
        return;
    GameBase& game = *g_gameBase;
    switch (m_selection)
    {
    case kContinue:
        if (game.m_gameStarted)
            globalTrigger(SetSystemStateEvent(SystemState::Game));
        break;
    case kNewGame:
        if (game.m_gameStarted)
            break;
        game.m_gameStarted = true;
        globalTrigger(NewGameEvent());
        globalTrigger(SetSystemStateEvent(SystemState::Game));
        if (Talvoren::OmbelScriptManager* scripts = g_device->getScriptManager())
            scripts->inject(L"runScript(\"gamedata/scripts/intro.omx\")");
        break;
    case kOptions:
        m_page = kOptionsPage;
        m_selection = 0;
        m_entriesStart = g_device->getTimeMs();
        break;
    case kEnd:
        g_device->quit();
        break;
    }
}

irr::s32 MenueLogic::lastRow() const
{
    return (m_page == kMainPage ? kMainRowCount : kOptionRowCount) - 1;
}

void MenueLogic::moveSelection(irr::s32 step)
{
    const irr::s32 target = m_selection + step;
    if (target < 0 || target > lastRow())
        return;
    playMenuSound(L"gamedata/music/cursor.wav");
    m_selection = target;
}

void MenueLogic::onResize()
{
    const irr::core::dimension2du screen = g_device->getScreenSize();
    placeStrip(1.0f);
    if (hasImage(m_title))
        m_title->setImageRect(titleRect(screen, imageSize(m_title)));
    for (irr::u32 i = 0; i < kSongPictureCount; ++i)
    {
        if (hasImage(m_songPictures[i]))
            m_songPictures[i]->setImageRect(songRect(screen, i));
    }
}

void MenueLogic::placeStrip(irr::f32 slide)
{
    if (!hasImage(m_strip))
        return;
    const irr::core::dimension2du screen = g_device->getScreenSize();
    m_strip->setImageRect(stripRect(screen, imageSize(m_strip), stripCentre(screen, slide)));
}

void MenueLogic::onEnter()
{
    const irr::u32 now = g_device->getTimeMs();
    m_music.enter(now);
    m_page = kMainPage;
    m_stripStart = now;
    m_entriesStart = now;
}

void MenueLogic::onLeave()
{
    m_music.leave(g_device->getTimeMs());
}

void MenueLogic::updateMusicFade()
{
    m_music.updateHidden(g_device->getTimeMs());
}

void MenueLogic::writeConfig()
{
    if (!Talvoren::writeGameSettings(kSettingsFile, collectGameSettings(*g_gameBase)) && !m_unwritableReported)
    {
        Talvoren::logError(L"Could not write settings file %p!", platform::widen(kSettingsFile).c_str());
        m_unwritableReported = true;
    }
}

bool MenueLogic::isNoticeShown() const
{
    return m_page == kOptionsPage && g_device->getTimeMs() - m_noticeTime <= kNoticeMs;
}

void MenueLogic::draw()
{
    const irr::u32 now = g_device->getTimeMs();
    m_music.updateShown(now);
    const irr::f32 entrySlide = slideFactor(now - m_entriesStart);
    const irr::f32 stripSlide = slideFactor(now - m_stripStart);
    placeStrip(stripSlide);

    irr::video::IVideoDriver* driver = g_device->getVideoDriver();
    const irr::core::dimension2du screen = g_device->getScreenSize();
    driver->draw2DRectangle(irr::video::SColor(100, 0, 0, 0), wholeScreen(screen));
    if (!currentGameFont())
        return;

    const irr::s32 panelWidth = static_cast<irr::s32>(screen.Width * 0.25);
    const irr::f32 panelShift = (1.0f - stripSlide) * panelWidth;
    driver->draw2DRectangle(irr::video::SColor(200, 0, 0, 0),
                            irr::core::rect<irr::s32>(static_cast<irr::s32>(-panelShift), 0,
                                                      static_cast<irr::s32>(panelWidth - panelShift),
                                                      static_cast<irr::s32>(screen.Height)));
    drawRows(entrySlide);
    if (isNoticeShown())
        drawNotice();
    drawPictures();
}

void MenueLogic::drawRows(irr::f32 entrySlide)
{
    irr::gui::CGUITTFont* font = currentGameFont();
    const irr::core::dimension2du screen = g_device->getScreenSize();
    const irr::s32 lineHeight = static_cast<irr::s32>(font->getDimension(L"A").Height * 1.25);
    const irr::core::position2di lowerRight(screen.Width, screen.Height);
    for (irr::s32 row = 0; row <= lastRow(); ++row)
    {
        const double arrival = std::min(std::pow(static_cast<double>(entrySlide), row + 1), 1.0);
        const double shift = screen.Width * 0.25 * (1.0 - arrival);
        const irr::s32 y = static_cast<irr::s32>(screen.Height * 0.5 + lineHeight * row);
        const irr::core::position2di label(static_cast<irr::s32>(screen.Width * 0.05 - shift), y);
        const irr::core::position2di value(static_cast<irr::s32>(screen.Width * 0.15 - shift), y);
        const irr::video::SColor colour = row == m_selection ? kSelectedColour : kRowColour;
        if (m_page == kMainPage)
        {
            font->draw(kMainRows[row], irr::core::rect<irr::s32>(label, lowerRight), colour);
            continue;
        }
        const OptionRow option = static_cast<OptionRow>(row);
        font->draw(optionLabel(option), irr::core::rect<irr::s32>(label, lowerRight), colour);
        font->draw(optionValue(*g_gameBase, option), irr::core::rect<irr::s32>(value, lowerRight), colour);
    }
}

void MenueLogic::drawNotice()
{
    const irr::core::dimension2du screen = g_device->getScreenSize();
    const irr::core::rect<irr::s32> area(static_cast<irr::s32>(screen.Width * 0.25), 0, screen.Width, screen.Height);
    currentGameFont()->draw(kRestartNotice, area, kSelectedColour, true, true);
}

void MenueLogic::drawPictures()
{
    for (irr::u32 i = 0; i < kSongPictureCount; ++i)
    {
        if (isSongLearned(static_cast<irr::s32>(songCard(i)->id)))
            m_songPictures[i]->render();
    }
    m_strip->render();
    m_title->render();
}
} // namespace Belgarune
