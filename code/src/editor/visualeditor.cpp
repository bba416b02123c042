#include "code/src/editor/visualeditor.h"

#include "code/src/editor/editorcontrols.h"
#include "code/src/state/gamebase.h"
#include "code/src/world/gameworld.h"
#include "code/src/world/nodegraph.h"
#include "talvoren/ombeldevice.h"

#include <irrlicht.h>

namespace Belgarune
{
irr::f32 VisualEditor::s_zoom = 0.0f;

namespace
{
const irr::f32 kCameraHeight = 30.0f;
const irr::core::vector3df kLineLift(0.0f, 5.0f, 0.0f);
const irr::video::SColor kGraphGreen(255, 0, 255, 0);
} // namespace

VisualEditor::VisualEditor() : Talvoren::GameVisual(false) {}

void VisualEditor::init()
{
    m_initialised = true;
    m_gui = m_sceneManager->getGUIEnvironment();
    m_camera = m_sceneManager->addCameraSceneNode(nullptr, irr::core::vector3df(0.0f, 100.0f, 0.0f),
                                                  irr::core::vector3df(0.0f, 0.0f, 0.0f), -1, false);
    m_camera->setFOV(30.0f * irr::core::DEGTORAD);
    m_gui->addWindow(irr::core::rect<irr::s32>(0, 0, 200, 500), false, L"World-Editor", m_gui->getRootGUIElement(),
                     -1);
    m_gui->getRootGUIElement()->setVisible(false);
}

void VisualEditor::setEnabled(bool on)
{
    if (!m_initialised)
        init();
    m_enabled = on;
    if (!on)
    {
        m_gui->getRootGUIElement()->setVisible(false);
        return;
    }
    if (g_gameBase->m_camera)
        m_focus = g_gameBase->m_camera->getPosition();
    m_gui->getRootGUIElement()->setVisible(true);
    m_sceneManager->setActiveCamera(m_camera);
    g_gameBase->m_camera = m_camera;
}

void VisualEditor::draw()
{
    const EditorKeys keys = heldEditorKeys();
    m_focus = movedFocus(m_focus, keys, g_device->getFrameDeltaMs());
    s_zoom = changedZoom(s_zoom, keys);
    if (!m_initialised)
        init();
    m_camera->setPosition(m_focus + irr::core::vector3df(1.0f, kCameraHeight - s_zoom, 0.0f));
    m_camera->setTarget(m_focus);
    drawPatrolGraph();
}

void VisualEditor::drawPatrolGraph()
{
    if (!g_gameBase->m_world)
        return;
    irr::video::IVideoDriver* driver = m_sceneManager->getVideoDriver();
    irr::video::SMaterial material;
    material.Lighting = false;
    material.DiffuseColor = kGraphGreen;
    material.Thickness = 5.0f;
    driver->setMaterial(material);
    driver->setTransform(irr::video::ETS_WORLD, irr::core::IdentityMatrix);
    for (const std::unique_ptr<Node>& node : g_gameBase->m_world->getNodeGraph().getNodes())
        for (const Node* neighbour : node->m_neighbours)
            driver->draw3DLine(node->m_position + kLineLift, neighbour->m_position + kLineLift, kGraphGreen);
}
} // namespace Belgarune
