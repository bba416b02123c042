#pragma once
// A screen picture drawn as a textured quad just in front of the active camera,
// so that it passes through a shader material like any other scene node.

#include <ISceneNode.h>
#include <S3DVertex.h>
#include <SMaterial.h>
#include <aabbox3d.h>
#include <rect.h>

namespace irr
{
namespace video
{
class ITexture;
}
} // namespace irr

namespace Talvoren
{
//! Without a parent the node stays outside the scene graph and its owner calls
//! render itself; under a parent the scene graph draws it in the
//! transparent-effect pass. The texture is not grabbed: its owner (the driver's
//! texture cache) must keep it.
class PictureSceneNode : public irr::scene::ISceneNode
{
public:
    PictureSceneNode(irr::scene::ISceneNode* parent, irr::scene::ISceneManager* manager, irr::s32 id);

    //! Shows sourceRect of texture at screenRect (pixels); a null texture is ignored.
    void setImage(irr::video::ITexture* texture, irr::core::rect<irr::s32> screenRect,
                  irr::core::rect<irr::s32> sourceRect);
    //! Moves the screen rectangle's upper-left corner to (int(X), int(Y)).
    void setPosition(const irr::core::vector3df& position) override;
    //! Rebuilds the quad's texture coordinates for another part of the texture.
    void buildQuad(irr::core::rect<irr::s32> sourceRect);
    void setImageRect(const irr::core::rect<irr::s32>& rect) { m_imageRect = rect; }
    const irr::core::rect<irr::s32>& getImageRect() const { return m_imageRect; }
    const irr::core::rect<irr::s32>& getSourceRect() const { return m_sourceRect; }
    irr::video::ITexture* getTexture() const { return m_texture; }
    //! Swaps the texture; rectangles and quad stay.
    void setTexture(irr::video::ITexture* texture);
    //! The screen rectangle after the node's scale (about its centre).
    irr::core::rect<irr::s32> getDrawnRect() const;
    //! Vertex i of the quad: 0 upper-left, 1 upper-right, 2 lower-left, 3 lower-right.
    const irr::video::S3DVertex& getVertex(irr::u32 index) const { return m_vertices[index]; }

    void OnRegisterSceneNode() override;
    void render() override;
    const irr::core::aabbox3d<irr::f32>& getBoundingBox() const override { return m_box; }
    irr::video::SMaterial& getMaterial(irr::u32) override { return m_material; }
    irr::u32 getMaterialCount() const override { return 1; }

private:
    //! Projects the drawn rectangle's corners just in front of the active camera;
    //! false when there is no camera to project with.
    bool projectCorners();

    irr::core::aabbox3d<irr::f32> m_box;
    irr::video::S3DVertex m_vertices[4];
    irr::video::SMaterial m_material;
    irr::core::rect<irr::s32> m_imageRect;
    irr::core::rect<irr::s32> m_sourceRect;
    irr::video::ITexture* m_texture;
};
} // namespace Talvoren
