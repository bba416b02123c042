#include "code/src/songs/score.h"

#include "code/src/level/gametexture.h"
#include "code/src/view/gametime.h"
#include "code/src/view/screenband.h"
#include "code/src/view/tonecolors.h"
#include "talvoren/ombeldevice.h"
#include "talvoren/picturescenenode.h"

#include <ICameraSceneNode.h>
#include <IMeshSceneNode.h>
#include <ISceneManager.h>
#include <ITexture.h>
#include <IVideoDriver.h>

#include <cmath>

namespace Belgarune
{
namespace
{
const char* const kNoteImages[kToneCount] = {"gamedata/gui/ColorNotepurple.png", "gamedata/gui/ColorNoteblue.png",
                                             "gamedata/gui/ColorNotegreen.png", "gamedata/gui/ColorNoteyellow.png",
                                             "gamedata/gui/ColorNotered.png"};
const char* const kLines = "gamedata/gui/lines.png";
const char* const kGreyLines = "gamedata/gui/lines2.png";
const char* const kClef = "gamedata/gui/key1.png";
const irr::video::SColor kClear(0, 0, 0, 0);
//! Pixels around the projected nodes that the band keeps as well.
const irr::s32 kBandMargin = 2;
} // namespace

Score::Score()
    : Talvoren::GameVisual(true), m_clef(nullptr), m_staffPicture(nullptr), m_renderTarget(nullptr),
      m_camera(nullptr), m_lineStyle(true), m_staff(nullptr), m_stale(true)
{
}

Score::~Score()
{
    if (m_staffPicture)
        m_staffPicture->drop();
}

irr::scene::ISceneNode* Score::addSheetCube(const irr::core::vector3df& scale, const char* texture)
{
    irr::scene::ISceneNode* cube = m_sceneManager->addCubeSceneNode(10.0f);
    cube->setScale(scale);
    cube->setMaterialTexture(0, loadGameTexture(m_sceneManager->getVideoDriver(), texture));
    cube->setMaterialFlag(irr::video::EMF_LIGHTING, false);
    cube->setMaterialType(irr::video::EMT_TRANSPARENT_ALPHA_CHANNEL);
    return cube;
}

void Score::init()
{
    if (!m_sceneManager)
        return;
    m_camera = m_sceneManager->addCameraSceneNode(nullptr, irr::core::vector3df(-700.0f, 1300.0f, -0.1f),
                                                  irr::core::vector3df(-700.0f, 0.0f, 0.0f), -1, true);

    m_staffPicture = new Talvoren::PictureSceneNode(nullptr, m_sceneManager, -1);
    m_staffPicture->setImage(loadGameTexture(m_sceneManager->getVideoDriver(), kLines),
                             irr::core::rect<irr::s32>(0, 0, 2000, 1024), irr::core::rect<irr::s32>(0, 0, 500, 500));
    m_staffPicture->setMaterialFlag(irr::video::EMF_LIGHTING, false);
    m_staffPicture->setMaterialType(irr::video::EMT_TRANSPARENT_ALPHA_CHANNEL);

    m_staff = addSheetCube(irr::core::vector3df(25.0f, 0.1f, 150.0f), kLines);
    m_clef = addSheetCube(irr::core::vector3df(35.0f, 0.1f, 15.0f), kClef);
    m_clef->setPosition(irr::core::vector3df(0.0f, 5.0f, 600.0f));
    onResize();
}

void Score::setLineStyle(bool playable)
{
    m_lineStyle = playable;
    m_stale = true;
    if (m_staff)
        m_staff->setMaterialTexture(0, loadGameTexture(m_sceneManager->getVideoDriver(), playable ? kLines : kGreyLines));
}

void Score::addNote(irr::u32 tone)
{
    if (!m_sceneManager)
        return;
    ToneEntry entry;
    entry.tone = static_cast<irr::s32>(tone);
    entry.node = addSheetCube(irr::core::vector3df(8.0f, 0.1f, 8.0f), tone < kToneCount ? kNoteImages[tone] : nullptr);
    entry.time = gameTimeMs();
    entry.spin = static_cast<irr::f32>(Talvoren::OmbelDevice::random(0, 45));
    m_notes.push_back(entry);
    m_stale = true;
}

void Score::moveNotes(irr::f64 t)
{
    const irr::f32 swing = static_cast<irr::f32>(std::sin(t * 0.0025));
    for (irr::u32 i = 0; i < m_notes.size();)
    {
        ToneEntry& note = m_notes[i];
        irr::f64 age = (t - note.time) / kNoteLifeMs;
        if (age > 1.0)
            age = 1.0;
        const irr::f64 left = 1.0 - age;
        if (left == 0.0)
        {
            note.node->remove();
            m_notes.erase(i);
            continue;
        }
        note.node->setPosition(irr::core::vector3df(static_cast<irr::f32>(note.tone * 33 - 45), 2.0f,
                                                    static_cast<irr::f32>(600.0 - left * 1200.0)));
        note.node->setRotation(irr::core::vector3df(0.0f, note.spin * swing, 0.0f));
        ++i;
    }
}

void Score::renderNotes(bool shown)
{
    if (!m_sceneManager)
        return;
    // Notes move every frame; the frame after the last one left shows it gone.
    if (!m_notes.empty())
        m_stale = true;
    moveNotes(gameTime());
    // Without a target the sheet would land in the frame buffer.
    if (shown && m_stale && m_renderTarget && m_camera)
        renderSheet();
}

void Score::renderSheet()
{
    irr::video::IVideoDriver* driver = m_sceneManager->getVideoDriver();
    driver->setRenderTarget(m_renderTarget, true, true, kClear);
    m_sceneManager->drawAll();
    m_drawn.set_used(0);
    m_drawn.push_back(m_staff);
    for (irr::u32 i = 0; i < m_notes.size(); ++i)
    {
        m_notes[i].node->render();
        m_drawn.push_back(m_notes[i].node);
    }
    m_clef->render();
    m_drawn.push_back(m_clef);
    driver->setRenderTarget(nullptr, true, true, kClear);
    m_band = screenBand(*m_camera, m_drawn, m_renderTarget->getSize(), kBandMargin);
    m_stale = false;
}

void Score::onResize()
{
    if (!m_sceneManager || !g_device)
        return;
    irr::video::IVideoDriver* driver = m_sceneManager->getVideoDriver();
    if (m_renderTarget)
        driver->removeTexture(m_renderTarget);
    m_renderTarget = nullptr;
    m_stale = true;
    m_band = irr::core::rect<irr::s32>();
    if (m_camera)
        m_camera->setAspectRatio(g_device->getAspectRatio());
    const irr::core::dimension2du size = g_device->getScreenSize();
    if (size.Width > 0 && size.Height > 0)
        m_renderTarget = driver->addRenderTargetTexture(size, "score_rt");
}

void Score::draw()
{
    if (!m_renderTarget || m_band.getArea() == 0)
        return;
    m_sceneManager->getVideoDriver()->draw2DImage(m_renderTarget, m_band.UpperLeftCorner, m_band, nullptr,
                                                  irr::video::SColor(255, 255, 255, 255), true);
}
} // namespace Belgarune
