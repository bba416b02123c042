#include "code/src/view/hpdisplay.h"

#include "code/src/level/gametexture.h"
#include "code/src/state/gamebase.h"
#include "talvoren/ombeldevice.h"
#include "talvoren/picturescenenode.h"
#include "talvoren/shadermanager.h"

#include <ISceneManager.h>
#include <ITexture.h>
#include <IVideoDriver.h>

#include <algorithm>

namespace Belgarune
{
namespace
{
const char* const kHeartsFile = "gamedata/gui/hp.png";

void setAlpha(Talvoren::PictureSceneNode* picture, irr::u32 alpha)
{
    picture->getMaterial(0).DiffuseColor.setAlpha(alpha);
}
} // namespace

HpDisplay::HpDisplay(irr::scene::ISceneManager* sceneManager, Talvoren::ShaderManager* shaders)
    : m_sceneManager(sceneManager), m_shaders(shaders), m_emptyHearts(), m_fullHearts()
{
}

HpDisplay::~HpDisplay()
{
    release();
}

void HpDisplay::release()
{
    for (irr::u32 i = 0; i < kHearts; ++i)
    {
        if (m_fullHearts[i])
            m_fullHearts[i]->drop();
        if (m_emptyHearts[i])
            m_emptyHearts[i]->drop();
        m_fullHearts[i] = nullptr;
        m_emptyHearts[i] = nullptr;
    }
}

void HpDisplay::build()
{
    release();
    irr::video::ITexture* texture = loadGameTexture(m_sceneManager->getVideoDriver(), kHeartsFile);
    const irr::core::dimension2du size = texture ? texture->getOriginalSize() : irr::core::dimension2du(0, 0);
    const irr::s32 width = static_cast<irr::s32>(size.Width);
    const irr::s32 half = static_cast<irr::s32>(size.Width * 0.5);
    const irr::s32 height = static_cast<irr::s32>(size.Height);
    const irr::core::rect<irr::s32> screenRect(0, 0, 64, 64);
    const irr::core::rect<irr::s32> halves[2] = {irr::core::rect<irr::s32>(0, 0, half, height),
                                                 irr::core::rect<irr::s32>(half, 0, width, height)};
    for (irr::u32 i = 0; i < kHearts; ++i)
    {
        Talvoren::PictureSceneNode** pictures[2] = {&m_fullHearts[i], &m_emptyHearts[i]};
        for (irr::u32 look = 0; look < 2; ++look)
        {
            Talvoren::PictureSceneNode* picture = new Talvoren::PictureSceneNode(nullptr, m_sceneManager, -1);
            picture->setImage(texture, screenRect, halves[look]);
            if (m_shaders)
                m_shaders->setShader(picture, "pic", 0, false);
            *pictures[look] = picture;
        }
    }
    showHitPoints();
}

void HpDisplay::layout()
{
    if (!g_device || !m_fullHearts[0])
        return;
    const irr::s32 s = static_cast<irr::s32>(g_device->getScreenSize().Width * 0.025);
    for (irr::s32 i = 0; i < static_cast<irr::s32>(kHearts); ++i)
    {
        const irr::core::rect<irr::s32> rect(s * (2 + i), s, s * (3 + i), 2 * s);
        m_fullHearts[i]->setImageRect(rect);
        m_emptyHearts[i]->setImageRect(rect);
    }
}

void HpDisplay::loseHeart()
{
    g_gameBase->m_hp = std::max(g_gameBase->m_hp - 1, 0);
    showHitPoints();
}

void HpDisplay::gainHeart()
{
    g_gameBase->m_hp = std::min(g_gameBase->m_hp + 1, static_cast<irr::s32>(kHearts));
    showHitPoints();
}

void HpDisplay::showHitPoints()
{
    if (!m_fullHearts[0])
        return;
    for (irr::u32 i = 0; i < kHearts; ++i)
    {
        const bool held = static_cast<irr::s32>(i) < g_gameBase->m_hp;
        setAlpha(m_fullHearts[i], held ? 255 : 0);
        setAlpha(m_emptyHearts[i], held ? 0 : 255);
    }
}

void HpDisplay::render()
{
    if (!m_fullHearts[0])
        return;
    for (irr::u32 i = 0; i < kHearts; ++i)
    {
        m_fullHearts[i]->render();
        m_emptyHearts[i]->render();
    }
}
} // namespace Belgarune
