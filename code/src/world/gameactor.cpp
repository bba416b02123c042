#include "code/src/world/gameactor.h"

#include "code/src/world/inputcomponent.h"
#include "code/src/world/musicalcomponent.h"
#include "code/src/world/physicscomponent.h"
#include "code/src/world/visualcomponent.h"

namespace Belgarune
{
GameActor::GameActor(irr::s32 id, std::unique_ptr<InputComponent> input, std::unique_ptr<PhysicsComponent> physics,
                     std::unique_ptr<VisualComponent> visual, std::unique_ptr<MusicalComponent> musical)
    : m_position(0.0f, 0.0f, 0.0f),
      m_rotation(0.0f, 0.0f, 0.0f),
      m_input(std::move(input)),
      m_physics(std::move(physics)),
      m_visual(std::move(visual)),
      m_id(id),
      m_isPlayer(false),
      m_musical(std::move(musical))
{
}

GameActor::~GameActor() = default;

void GameActor::update(GameWorld*, IDungeonView* view)
{
    if (m_input)
        m_input->update(this, m_physics.get());
    if (m_physics)
        m_physics->update(this, view);
    if (m_visual)
        m_visual->update(this, view);
    if (m_musical)
        m_musical->update(this, view);
}

void GameActor::reset()
{
    if (m_input)
        m_input->reset(this);
}
} // namespace Belgarune
