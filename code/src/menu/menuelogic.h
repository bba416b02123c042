#pragma once
// The title menu: main page, options page, title pictures and music.

#include "code/src/menu/menulayout.h"
#include "code/src/menu/titlemusic.h"
#include "talvoren/gamelogic.h"
#include "talvoren/gamevisual.h"

#include <irrTypes.h>

namespace Talvoren
{
class PictureSceneNode;
}

namespace Belgarune
{
//! Owned by the dungeon logic, which passes it input and draws it while the
//! system state is MENUE. Owns its pictures (outside the scene graph; it
//! drops them) and its music.
class MenueLogic : public Talvoren::GameLogic, Talvoren::GameVisual
{
public:
    enum Page
    {
        kMainPage = 0,
        kOptionsPage = 1
    };
    //! Rows of the main page.
    enum MainRow
    {
        kContinue = 0,
        kNewGame = 1,
        kOptions = 2,
        kEnd = 3
    };

    MenueLogic();
    ~MenueLogic() override;
    MenueLogic(const MenueLogic&) = delete;
    MenueLogic& operator=(const MenueLogic&) = delete;

    //! Acts on key releases; true only for Cancel on the main page.
    bool OnEvent(const irr::SEvent& event) override;
    //! Lays the pictures out for the screen size.
    void onResize() override;
    void update() override {}
    void render() override {}

    // Both listener bases.
    const char* getName() override { return "Root GameStartLogic"; }
    bool handleEvent(const std::shared_ptr<IEventData>&) override { return false; }

    //! One frame of the menu.
    void draw() override;

    //! The menu is shown: main page, music resumed, entries slide in.
    void onEnter();
    //! The menu is left: the music fades out.
    void onLeave();
    //! Each frame while the menu is not shown.
    void updateMusicFade();
    //! game.ini from the settings in the game state.
    void writeConfig();

    irr::s32 getPage() const { return m_page; }
    irr::s32 getSelection() const { return m_selection; }
    const TitleMusic& getMusic() const { return m_music; }
    //! Whether the restart notice is shown now.
    bool isNoticeShown() const;

    static constexpr irr::u32 kNoticeMs = 5000;

private:
    void changeOption(irr::s32 direction);
    void cancel();
    void accept();
    void moveSelection(irr::s32 step);
    irr::s32 lastRow() const;

    void drawRows(irr::f32 entrySlide);
    void drawNotice();
    void drawPictures();
    void placeStrip(irr::f32 slide);

    TitleMusic m_music;
    //! Device times at which strip and entries began to slide in.
    irr::u32 m_stripStart;
    irr::u32 m_entriesStart;
    //! Device time of the last change that needs a restart.
    irr::u32 m_noticeTime;
    //! Whether a settings file that could not be written was reported; once is enough.
    bool m_unwritableReported = false;
    Talvoren::PictureSceneNode* m_strip;
    Talvoren::PictureSceneNode* m_title;
    Talvoren::PictureSceneNode* m_songPictures[kSongPictureCount];
    irr::s32 m_selection;
    irr::s32 m_page;
};
} // namespace Belgarune
