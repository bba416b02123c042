#include "code/src/view/textfieldnode.h"

#include "code/src/level/gametexture.h"
#include "code/src/view/gametime.h"
#include "talvoren/ombeldevice.h"
#include "talvoren/shadermanager.h"

#include <ISceneManager.h>
#include <ITexture.h>
#include <IVideoDriver.h>


namespace Belgarune
{
namespace
{
const char* const kAtlasFile = "gamedata/objects/font.png";
const char* const kHaloFile = "gamedata/objects/font2.png";
const irr::f32 kLetterSize = 0.4f;
const irr::s32 kCellPitch = 78;
const irr::s32 kGlyphSize = 70;
const irr::f64 kGlowMs = 2000.0;

//! Cells of the atlas, row by row; every other character uses the first.
const char* const kAtlasRows[] = {"abzykdohpqlv", "cnmrjgsitwfe", "ux"};

void findCell(irr::c8 letter, irr::s32& row, irr::s32& column)
{
    row = 0;
    column = 0;
    for (irr::s32 r = 0; r < 3; ++r)
        for (irr::s32 c = 0; kAtlasRows[r][c] != '\0'; ++c)
            if (kAtlasRows[r][c] == letter)
            {
                row = r;
                column = c;
                return;
            }
}
} // namespace

TextFieldNode::TextFieldNode(irr::scene::ISceneNode* parent, irr::scene::ISceneManager* manager, irr::s32 id)
    : irr::scene::ISceneNode(parent, manager, id)
{
    m_material.EmissiveColor = irr::video::SColor(0, 255, 255, 255);
    m_material.BackfaceCulling = false;
}

void TextFieldNode::getLetterRect(irr::c8 letter, const irr::core::dimension2du& atlasSize,
                                  irr::core::vector2df& topLeft, irr::core::vector2df& bottomRight)
{
    // Without an atlas the letters get the texture's corner instead of 0 / 0.
    if (atlasSize.Width == 0 || atlasSize.Height == 0)
    {
        topLeft.set(0.0f, 0.0f);
        bottomRight.set(0.0f, 0.0f);
        return;
    }
    irr::s32 row = 0;
    irr::s32 column = 0;
    findCell(letter, row, column);
    const irr::f32 width = static_cast<irr::f32>(atlasSize.Width);
    const irr::f32 height = static_cast<irr::f32>(atlasSize.Height);
    const irr::s32 left = kCellPitch * column;
    const irr::s32 top = kCellPitch * row;
    topLeft.set(static_cast<irr::f32>(left) / width, static_cast<irr::f32>(top) / height);
    bottomRight.set(static_cast<irr::f32>(left + kGlyphSize) / width,
                    static_cast<irr::f32>(top + kGlyphSize) / height);
}

void TextFieldNode::setUpMaterial()
{
    if (g_device && g_device->getShaderManager())
        g_device->getShaderManager()->setShader(this, "letter", 0, false);
    irr::video::IVideoDriver* driver = SceneManager->getVideoDriver();
    m_material.setTexture(0, loadGameTexture(driver, kAtlasFile));
    m_material.setTexture(1, loadGameTexture(driver, kHaloFile));
    m_material.setFlag(irr::video::EMF_TRILINEAR_FILTER, true);
}

void TextFieldNode::buildLetters(const irr::core::stringw& text, const irr::core::vector3df& position,
                                 const irr::core::vector3df& target)
{
    setUpMaterial();
    // A second layout replaces the first whole, so no index or letter points past the vertices.
    m_vertices.clear();
    m_indices.clear();
    m_litLetters.clear();
    for (irr::core::array<LetterInfo>& waiting : m_toneLetters)
        waiting.clear();
    setPosition(position);
    const irr::core::vector3df direction = (target - position).normalize();
    const irr::core::vector3df down(0.0f, kLetterSize, 0.0f);
    const irr::video::ITexture* atlas = m_material.getTexture(0);
    const irr::core::dimension2du atlasSize = atlas ? atlas->getOriginalSize() : irr::core::dimension2du(0, 0);

    irr::core::vector3df pen(0.0f, 0.0f, 0.0f);
    irr::u32 lines = 0;
    for (irr::u32 i = 0; i < text.size(); ++i)
    {
        const irr::c8 letter = static_cast<irr::c8>(text[i] & 0xFF);
        const irr::u32 tone = static_cast<irr::u32>(Talvoren::OmbelDevice::random(0, kToneCount - 1));
        irr::core::vector2df topLeft;
        irr::core::vector2df bottomRight;
        getLetterRect(letter, atlasSize, topLeft, bottomRight);
        const irr::core::vector3df upperRight = pen + direction * kLetterSize;
        const irr::core::vector3df corners[4] = {pen, upperRight, pen - down, upperRight - down};
        pen = upperRight;
        if (letter == ' ')
            continue;
        if (letter == '\n')
        {
            ++lines;
            pen.set(0.0f, -kLetterSize * static_cast<irr::f32>(lines), 0.0f);
            continue;
        }
        appendLetter(corners, topLeft, bottomRight, tone);
    }

    if (!m_vertices.empty())
        m_box.reset(m_vertices[0].Pos);
    for (irr::u32 i = 1; i < m_vertices.size(); ++i)
        m_box.addInternalPoint(m_vertices[i].Pos);
}

void TextFieldNode::appendLetter(const irr::core::vector3df (&corners)[4], const irr::core::vector2df& topLeft,
                                 const irr::core::vector2df& bottomRight, irr::u32 tone)
{
    const irr::video::SColor color = toneColor(tone);
    const irr::core::vector3df noGlow(0.0f, 0.0f, 0.0f);
    const irr::core::vector2df uv[4] = {topLeft, irr::core::vector2df(bottomRight.X, topLeft.Y),
                                        irr::core::vector2df(topLeft.X, bottomRight.Y), bottomRight};
    const irr::u16 first = static_cast<irr::u16>(m_vertices.size());
    LetterInfo letter;
    for (irr::u16 corner = 0; corner < 4; ++corner)
    {
        m_vertices.push_back(irr::video::S3DVertex(corners[corner], noGlow, color, uv[corner]));
        letter.vertices.push_back(static_cast<irr::u16>(first + corner));
    }
    const irr::u16 order[6] = {1, 3, 2, 0, 1, 2};
    for (irr::u16 offset : order)
        m_indices.push_back(static_cast<irr::u16>(first + offset));
    m_toneLetters[tone].push_back(letter);
}

void TextFieldNode::lightTone(irr::u32 tone)
{
    if (tone >= kToneCount)
        return;
    const irr::u32 now = gameTimeMs();
    irr::core::array<LetterInfo>& waiting = m_toneLetters[tone];
    for (irr::u32 i = 0; i < waiting.size(); ++i)
    {
        waiting[i].time = now;
        m_litLetters.push_back(waiting[i]);
    }
    waiting.clear();
}

void TextFieldNode::updateLetters()
{
    const irr::u32 now = gameTimeMs();
    for (irr::u32 i = 0; i < m_litLetters.size(); ++i)
    {
        const LetterInfo& letter = m_litLetters[i];
        const irr::f64 glow = static_cast<irr::f64>(now - letter.time) / kGlowMs;
        const irr::f32 capped = glow > 1.0 ? 1.0f : static_cast<irr::f32>(glow);
        for (irr::u32 v = 0; v < letter.vertices.size(); ++v)
            m_vertices[letter.vertices[v]].Normal.set(capped, 0.0f, 0.0f);
    }
}

void TextFieldNode::OnRegisterSceneNode()
{
    if (IsVisible)
        SceneManager->registerNodeForRendering(this, irr::scene::ESNRP_TRANSPARENT_EFFECT);
    ISceneNode::OnRegisterSceneNode();
}

void TextFieldNode::render()
{
    if (m_indices.empty())
        return;
    irr::video::IVideoDriver* driver = SceneManager->getVideoDriver();
    driver->setMaterial(m_material);
    driver->setTransform(irr::video::ETS_WORLD, AbsoluteTransformation);
    driver->drawIndexedTriangleList(m_vertices.const_pointer(), m_vertices.size(), m_indices.const_pointer(),
                                    m_indices.size() / 3);
}
} // namespace Belgarune
