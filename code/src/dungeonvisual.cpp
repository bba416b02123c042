#include "code/src/dungeonvisual.h"

#include "code/src/editor/visualeditor.h"
#include "code/src/events/playerevents.h"
#include "code/src/events/viewevents.h"
#include "code/src/level/gametexture.h"
#include "code/src/level/levelmaterial.h"
#include "code/src/level/visualspace.h"
#include "code/src/shaders/shaderenvcallback.h"
#include "code/src/shaders/shaderenvdarkcallback.h"
#include "code/src/shaders/shaderlettercallback.h"
#include "code/src/songs/score.h"
#include "code/src/state/gamebase.h"
#include "code/src/view/captions.h"
#include "code/src/view/fadein.h"
#include "code/src/view/gametime.h"
#include "code/src/view/hpdisplay.h"
#include "code/src/view/keystones.h"
#include "code/src/view/mapview.h"
#include "code/src/view/openingcredits.h"
#include "code/src/view/storytexts.h"
#include "code/src/view/textfieldnode.h"
#include "code/src/view/timebubble.h"
#include "code/src/view/visualeffect.h"
#include "code/src/view/visualeffects.h"
#include "code/src/world/gameworld.h"
#include "code/src/world/item.h"
#include "platform/sound/isoundengine.h"
#include "talvoren/ombeldevice.h"
#include "talvoren/picturescenenode.h"
#include "talvoren/shadermanager.h"
#include "talvoren/soundsystem/soundengine.h"

#include <irrlicht.h>

#include <algorithm>

namespace Belgarune
{
namespace
{
const irr::f32 kEditorLightRadius = 0.1f;

irr::f32 clampUnit(irr::f32 value)
{
    return std::max(0.0f, std::min(1.0f, value));
}

platform::sound::SoundVector soundVector(const irr::core::vector3df& v)
{
    return platform::sound::SoundVector(v.X, v.Y, v.Z);
}

irr::core::rect<irr::s32> screenRect()
{
    const irr::core::dimension2du screen = g_device->getScreenSize();
    return irr::core::rect<irr::s32>(0, 0, static_cast<irr::s32>(screen.Width), static_cast<irr::s32>(screen.Height));
}

irr::u32 alphaByte(irr::f32 alpha)
{
    return static_cast<irr::u32>(static_cast<irr::s32>(alpha * 255.0f)) & 0xFF;
}
} // namespace

DungeonVisual::DungeonVisual() : Talvoren::GameVisual(false) {}

DungeonVisual::~DungeonVisual()
{
    if (m_space)
        destroyEffects(m_space->getEffects());
    if (m_overlay)
        m_overlay->drop();
}

void DungeonVisual::init()
{
    m_darkness = 0.0f;
    m_lightShift = 0.0f;
    m_shake = ScreenShake();
    startMusic();
    m_notice = Notice();
    m_itemInReach = nullptr;
    m_pickUpPromptStart = -1;
    std::fill(std::begin(m_toneGlow), std::end(m_toneGlow), 0.0f);
    Talvoren::ShaderManager* shaders = g_device->getShaderManager();
    if (shaders)
        m_materials.registerMaterials(*shaders);
    createCameras();
    m_textFields = buildStoryTexts(m_sceneManager);
    createDust();
    createTimeBubble();

    m_editor = std::make_unique<VisualEditor>();
    m_score = std::make_unique<Score>();
    m_score->init();
    m_space = std::make_unique<VisualSpace>(m_sceneManager, shaders);
    m_space->setAnisotropicFiltering(!g_device->isSoftwareRenderer());
    m_mapView = std::make_unique<MapView>(m_sceneManager);
    m_hpDisplay = std::make_unique<HpDisplay>(m_sceneManager, shaders);
    m_hpDisplay->build();
    m_hpDisplay->layout();
    createOverlay();
    onResize();
}

void DungeonVisual::startMusic()
{
    platform::sound::ISoundEngine* engine = Talvoren::getSoundEngine();
    if (!engine)
        return;
    m_music = platform::sound::SoundRef<platform::sound::ISound>(
        engine->play3D("gamedata/music/flute.ogg", platform::sound::SoundVector(2510.0f, 0.0f, 2500.0f), true, true,
                       true, platform::sound::StreamMode::kAutoDetect, false));
}

void DungeonVisual::createCameras()
{
    const irr::core::vector3df position(-10.0f, 10.0f, -10.0f);
    const irr::core::vector3df lookAt(0.0f, -10.0f, 0.0f);
    m_sequenceCamera = m_sceneManager->addCameraSceneNode(nullptr, position, lookAt, -1, true);
    m_playerCamera = m_sceneManager->addCameraSceneNode(nullptr, position, lookAt, -1, true);
    m_playerCamera->setFOV(static_cast<irr::f32>(g_gameBase->m_fov) * irr::core::DEGTORAD);
    g_gameBase->m_camera = m_playerCamera;
}

void DungeonVisual::createDust()
{
    m_dustParticles = m_sceneManager->addParticleSystemSceneNode(false, nullptr, -1);
    m_dustParticles->setMaterialTexture(
        0, loadGameTexture(m_sceneManager->getVideoDriver(), "gamedata/objects/dust1.jpg"));
    switchLightingOff(m_dustParticles);
    m_dustParticles->setMaterialType(irr::video::EMT_TRANSPARENT_ADD_COLOR);
    m_dustParticles->setMaterialFlag(irr::video::EMF_ZBUFFER, false);
    if (Talvoren::ShaderManager* shaders = g_device->getShaderManager())
        shaders->setShader(m_dustParticles, "part", 0, true);

    irr::scene::IParticleEmitter* ring = m_dustParticles->createRingEmitter(
        irr::core::vector3df(0.0f, 0.0f, 0.0f), 20.0f, 3.0f, irr::core::vector3df(0.0f, -0.0001f, 0.0f), 10, 20,
        irr::video::SColor(255, 0, 0, 0), irr::video::SColor(255, 255, 255, 255), 20000, 30000, 0,
        irr::core::dimension2df(15.0f, 10.0f), irr::core::dimension2df(15.0f, 10.0f));
    m_dustParticles->setEmitter(ring);
    ring->drop();
    m_dustParticles->setParent(m_playerCamera);
}

void DungeonVisual::createTimeBubble()
{
    m_timeBubbleNode = addLevelMesh(m_sceneManager, "timebubble.x");
    if (!m_timeBubbleNode)
        return;
    m_timeBubbleNode->setVisible(false);
    setAllMaterialTypes(m_timeBubbleNode, levelMaterialType(g_device->getShaderManager(), "env_add"));
    m_timeBubbleNode->setMaterialFlag(irr::video::EMF_BACK_FACE_CULLING, false);
    m_timeBubbleNode->setScale(irr::core::vector3df(0.4f, 0.2f, 0.4f));
    switchLightingOff(m_timeBubbleNode);
    setLevelTexture(m_timeBubbleNode, 1, "distortion.png");
}

void DungeonVisual::createOverlay()
{
    m_overlay = new Talvoren::PictureSceneNode(nullptr, m_sceneManager, -1);
    irr::video::ITexture* texture = loadGameTexture(m_sceneManager->getVideoDriver(), "gamedata/gui/d1.png");
    if (texture)
    {
        const irr::core::dimension2du size = texture->getOriginalSize();
        m_overlay->setImage(texture, irr::core::rect<irr::s32>(0, 0, 100, 100),
                            irr::core::rect<irr::s32>(0, 0, static_cast<irr::s32>(size.Width),
                                                      static_cast<irr::s32>(size.Height)));
    }
    setAllMaterialTypes(m_overlay, levelMaterialType(g_device->getShaderManager(), "pic"));
    m_overlay->getMaterial(0).DiffuseColor.setAlpha(0);
}

bool DungeonVisual::handleEvent(const std::shared_ptr<IEventData>& event)
{
    const HashedString& type = event->getEventType();
    if (type == ShakeScreenEvent::kEventType)
    {
        const auto& shake = static_cast<const ShakeScreenEvent&>(*event);
        m_shake.start(shake.m_strength, static_cast<irr::u32>(shake.m_duration), gameTimeMs());
    }
    else if (type == AddItemEvent::kEventType)
    {
        if (m_space)
            lightKeystone(*m_space, static_cast<const AddItemEvent&>(*event).m_item);
    }
    else if (type == CreateVisualEffectEvent::kEventType)
    {
        const auto& request = static_cast<const CreateVisualEffectEvent&>(*event);
        std::unique_ptr<VisualEffect> effect =
            createVisualEffect(request.m_effectType, m_sceneManager, request.m_position);
        if (effect && m_space)
            m_space->getEffects().push_back(effect.release());
    }
    return true;
}

bool DungeonVisual::OnEvent(const irr::SEvent& event)
{
    return event.EventType == irr::EET_KEY_INPUT_EVENT;
}

bool DungeonVisual::passEventToEditor(const irr::SEvent& event)
{
    return m_editor->OnEvent(event);
}

void DungeonVisual::setEditorMode(bool on)
{
    if (on)
    {
        if (!m_editor->isEnabled())
            m_savedCamera = m_sceneManager->getActiveCamera();
        m_dustParticles->setVisible(false);
    }
    else
    {
        if (m_savedCamera)
        {
            m_sceneManager->setActiveCamera(m_savedCamera);
            g_gameBase->m_camera = m_savedCamera;
        }
        m_dustParticles->setVisible(true);
        for (ShaderEnvCallBack* env : m_materials.getEnvCallBacks())
            env->m_lightRadius = 1.0f;
    }
    g_gameBase->m_editorMode = on ? 1 : 0;
    m_editor->setEnabled(on);
}

void DungeonVisual::onResize()
{
    if (m_editor)
        m_editor->onResize();
    if (m_score)
        m_score->onResize();
    if (m_playerCamera)
        m_playerCamera->setAspectRatio(g_device->getAspectRatio());
    if (m_hpDisplay)
        m_hpDisplay->layout();
    if (m_overlay)
        m_overlay->setImageRect(screenRect());
}

void DungeonVisual::placeFloor(const MapCoord& cell, FloorCode code)
{
    m_space->placeFloor(cell, code);
}

void DungeonVisual::placeWall(const MapCoord& cell, WallType type, WallSide side)
{
    m_space->placeWall(cell, type, side);
}

void DungeonVisual::placeBars(const MapCoord& cell, irr::s32 barsType, WallSide side, irr::s32 id)
{
    m_space->placeBars(cell, barsType, side, id);
}

void DungeonVisual::placeObject(PieceKind kind, const MapCoord& cell, irr::s32 variant, WallSide facing, irr::s32 id)
{
    m_space->placeObject(kind, cell, variant, facing, id);
}

irr::scene::ISceneNode* DungeonVisual::getObject(irr::s32 id)
{
    return m_space->getObject(id);
}

void DungeonVisual::removeObject(irr::s32 id)
{
    m_space->removeObject(id);
}

void DungeonVisual::refreshMapView()
{
    m_mapView->refresh();
}

void DungeonVisual::setCameraPose(const irr::core::vector3df& position, const irr::core::vector3df& target)
{
    if (m_playerCamera)
    {
        m_playerCamera->setPosition(position);
        m_playerCamera->setTarget(target);
    }
    if (platform::sound::ISoundEngine* engine = Talvoren::getSoundEngine())
        engine->setListenerPosition(soundVector(position), soundVector(target - position),
                                    platform::sound::SoundVector(0.0f, 1.0f, 0.0f));
}

void DungeonVisual::notifyTonePlayed(irr::u32 tone)
{
    lightStoryTexts(m_textFields, tone);
    if (m_score)
        m_score->addNote(tone);
}

void DungeonVisual::raiseToneGlow(irr::u32 tone)
{
    if (tone < kGlowCount)
        m_toneGlow[tone] = raisedGlow(m_toneGlow[tone], g_device->getFrameDeltaMs());
}

void DungeonVisual::lowerToneGlow(irr::u32 tone)
{
    if (tone < kGlowCount)
        m_toneGlow[tone] = loweredGlow(m_toneGlow[tone], g_device->getFrameDeltaMs());
}

void DungeonVisual::addDarkness(irr::f32 delta)
{
    m_darkness = clampUnit(m_darkness + delta);
}

void DungeonVisual::addLightShift(irr::f32 delta)
{
    m_lightShift = clampUnit(m_lightShift + delta);
}

void DungeonVisual::setOverlayAlpha(irr::f32 alpha)
{
    if (m_overlay)
        m_overlay->getMaterial(0).DiffuseColor.setAlpha(alphaByte(alpha));
}

void DungeonVisual::animateTimeBubble(irr::f32 progress)
{
    if (!m_timeBubbleNode)
        return;
    const TimeBubbleLook look = timeBubbleAt(progress);
    m_timeBubbleNode->setVisible(look.visible);
    if (!look.visible)
        return;
    m_timeBubbleNode->setScale(look.scale);
    for (ShaderEnvCallBack* env : m_materials.getEnvCallBacks())
        env->m_timeBubble = look.shaderValue;
}

void DungeonVisual::addNotice(const irr::core::stringw& text, irr::u32 durationMs)
{
    m_notice.show(text, durationMs, gameTimeMs());
}

void DungeonVisual::startOpeningSequence()
{
    m_creditsRunning = true;
    m_creditsStart = gameTimeMs();
}

void DungeonVisual::pauseMusic(bool paused)
{
    if (m_music)
        m_music->setIsPaused(paused);
}

void DungeonVisual::setGameState(GameState state)
{
    irr::scene::ICameraSceneNode* camera = m_playerCamera;
    if (state == GameState::Sequence)
    {
        m_sequenceCamera->setFOV(m_playerCamera->getFOV());
        m_sequenceCamera->setPosition(m_playerCamera->getPosition());
        m_sequenceCamera->setTarget(m_playerCamera->getTarget());
        camera = m_sequenceCamera;
    }
    g_gameBase->m_camera = camera;
    m_sceneManager->setActiveCamera(camera);
}

void DungeonVisual::setScoreLineStyle(bool playable)
{
    m_score->setLineStyle(playable);
}

void DungeonVisual::loseHeart()
{
    m_hpDisplay->loseHeart();
}

void DungeonVisual::gainHeart()
{
    m_hpDisplay->gainHeart();
}

void DungeonVisual::draw()
{
    irr::scene::ICameraSceneNode* camera = g_gameBase->m_camera;
    if (m_timeBubbleNode)
        m_timeBubbleNode->setPosition(g_gameBase->m_playerPosition + irr::core::vector3df(0.0f, -2.0f, 0.0f));
    for (irr::u32 i = 0; i < m_textFields.size(); ++i)
        m_textFields[i]->updateLetters();
    if (camera)
    {
        const irr::core::vector3df& eye = camera->getPosition();
        m_mapView->update(static_cast<irr::s32>((eye.X + 5.0f) / 10.0f), static_cast<irr::s32>((eye.Z + 5.0f) / 10.0f));
        m_space->updateVisibility(eye);
    }
    updateEffects(m_space->getEffects());
    if (g_gameBase->m_editorMode == 0)
        m_score->renderNotes(g_gameBase->m_hasItem[itemSlot(Item::Instrument)]);
    drawScene();
    if (g_gameBase->m_hasMap)
        m_mapView->render();
    if (g_gameBase->m_editorMode == 0)
    {
        feedPlayerLight();
        if (g_gameBase->m_hasItem[itemSlot(Item::Instrument)])
            m_score->draw();
    }
    else if (g_gameBase->m_editorMode == 1)
    {
        m_editor->draw();
        setLightRadius(kEditorLightRadius);
        g_device->getGUIEnvironment()->drawAll();
    }
    drawPickUpPrompt();
    m_hpDisplay->render();
    drawScreenFades();
    if (const std::optional<irr::f32> alpha = m_notice.alphaAt(gameTime()))
        drawCaption(m_notice.getText(), *alpha);
    if (m_overlay->getMaterial(0).DiffuseColor.getAlpha() != 0)
        m_overlay->render();
    drawCredits();
}

void DungeonVisual::drawScene()
{
    irr::scene::ICameraSceneNode* camera = g_gameBase->m_camera;
    const std::optional<irr::core::vector3df> shift =
        camera ? m_shake.displacement(camera->getPosition(), camera->getTarget(), camera->getUpVector(), gameTime())
               : std::nullopt;
    if (!shift)
    {
        m_sceneManager->drawAll();
        return;
    }
    const irr::core::vector3df position = camera->getPosition();
    const irr::core::vector3df target = camera->getTarget();
    camera->setPosition(position + *shift);
    camera->setTarget(target + *shift);
    m_sceneManager->drawAll();
    camera->setPosition(position);
    camera->setTarget(target);
}

void DungeonVisual::feedPlayerLight()
{
    const PlayerLight light = computePlayerLight(m_toneGlow, g_gameBase->m_hasItem[itemSlot(Item::ViolinKey)],
                                                 m_lightShift, m_darkness);
    for (ShaderEnvCallBack* env : m_materials.getEnvCallBacks())
        env->m_playerLight = light.colour;
    m_materials.getLetterCallBack()->m_playerLight = light.colour;
    m_materials.getEnvDarkCallBack()->m_darkMix = m_darkness;
    setLightRadius(light.radius);
}

void DungeonVisual::setLightRadius(irr::f32 radius)
{
    for (ShaderEnvCallBack* env : m_materials.getEnvCallBacks())
        env->m_lightRadius = radius;
    m_materials.getLetterCallBack()->m_lightRadius = radius;
}

void DungeonVisual::drawPickUpPrompt()
{
    irr::scene::ICameraSceneNode* camera = g_gameBase->m_camera;
    GameItem* item =
        camera && g_gameBase->m_world ? g_gameBase->m_world->findItemNear(camera->getPosition()) : nullptr;
    m_itemInReach = item;
    if (!item)
    {
        m_pickUpPromptStart = -1;
        return;
    }
    const irr::f64 now = gameTime();
    if (m_pickUpPromptStart == -1)
        m_pickUpPromptStart = static_cast<irr::s32>(now);
    drawCaption(L"Pick up with space", fadeInAlpha(now - m_pickUpPromptStart));
}

void DungeonVisual::drawScreenFades()
{
    irr::video::IVideoDriver* driver = m_sceneManager->getVideoDriver();
    if (g_gameBase->m_blackScreen != 0.0f)
        driver->draw2DRectangle(irr::video::SColor(alphaByte(g_gameBase->m_blackScreen), 0, 0, 0), screenRect());
    if (g_gameBase->m_whiteScreen != 0.0f)
        driver->draw2DRectangle(irr::video::SColor(alphaByte(g_gameBase->m_whiteScreen), 255, 255, 255),
                                screenRect());
}

void DungeonVisual::drawCredits()
{
    if (!m_creditsRunning)
        return;
    if (const std::optional<CreditCard> card = creditCardAt(gameTimeMs() - m_creditsStart))
        drawCreditLine(card->title, card->name, card->alpha);
}
} // namespace Belgarune
