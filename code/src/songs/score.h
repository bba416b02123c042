#pragma once
// The note sheet: the tones the player plays travel as coloured notes along a
// staff towards a clef. A small scene of its own is rendered into a screen-sized
// texture whenever its picture changes, and the band of the screen that the
// staff, the clef and the notes cover is drawn over the dungeon view.

#include "talvoren/gamevisual.h"

#include <irrArray.h>
#include <irrTypes.h>
#include <rect.h>
#include <vector3d.h>

namespace irr
{
namespace scene
{
class ICameraSceneNode;
class ISceneNode;
} // namespace scene
namespace video
{
class ITexture;
}
} // namespace irr

namespace Talvoren
{
class PictureSceneNode;
}

namespace Belgarune
{
struct ToneEntry
{
    irr::s32 tone = 0;
    //! Held by the sheet's scene.
    irr::scene::ISceneNode* node = nullptr;
    //! Game time in whole ms when the tone was played.
    irr::u32 time = 0;
    //! Swing amplitude in degrees.
    irr::f32 spin = 0.0f;
};

//! Owns its scene manager (through the base) and the staff picture; the
//! render target belongs to the video driver.
class Score : public Talvoren::GameVisual
{
public:
    //! A note lives this long in game time.
    static constexpr irr::u32 kNoteLifeMs = 6000;

    Score();
    ~Score() override;
    Score(const Score&) = delete;
    Score& operator=(const Score&) = delete;

    const char* getName() override { return "Root Score"; }
    bool handleEvent(const std::shared_ptr<IEventData>&) override { return true; }

    //! Builds the staff, the clef and the camera, then the render target.
    void init();
    //! true: the staff's lines of play; false: the greyed lines.
    void setLineStyle(bool playable);
    void addNote(irr::u32 tone);
    //! Moves the notes and drops those older than kNoteLifeMs; when the sheet
    //! is shown this frame and its picture changed (notes present or just
    //! gone, a new line style or render target), renders it again. Call before
    //! the frame's own drawing: rendering clears the frame buffer.
    void renderNotes(bool shown = true);
    //! Renders the sheet into its texture now and notes the band it covers.
    void renderSheet();
    //! Remakes "score_rt" at the screen's size (none for an empty screen).
    void onResize() override;
    //! Draws the band of the rendered sheet over the same place of the screen.
    void draw() override;

    const irr::core::array<ToneEntry>& getNotes() const { return m_notes; }
    irr::video::ITexture* getRenderTarget() const { return m_renderTarget; }
    //! The screen band the last rendering covered.
    const irr::core::rect<irr::s32>& getBand() const { return m_band; }

private:
    //! A flat cube of the sheet's scene with lighting off and alpha-blended.
    irr::scene::ISceneNode* addSheetCube(const irr::core::vector3df& scale, const char* texture);
    //! Places every note for game time t and removes the expired ones.
    void moveNotes(irr::f64 t);

    irr::scene::ISceneNode* m_clef;
    irr::core::array<ToneEntry> m_notes;
    //! Not part of the sheet's scene graph; owned.
    Talvoren::PictureSceneNode* m_staffPicture;
    irr::video::ITexture* m_renderTarget;
    irr::scene::ICameraSceneNode* m_camera;
    bool m_lineStyle;
    irr::scene::ISceneNode* m_staff;
    //! The texture no longer shows the sheet as it is now.
    bool m_stale;
    irr::core::rect<irr::s32> m_band;
    //! The nodes of the last rendering; kept to reuse its storage each frame.
    irr::core::array<irr::scene::ISceneNode*> m_drawn;
};
} // namespace Belgarune
