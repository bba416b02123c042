#include "talvoren/picturescenenode.h"

#include "talvoren/ombeldevice.h"

#include <ICameraSceneNode.h>
#include <ISceneCollisionManager.h>
#include <ISceneManager.h>
#include <ITexture.h>
#include <IVideoDriver.h>

#include <cmath>

namespace Talvoren
{
namespace
{
const irr::u16 kQuadIndices[6] = {1, 3, 2, 0, 1, 2};
}

PictureSceneNode::PictureSceneNode(irr::scene::ISceneNode* parent, irr::scene::ISceneManager* manager, irr::s32 id)
    : irr::scene::ISceneNode(parent, manager, id), m_texture(nullptr)
{
    m_material.EmissiveColor = irr::video::SColor(0, 255, 255, 255);
    m_material.ZBuffer = irr::video::ECFN_NEVER;
}

void PictureSceneNode::setImage(irr::video::ITexture* texture, irr::core::rect<irr::s32> screenRect,
                                irr::core::rect<irr::s32> sourceRect)
{
    if (!texture)
        return;
    m_texture = texture;
    m_imageRect = screenRect;
    ISceneNode::setPosition(irr::core::vector3df(static_cast<irr::f32>(screenRect.UpperLeftCorner.X),
                                                 static_cast<irr::f32>(screenRect.UpperLeftCorner.Y), 0.0f));
    m_material.setTexture(0, texture);
    m_material.setFlag(irr::video::EMF_BLEND_OPERATION, true);
    buildQuad(sourceRect);
}

void PictureSceneNode::setPosition(const irr::core::vector3df& position)
{
    const irr::s32 width = m_imageRect.getWidth();
    const irr::s32 height = m_imageRect.getHeight();
    m_imageRect.UpperLeftCorner.set(static_cast<irr::s32>(position.X), static_cast<irr::s32>(position.Y));
    m_imageRect.LowerRightCorner.set(m_imageRect.UpperLeftCorner.X + width, m_imageRect.UpperLeftCorner.Y + height);
    ISceneNode::setPosition(position);
}

void PictureSceneNode::buildQuad(irr::core::rect<irr::s32> sourceRect)
{
    m_sourceRect = sourceRect;
    if (!m_texture)
        return;
    const irr::core::dimension2d<irr::u32> size = m_texture->getSize();
    const irr::f32 width = static_cast<irr::f32>(size.Width);
    const irr::f32 height = static_cast<irr::f32>(size.Height);
    const irr::f32 left = static_cast<irr::f32>(sourceRect.UpperLeftCorner.X) / width;
    const irr::f32 top = static_cast<irr::f32>(sourceRect.UpperLeftCorner.Y) / height;
    const irr::f32 right = static_cast<irr::f32>(sourceRect.LowerRightCorner.X) / width;
    const irr::f32 bottom = static_cast<irr::f32>(sourceRect.LowerRightCorner.Y) / height;
    const irr::video::SColor white(255, 255, 255, 255);
    m_vertices[0] = irr::video::S3DVertex(-0.5f, 0.5f, 0.0f, 1.0f, 1.0f, 0.0f, white, left, top);
    m_vertices[1] = irr::video::S3DVertex(0.5f, 0.5f, 0.0f, 1.0f, 0.0f, 0.0f, white, right, top);
    m_vertices[2] = irr::video::S3DVertex(-0.5f, -0.5f, 0.0f, 0.0f, 1.0f, 1.0f, white, left, bottom);
    m_vertices[3] = irr::video::S3DVertex(0.5f, -0.5f, 0.0f, 0.0f, 0.0f, 1.0f, white, right, bottom);
    m_box.reset(m_vertices[0].Pos);
    for (irr::u32 i = 1; i < 4; ++i)
        m_box.addInternalPoint(m_vertices[i].Pos);
}

void PictureSceneNode::setTexture(irr::video::ITexture* texture)
{
    m_texture = texture;
    m_material.setTexture(0, texture);
}

irr::core::rect<irr::s32> PictureSceneNode::getDrawnRect() const
{
    irr::core::rect<irr::s32> drawn = m_imageRect;
    const irr::core::vector3df& scale = getScale();
    if (scale == irr::core::vector3df(1.0f, 1.0f, 1.0f))
        return drawn;
    const irr::f64 width = drawn.getWidth();
    const irr::f64 height = drawn.getHeight();
    const irr::s32 dx = static_cast<irr::s32>((width - width * scale.X) / 2.0);
    const irr::s32 dy = static_cast<irr::s32>((height - height * scale.Y) / 2.0);
    drawn.UpperLeftCorner.X += dx;
    drawn.LowerRightCorner.X -= dx;
    drawn.UpperLeftCorner.Y += dy;
    drawn.LowerRightCorner.Y -= dy;
    return drawn;
}

void PictureSceneNode::OnRegisterSceneNode()
{
    if (IsVisible)
        SceneManager->registerNodeForRendering(this, irr::scene::ESNRP_TRANSPARENT_EFFECT);
    ISceneNode::OnRegisterSceneNode();
}

bool PictureSceneNode::projectCorners()
{
    irr::scene::ICameraSceneNode* camera = SceneManager->getActiveCamera();
    if (!camera)
        return false;
    const irr::core::rect<irr::s32> drawn = getDrawnRect();
    const irr::core::position2d<irr::s32> corners[4] = {
        drawn.UpperLeftCorner,
        irr::core::position2d<irr::s32>(drawn.LowerRightCorner.X, drawn.UpperLeftCorner.Y),
        irr::core::position2d<irr::s32>(drawn.UpperLeftCorner.X, drawn.LowerRightCorner.Y),
        drawn.LowerRightCorner};
    irr::scene::ISceneCollisionManager* collision = SceneManager->getSceneCollisionManager();
    irr::core::line3d<irr::f32> rays[4];
    for (irr::u32 i = 0; i < 4; ++i)
        rays[i] = collision->getRayFromScreenCoordinates(corners[i], camera);

    const irr::f32 distance = rays[0].end.getDistanceFrom(camera->getPosition());
    const irr::f32 nearPlus = camera->getNearValue() + 1.0f;
    const irr::f32 depthFactor = distance / (nearPlus * nearPlus);
    // A degenerate camera would put the quad at infinity.
    if (depthFactor == 0.0f || !std::isfinite(depthFactor))
        return false;
    for (irr::u32 i = 0; i < 4; ++i)
        m_vertices[i].Pos = rays[i].start + (rays[i].end - rays[i].start) / depthFactor;
    return true;
}

void PictureSceneNode::render()
{
    OnAnimate(g_device ? g_device->getTimeMs() : 0);
    if (!m_texture || !IsVisible)
        return;
    if (!projectCorners())
        return;
    irr::video::IVideoDriver* driver = SceneManager->getVideoDriver();
    driver->setMaterial(m_material);
    driver->setTransform(irr::video::ETS_WORLD, irr::core::IdentityMatrix);
    driver->drawIndexedTriangleList(m_vertices, 4, kQuadIndices, 2);
}
} // namespace Talvoren
