#pragma once
// The world editor's view: a camera looking almost straight down on a focus
// that the keys move, the enemies' patrol graph as green lines, and an empty
// "World-Editor" window. Nothing in the game switches it on.

#include "talvoren/gamevisual.h"

#include <irrTypes.h>
#include <vector3d.h>

namespace irr
{
struct SEvent;
namespace gui
{
class IGUIEnvironment;
}
namespace scene
{
class ICameraSceneNode;
}
} // namespace irr

namespace Belgarune
{
//! Owned by the dungeon view; the scene graph owns its camera and the GUI its window.
class VisualEditor : public Talvoren::GameVisual
{
public:
    VisualEditor();

    const char* getName() override { return "Root VisualEditorClass"; }
    bool handleEvent(const std::shared_ptr<IEventData>&) override { return true; }
    void onResize() override {}
    //! Moves the camera by the held keys and draws the patrol graph.
    void draw() override;

    //! Makes the camera and the hidden window, once.
    void init();
    //! On: the focus moves to the game camera, the window shows and the
    //! editor's camera becomes the active and the game's camera. Off: the
    //! window hides (the dungeon view restores the game camera).
    void setEnabled(bool on);
    bool isEnabled() const { return m_enabled; }
    //! Consumes nothing: the editor reads the device's key table.
    bool OnEvent(const irr::SEvent&) { return false; }

    irr::scene::ICameraSceneNode* getCamera() const { return m_camera; }
    const irr::core::vector3df& getFocus() const { return m_focus; }

private:
    void drawPatrolGraph();

    bool m_initialised = false;
    bool m_enabled = false;
    irr::gui::IGUIEnvironment* m_gui = nullptr;
    irr::scene::ICameraSceneNode* m_camera = nullptr;
    irr::core::vector3df m_focus;
    //! Kept for the whole run: the camera stands 30 - s_zoom above the focus.
    static irr::f32 s_zoom;
};
} // namespace Belgarune
