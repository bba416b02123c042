#pragma once
// An Irrlicht GUI font that draws TrueType text rasterised by FreeType.

#include "gui/ustring.h"

#include <IGUIFont.h>
#include <SColor.h>
#include <dimension2d.h>
#include <irrArray.h>
#include <irrMap.h>
#include <path.h>
#include <rect.h>
#include <vector2d.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>
#include <vector>

namespace irr
{
class IrrlichtDevice;
namespace video
{
class IImage;
class ITexture;
class IVideoDriver;
} // namespace video
namespace scene
{
class ISceneManager;
class ISceneNode;
} // namespace scene

namespace gui
{
class IGUIEnvironment;
class CGUITTGlyphPage;
struct SGUITTFace;
struct SGUITTGlyph;

//! Reference counted like every Irrlicht font; made by createTTFont. Loads
//! glyphs on demand in batches and keeps their images in glyph pages (owned).
//! Holds a reference to the video driver and to the shared face of its file.
class CGUITTFont : public IGUIFont
{
public:
    //! A new font (the caller owns the reference), or null when FreeType
    //! cannot start or the font cannot be loaded.
    static CGUITTFont* createTTFont(IGUIEnvironment* env, const io::path& filename, u32 size,
                                    bool antialias = true, bool transparency = true);
    //! The same on the device's GUI environment; this font logs through the device.
    static CGUITTFont* createTTFont(IrrlichtDevice* device, const io::path& filename, u32 size,
                                    bool antialias = true, bool transparency = true);
    //! Faces currently shared through the face map.
    static u32 getSharedFaceCount();
    static bool isLibraryLoaded();

    ~CGUITTFont() override;

    // IGUIFont.
    void draw(const core::stringw& text, const core::rect<s32>& position, video::SColor color, bool hcenter = false,
              bool vcenter = false, const core::rect<s32>* clip = 0) override;
    core::dimension2d<u32> getDimension(const wchar_t* text) const override;
    s32 getCharacterFromPos(const wchar_t* text, s32 pixel_x) const override;
    void setKerningWidth(s32 kerning) override;
    void setKerningHeight(s32 kerning) override;
    s32 getKerningWidth(const wchar_t* thisLetter = 0, const wchar_t* previousLetter = 0) const override;
    s32 getKerningHeight() const override;
    void setInvisibleCharacters(const wchar_t* s) override;

    virtual void setBatchLoadSize(u32 batchSize);
    virtual void setMaxPageTextureSize(const core::dimension2du& size);
    virtual u32 getFontSize() const;
    virtual bool useTransparency() const;
    virtual bool useAutoHinting() const;
    virtual bool useHinting() const;
    virtual bool useMonochrome() const;
    //! These three change how glyphs render: every glyph and page is reset.
    virtual void setTransparency(bool flag);
    virtual void setMonochrome(bool flag);
    virtual void setFontHinting(bool hinting, bool autoHinting = true);
    virtual core::dimension2d<u32> getCharDimension(wchar_t ch) const;
    virtual core::dimension2d<u32> getDimensionUtf(const core::ustring& text) const;
    virtual s32 getCharacterFromPosUtf(const core::ustring& text, s32 pixel_x) const;
    virtual s32 getKerningWidthUtf(uchar32_t thisLetter, uchar32_t previousLetter) const;
    virtual void setInvisibleCharactersUtf(const core::ustring& s);
    //! A new image (the caller owns it) with the character's glyph, or null.
    virtual video::IImage* createTextureFromChar(const uchar32_t& ch);
    //! The texture of that page, null out of range.
    virtual video::ITexture* getPageTexture(const u32& page);
    //! One textured quad node per letter under parent (or under a new empty
    //! node when parent is null); the scene manager owns the nodes.
    virtual core::array<scene::ISceneNode*> addTextSceneNode(const wchar_t* text, scene::ISceneManager* smgr,
                                                             scene::ISceneNode* parent, const video::SColor& color,
                                                             bool center = false);

    //! Opens the face and preloads the ASCII range. False on failure and for a
    //! font that is loaded already, which stays as it is.
    bool load(const io::path& filename, u32 size, bool antialias, bool transparency);
    //! Unloads every glyph and deletes every page.
    void reset();
    //! The glyph index of ch (or of U+FFFD when the face lacks ch), 0 for none.
    //! Loads a batch of glyphs around ch when its glyph is not loaded yet.
    u32 getGlyphIndexByChar(uchar32_t ch) const;
    //! Null when there is no page.
    CGUITTGlyphPage* getLastGlyphPage() const;
    //! Null out of range.
    CGUITTGlyphPage* getGlyphPage(u32 index) const;
    //! Only meaningful while there is a page.
    u32 getLastPageIndex() const;
    //! A new page at the end of the list, or null when none can be made.
    CGUITTGlyphPage* createGlyphPage(u8 pixelMode);
    s32 getLoadFlags() const;
    void uploadDirtyPages();

private:
    explicit CGUITTFont(IGUIEnvironment* env);
    static CGUITTFont* createFont(IGUIEnvironment* env, IrrlichtDevice* device, const io::path& filename, u32 size,
                                  bool antialias, bool transparency);

    core::dimension2du getPageTextureSize(u32 fontSize) const;
    //! The size of every glyph slot: room for the face's largest glyph.
    core::dimension2du getGlyphSlotSize() const;
    void logInfo(const core::stringc& text) const;
    bool acquireFace(const io::path& filename);
    void releaseFace();
    //! Loads that glyph (0: none) unless it is loaded, and queues it for its page.
    void loadGlyph(u32 glyphIndex) const;
    //! The glyph of index glyphIndex when it is loaded, else null.
    const SGUITTGlyph* getLoadedGlyph(u32 glyphIndex) const;
    s32 getLineHeight() const;
    s32 getCharWidth(uchar32_t ch) const;
    //! The glyph's advance, or the fallback width of ch without a glyph.
    s32 getAdvance(const SGUITTGlyph* glyph, uchar32_t ch) const;
    s32 getCharHeight(uchar32_t ch) const;
    //! Width of a character without a usable glyph.
    s32 getFallbackWidth(uchar32_t ch) const;
    core::vector2di getKerning(uchar32_t thisLetter, uchar32_t previousLetter) const;
    core::dimension2d<u32> getLineDimension(const core::ustring& text) const;

    bool m_monochrome;
    bool m_transparency;
    bool m_hinting;
    bool m_autoHinting;
    u32 m_size;
    u32 m_batchLoadSize;
    core::dimension2du m_maxPageTextureSize;
    //! Not owned; null unless made on a device, which then logs for the font.
    IrrlichtDevice* m_device;
    //! Not owned.
    IGUIEnvironment* m_environment;
    //! Grabbed for the font's lifetime.
    video::IVideoDriver* m_driver;
    io::path m_fileName;
    FT_Face m_face;
    FT_Size_Metrics m_metrics;
    s32 m_loadFlags;
    // The glyph cache fills while measuring, hence mutable.
    mutable std::vector<std::unique_ptr<CGUITTGlyphPage>> m_pages;
    mutable std::vector<SGUITTGlyph> m_glyphs;
    s32 m_kerningWidth;
    s32 m_kerningHeight;
    core::ustring m_invisible;

    static FT_Library s_library;
    static bool s_libraryLoaded;
    static core::map<io::path, SGUITTFace*> s_faceMap;
};
} // namespace gui
} // namespace irr
