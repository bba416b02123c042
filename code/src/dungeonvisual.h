#pragma once
// The game's 3D view of the dungeon: the player camera with its coloured
// light, the level's scene content, the story texts, the effects and masks,
// and the 2D layers drawn over them.

#include "code/src/shaders/shadermaterials.h"
#include "code/src/view/notice.h"
#include "code/src/view/playerlight.h"
#include "code/src/view/screenshake.h"
#include "code/src/world/gamestates.h"
#include "code/src/world/idungeonview.h"
#include "platform/sound/isound.h"
#include "platform/sound/soundref.h"
#include "talvoren/gamevisual.h"

#include <irrArray.h>
#include <irrString.h>

#include <memory>

namespace irr
{
struct SEvent;
namespace scene
{
class ICameraSceneNode;
class IMeshSceneNode;
class IParticleSystemSceneNode;
} // namespace scene
} // namespace irr

namespace Talvoren
{
class PictureSceneNode;
}

namespace Belgarune
{
class HpDisplay;
class MapView;
class Score;
class TextFieldNode;
class VisualEditor;
class VisualSpace;
struct GameItem;

//! Created once by the dungeon logic, which owns it and runs init once. Owns
//! the shader callbacks, the note sheet, the map view, the hearts, the level's
//! scene content, the running effects, the overlay picture and the level
//! music; the scene graph owns the cameras, the texts, the dust and the
//! bubble. Release it before the device.
class DungeonVisual : public Talvoren::GameVisual, public IDungeonView
{
public:
    DungeonVisual();
    ~DungeonVisual() override;
    DungeonVisual(const DungeonVisual&) = delete;
    DungeonVisual& operator=(const DungeonVisual&) = delete;

    //! Builds everything the view shows; a file that cannot be loaded skips
    //! what needs it.
    void init();

    const char* getName() override { return "Root GameVisualclass"; }
    //! Screen shakes, lit keystones and visual effects; every event is consumed.
    bool handleEvent(const std::shared_ptr<IEventData>& event) override;
    void onResize() override;
    void draw() override;

    //! true for key input, false for everything else.
    bool OnEvent(const irr::SEvent& event) override;
    //! The world editor's answer to the input.
    bool passEventToEditor(const irr::SEvent& event) override;
    //! On: the editor's camera takes over (the game camera is kept when the
    //! editor was off) and the dust hides. Off: the kept camera comes back,
    //! the dust shows and the light radius is 1 again. The game state's editor
    //! flag follows, so the view and the input routing always agree.
    void setEditorMode(bool on);

    // IDungeonView.
    void placeFloor(const MapCoord& cell, FloorCode code) override;
    void placeWall(const MapCoord& cell, WallType type, WallSide side) override;
    void placeBars(const MapCoord& cell, irr::s32 barsType, WallSide side, irr::s32 id) override;
    void placeObject(PieceKind kind, const MapCoord& cell, irr::s32 variant, WallSide facing,
                     irr::s32 id) override;
    void refreshMapView() override;
    //! The player camera and the sound listener, which looks from the
    //! position towards the target.
    void setCameraPose(const irr::core::vector3df& position, const irr::core::vector3df& target) override;
    void notifyTonePlayed(irr::u32 tone) override;
    //! Up by the frame's real time over one second, at most 1; tones above 5
    //! are ignored.
    void raiseToneGlow(irr::u32 tone) override;
    //! Down by the frame's real time over four seconds, at least 0.
    void lowerToneGlow(irr::u32 tone) override;
    irr::scene::ISceneNode* getObject(irr::s32 id) override;

    void removeObject(irr::s32 id) override;
    //! Does nothing: actors show themselves through their components.
    void onObjectPlaced(irr::s32, const MapCoord&) override {}

    //! Each kept within 0..1.
    void addDarkness(irr::f32 delta) override;
    void addLightShift(irr::f32 delta) override;
    //! The overlay's opacity, 0..1; only the low eight bits of alpha x 255 count.
    void setOverlayAlpha(irr::f32 alpha) override;
    //! The slow-down song's bubble at the effect's progress 0..1.
    void animateTimeBubble(irr::f32 progress) override;
    void addNotice(const irr::core::stringw& text, irr::u32 durationMs) override;
    void startOpeningSequence() override;
    void pauseMusic(bool paused) override;
    //! Gameplay: the player camera; Sequence: the sequence camera, posed as
    //! the player camera. The one chosen becomes active and the game's camera.
    void setGameState(GameState state) override;
    void setScoreLineStyle(bool playable) override;
    void clearItemInReach() override { m_itemInReach = nullptr; }
    //! Through the hearts, which keep GameBase::m_hp.
    void loseHeart() override;
    void gainHeart() override;

    irr::f32 getDarkness() const override { return m_darkness; }
    irr::f32 getToneGlow(irr::u32 tone) const { return tone < kGlowCount ? m_toneGlow[tone] : 0.0f; }
    //! The item the player can pick up now, or null; set by draw.
    GameItem* getItemInReach() const override { return m_itemInReach; }
    irr::scene::ICameraSceneNode* getPlayerCamera() const { return m_playerCamera; }
    irr::scene::ICameraSceneNode* getSequenceCamera() const { return m_sequenceCamera; }
    VisualSpace* getSpace() const { return m_space.get(); }
    Talvoren::PictureSceneNode* getOverlay() const { return m_overlay; }
    irr::scene::IMeshSceneNode* getTimeBubbleNode() const { return m_timeBubbleNode; }
    irr::scene::IParticleSystemSceneNode* getDust() const { return m_dustParticles; }
    const ShaderMaterials& getMaterials() const { return m_materials; }
    platform::sound::ISound* getMusic() const { return m_music.get(); }
    const Score* getScore() const { return m_score.get(); }

private:
    void startMusic();
    void createCameras();
    void createDust();
    void createTimeBubble();
    void createOverlay();
    //! The scene drawn through the camera in use, displaced while a shake runs.
    void drawScene();
    //! The player's light for the shaders, used from the next frame on.
    void feedPlayerLight();
    void setLightRadius(irr::f32 radius);
    void drawPickUpPrompt();
    void drawScreenFades();
    void drawCredits();

    ShaderMaterials m_materials;
    //! Owned; drawn by the view outside the scene graph.
    Talvoren::PictureSceneNode* m_overlay = nullptr;
    ScreenShake m_shake;
    irr::scene::IParticleSystemSceneNode* m_dustParticles = nullptr;
    bool m_creditsRunning = false;
    irr::u32 m_creditsStart = 0;
    platform::sound::SoundRef<platform::sound::ISound> m_music;
    irr::core::array<TextFieldNode*> m_textFields;
    irr::scene::IMeshSceneNode* m_timeBubbleNode = nullptr;
    irr::scene::ICameraSceneNode* m_playerCamera = nullptr;
    irr::scene::ICameraSceneNode* m_sequenceCamera = nullptr;
    std::unique_ptr<VisualEditor> m_editor;
    std::unique_ptr<Score> m_score;
    irr::f32 m_toneGlow[kGlowCount] = {};
    irr::s32 m_pickUpPromptStart = -1;
    Notice m_notice;
    irr::scene::ICameraSceneNode* m_savedCamera = nullptr;
    std::unique_ptr<MapView> m_mapView;
    irr::f32 m_darkness = 0.0f;
    irr::f32 m_lightShift = 0.0f;
    std::unique_ptr<HpDisplay> m_hpDisplay;
    GameItem* m_itemInReach = nullptr;
    std::unique_ptr<VisualSpace> m_space;
};
} // namespace Belgarune
