// CGUITTFont: texts as 3D scene nodes, one textured quad per letter.

#include "gui/cguittfont.h"

#include "gui/cguittglyphpage.h"
#include "gui/sguittglyph.h"
#include "gui/sharedquad.h"

#include <IMeshManipulator.h>
#include <IMeshSceneNode.h>
#include <ISceneManager.h>
#include <SMesh.h>

#include <utility>
#include <vector>

namespace irr
{
namespace gui
{
namespace
{
//! Half the room a line leaves in a text of that width (negative global
//! kerning can make a line wider than the measured text).
f32 centringShift(u32 textWidth, u32 lineWidth)
{
    return static_cast<f32>((static_cast<s32>(textWidth) - static_cast<s32>(lineWidth)) >> 1);
}

video::SMaterial createLetterMaterial(const video::SColor& color, bool transparency)
{
    video::SMaterial material;
    material.Lighting = true;
    material.ZWriteEnable = false;
    material.NormalizeNormals = true;
    material.ColorMaterial = video::ECM_NONE;
    material.MaterialType = transparency ? video::EMT_TRANSPARENT_ALPHA_CHANNEL : video::EMT_SOLID;
    material.MaterialTypeParam = 0.01f;
    material.DiffuseColor = color;
    return material;
}

//! Points the letter's quad at its glyph in the page texture.
void mapLetterTexture(scene::IMeshSceneNode* node, const core::rect<s32>& source, const CGUITTGlyphPage& page)
{
    // The pages are square: the width serves both axes.
    const f32 side = static_cast<f32>(page.getTextureSize().Width);
    const f32 uLeft = source.UpperLeftCorner.X / side;
    const f32 uRight = uLeft + source.getWidth() / side;
    const f32 vTop = source.UpperLeftCorner.Y / side;
    const f32 vBottom = vTop + source.getHeight() / side;

    scene::IMeshBuffer* buffer = node->getMesh()->getMeshBuffer(0);
    video::S3DVertex* vertices = static_cast<video::S3DVertex*>(buffer->getVertices());
    vertices[0].TCoords.set(uLeft, vBottom);
    vertices[1].TCoords.set(uRight, vBottom);
    vertices[2].TCoords.set(uLeft, vTop);
    vertices[3].TCoords.set(uRight, vTop);
    buffer->setDirty();
    node->setMaterialTexture(0, page.m_texture);
}
} // namespace

core::array<scene::ISceneNode*> CGUITTFont::addTextSceneNode(const wchar_t* text, scene::ISceneManager* smgr,
                                                             scene::ISceneNode* parent, const video::SColor& color,
                                                             bool center)
{
    core::array<scene::ISceneNode*> nodes;
    if (!m_driver || !smgr)
        return nodes;
    if (!parent)
        parent = smgr->addEmptySceneNode(smgr->getRootSceneNode(), -1);
    scene::SMesh* quad = scene::getSharedQuad();

    const core::ustring utext(text);
    const core::dimension2d<u32> size = getDimensionUtf(utext);
    core::vector3df start(0.0f, 0.0f, 0.0f);
    if (center)
        start.set(-static_cast<f32>(size.Width) / 2.0f, static_cast<f32>(size.Height) / 2.0f, 0.0f);
    core::vector3df offset = start;
    if (center)
        offset.X += centringShift(size.Width, getLineDimension(utext).Width);

    const video::SMaterial material = createLetterMaterial(color, m_transparency);
    scene::IMeshManipulator* manipulator = smgr->getMeshManipulator();
    std::vector<std::pair<scene::IMeshSceneNode*, const SGUITTGlyph*>> letters;
    uchar32_t previous = 0;
    for (std::size_t i = 0; i < utext.size(); ++i)
    {
        const std::size_t breakLength = utext.getLineBreakLength(i);
        if (breakLength > 0)
        {
            i += breakLength - 1;
            previous = 0;
            // Up is positive y in the scene.
            offset.Y -= static_cast<f32>(getLineHeight());
            offset.X = start.X;
            if (center)
                offset.X += centringShift(size.Width, getLineDimension(utext.substr(i + 1)).Width);
            continue;
        }
        const uchar32_t ch = utext[i];
        const u32 glyphIndex = getGlyphIndexByChar(ch);
        const SGUITTGlyph* glyph = getLoadedGlyph(glyphIndex);
        if (glyphIndex > 0)
        {
            const core::vector2di kerning = getKerning(ch, previous);
            offset.X += static_cast<f32>(kerning.X);
            offset.Y += static_cast<f32>(kerning.Y);
            if (glyph)
            {
                scene::SMesh* letterMesh = manipulator->createMeshCopy(quad);
                manipulator->scale(letterMesh, core::vector3df(static_cast<f32>(glyph->m_sourceRect.getWidth()),
                                                               static_cast<f32>(glyph->m_sourceRect.getHeight()),
                                                               1.0f));
                const core::vector3df position(offset.X + static_cast<f32>(glyph->m_offset.X),
                                               offset.Y - static_cast<f32>(getLineHeight() - glyph->m_offset.Y),
                                               0.0f);
                scene::IMeshSceneNode* node = smgr->addMeshSceneNode(letterMesh, parent, -1, position);
                letterMesh->drop();
                node->getMaterial(0) = material;
                node->setAutomaticCulling(scene::EAC_OFF);
                node->setIsDebugObject(true);
                nodes.push_back(node);
                letters.emplace_back(node, glyph);
            }
        }
        offset.X += static_cast<f32>(getAdvance(glyph, ch));
        previous = ch;
    }

    uploadDirtyPages();
    for (const auto& letter : letters)
        mapLetterTexture(letter.first, letter.second->m_sourceRect, *m_pages[letter.second->m_page]);
    return nodes;
}
} // namespace gui
} // namespace irr
