#pragma once
// The hero's hit points as three hearts in the upper-left corner.

#include <irrTypes.h>

namespace irr
{
namespace scene
{
class ISceneManager;
}
} // namespace irr

namespace Talvoren
{
class PictureSceneNode;
class ShaderManager;
} // namespace Talvoren

namespace Belgarune
{
//! Changes GameBase::m_hp only through loseHeart and gainHeart, so the hearts
//! follow it. Owns its six pictures; the scene and shader managers are not owned.
class HpDisplay
{
public:
    static constexpr irr::u32 kHearts = 3;

    HpDisplay(irr::scene::ISceneManager* sceneManager, Talvoren::ShaderManager* shaders);
    ~HpDisplay();
    HpDisplay(const HpDisplay&) = delete;
    HpDisplay& operator=(const HpDisplay&) = delete;

    //! Makes a full heart (left half of hp.png) and an empty heart (right half)
    //! for each hit point, showing the current hit points.
    void build();
    //! Heart i covers (s (2 + i), s) to (s (3 + i), 2 s) with s = 2.5 % of the screen width.
    void layout();
    void loseHeart();
    void gainHeart();
    void render();

    Talvoren::PictureSceneNode* getFullHeart(irr::u32 index) const { return m_fullHearts[index]; }
    Talvoren::PictureSceneNode* getEmptyHeart(irr::u32 index) const { return m_emptyHearts[index]; }

private:
    void release();
    //! A held heart shows its full picture, a lost one its empty picture.
    void showHitPoints();

    irr::scene::ISceneManager* m_sceneManager;
    Talvoren::ShaderManager* m_shaders;
    Talvoren::PictureSceneNode* m_emptyHearts[kHearts];
    Talvoren::PictureSceneNode* m_fullHearts[kHearts];
};
} // namespace Belgarune
