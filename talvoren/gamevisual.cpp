#include "talvoren/gamevisual.h"

#include "talvoren/ombeldevice.h"

#include <ISceneManager.h>

namespace Talvoren
{
GameVisual::GameVisual(bool ownSceneManager)
    : m_sceneManager(nullptr), m_area(1.0f, 1.0f, 1.0f, 1.0f), m_ownsSceneManager(false)
{
    irr::scene::ISceneManager* shared = g_device ? g_device->getSceneManager() : nullptr;
    if (ownSceneManager && shared)
    {
        m_sceneManager = shared->createNewSceneManager();
        m_ownsSceneManager = true;
    }
    else
    {
        m_sceneManager = shared;
    }
}

GameVisual::~GameVisual()
{
    if (m_ownsSceneManager && m_sceneManager)
        m_sceneManager->drop();
}
} // namespace Talvoren
