#include "gui/cguittfont.h"

#include "gui/cguittglyphpage.h"
#include "gui/sguittface.h"
#include "gui/sguittglyph.h"

#include <IFileSystem.h>
#include <IGUIEnvironment.h>
#include <IImage.h>
#include <ILogger.h>
#include <IReadFile.h>
#include <ITexture.h>
#include <IVideoDriver.h>
#include <IrrlichtDevice.h>

namespace irr
{
namespace gui
{
namespace
{
const uchar32_t kReplacementCharacter = 0xFFFD;
// Characters loaded when a font is made: the ASCII range.
const u32 kPreloadBatchSize = 127;
const core::dimension2du kDefaultPageLimit(1024, 1024);
// Pixels added to a slot for hinting and the rasteriser's rounding.
const u32 kSlotMargin = 2;

//! A length in 1/64 pixel rounded up to whole pixels, plus the slot margin.
u32 slotExtent(FT_Pos length)
{
    return static_cast<u32>(core::max_<FT_Pos>((length + 63) / 64, 0)) + kSlotMargin;
}
} // namespace

FT_Library CGUITTFont::s_library = nullptr;
bool CGUITTFont::s_libraryLoaded = false;
core::map<io::path, SGUITTFace*> CGUITTFont::s_faceMap;

CGUITTFont* CGUITTFont::createTTFont(IGUIEnvironment* env, const io::path& filename, u32 size, bool antialias,
                                     bool transparency)
{
    return createFont(env, nullptr, filename, size, antialias, transparency);
}

CGUITTFont* CGUITTFont::createTTFont(IrrlichtDevice* device, const io::path& filename, u32 size, bool antialias,
                                     bool transparency)
{
    return createFont(device->getGUIEnvironment(), device, filename, size, antialias, transparency);
}

CGUITTFont* CGUITTFont::createFont(IGUIEnvironment* env, IrrlichtDevice* device, const io::path& filename, u32 size,
                                   bool antialias, bool transparency)
{
    if (!s_libraryLoaded)
    {
        if (FT_Init_FreeType(&s_library))
            return nullptr;
        s_libraryLoaded = true;
    }
    CGUITTFont* font = new CGUITTFont(env);
    font->m_device = device;
    if (!font->load(filename, size, antialias, transparency))
    {
        font->drop();
        return nullptr;
    }
    return font;
}

u32 CGUITTFont::getSharedFaceCount()
{
    return s_faceMap.size();
}

bool CGUITTFont::isLibraryLoaded()
{
    return s_libraryLoaded;
}

CGUITTFont::CGUITTFont(IGUIEnvironment* env)
    : m_monochrome(false), m_transparency(true), m_hinting(true), m_autoHinting(true), m_size(0),
      m_batchLoadSize(1), m_maxPageTextureSize(0, 0), m_device(nullptr), m_environment(env), m_driver(nullptr),
      m_face(nullptr), m_metrics(), m_loadFlags(0), m_kerningWidth(0), m_kerningHeight(0), m_invisible(L" ")
{
    setDebugName("CGUITTFont");
    if (m_environment)
        m_driver = m_environment->getVideoDriver();
    if (m_driver)
        m_driver->grab();
}

CGUITTFont::~CGUITTFont()
{
    reset();
    releaseFace();
    if (s_faceMap.empty() && s_libraryLoaded)
    {
        FT_Done_FreeType(s_library);
        s_library = nullptr;
        s_libraryLoaded = false;
    }
    if (m_driver)
        m_driver->drop();
}

bool CGUITTFont::load(const io::path& filename, u32 size, bool antialias, bool transparency)
{
    // A font loads once: its pages point into its glyph table. Another file or
    // size takes a new font.
    if (m_face || !m_environment || !m_driver || size == 0)
        return false;
    m_size = size;
    m_fileName = filename;
    m_monochrome = !antialias;
    m_transparency = transparency;
    m_loadFlags = getLoadFlags();

    logInfo(core::stringc("Creating new font: ") + filename + " " + core::stringc(size) + "pt " +
            (antialias ? "+antialias " : "-antialias ") + (transparency ? "+transparency" : "-transparency"));

    // A glyph slot must fit into a page.
    const core::dimension2du pageSize = getPageTextureSize(size);
    if (size > pageSize.Width || size > pageSize.Height)
    {
        logInfo("The font size exceeds the glyph page size.");
        return false;
    }
    if (!acquireFace(filename))
        return false;

    FT_Set_Pixel_Sizes(m_face, m_size, 0);
    m_metrics = m_face->size->metrics;

    m_glyphs = std::vector<SGUITTGlyph>(static_cast<std::size_t>(m_face->num_glyphs));
    for (SGUITTGlyph& glyph : m_glyphs)
        glyph.m_font = this;

    const u32 batchSize = m_batchLoadSize;
    m_batchLoadSize = kPreloadBatchSize;
    getGlyphIndexByChar(0);
    m_batchLoadSize = batchSize;
    return true;
}

bool CGUITTFont::acquireFace(const io::path& filename)
{
    core::map<io::path, SGUITTFace*>::Node* node = s_faceMap.find(filename);
    if (node)
    {
        SGUITTFace* face = node->getValue();
        face->grab();
        m_face = face->m_face;
        return true;
    }

    SGUITTFace* face = new SGUITTFace();
    s_faceMap.set(filename, face);
    const char* failure = nullptr;
    io::IFileSystem* fileSystem = m_environment->getFileSystem();
    if (fileSystem)
    {
        io::IReadFile* file = fileSystem->createAndOpenFile(filename);
        if (!file)
            failure = "Failed to open the file.";
        else
        {
            face->m_bufferSize = static_cast<s32>(file->getSize());
            face->m_buffer.reset(new u8[face->m_bufferSize]);
            const bool complete = file->read(face->m_buffer.get(), face->m_bufferSize) == face->m_bufferSize;
            file->drop();
            if (!complete || FT_New_Memory_Face(s_library, face->m_buffer.get(), face->m_bufferSize, 0, &face->m_face))
                failure = "FT_New_Memory_Face failed.";
        }
    }
    else if (FT_New_Face(s_library, filename.c_str(), 0, &face->m_face))
        failure = "FT_New_Face failed.";

    if (failure)
    {
        logInfo(failure);
        s_faceMap.remove(filename);
        face->drop();
        return false;
    }
    m_face = face->m_face;
    return true;
}

void CGUITTFont::releaseFace()
{
    if (!m_face)
        return;
    core::map<io::path, SGUITTFace*>::Node* node = s_faceMap.find(m_fileName);
    if (!node)
        return;
    SGUITTFace* face = node->getValue();
    if (face->getReferenceCount() == 1)
        s_faceMap.remove(m_fileName);
    face->drop();
    m_face = nullptr;
}

void CGUITTFont::logInfo(const core::stringc& text) const
{
    if (m_device && m_device->getLogger())
        m_device->getLogger()->log("CGUITTFont", text.c_str(), ELL_INFORMATION);
}

s32 CGUITTFont::getLoadFlags() const
{
    s32 flags = FT_LOAD_RENDER;
    if (!useHinting())
        flags |= FT_LOAD_NO_HINTING;
    if (!useAutoHinting())
        flags |= FT_LOAD_NO_AUTOHINT;
    if (useMonochrome())
        flags |= FT_LOAD_MONOCHROME | FT_LOAD_TARGET_MONO | FT_LOAD_NO_HINTING;
    return flags;
}

void CGUITTFont::reset()
{
    for (SGUITTGlyph& glyph : m_glyphs)
        glyph.unload();
    m_pages.clear();
    m_loadFlags = getLoadFlags();
}

u32 CGUITTFont::getGlyphIndexByChar(uchar32_t ch) const
{
    if (!m_face)
        return 0;
    u32 glyphIndex = FT_Get_Char_Index(m_face, ch);
    if (glyphIndex == 0)
        glyphIndex = FT_Get_Char_Index(m_face, kReplacementCharacter);
    if (glyphIndex != 0 && m_glyphs[glyphIndex - 1].m_loaded)
        return glyphIndex;

    const u32 half = m_batchLoadSize / 2;
    const uchar32_t start = ch > half ? ch - half : 0;
    const u32 count = core::max_(m_batchLoadSize, 1u);
    for (u32 i = 0; i < count; ++i)
        loadGlyph(FT_Get_Char_Index(m_face, start + i));
    // A character the face lacks draws as U+FFFD, also when no batch covered it.
    loadGlyph(glyphIndex);
    return glyphIndex;
}

void CGUITTFont::loadGlyph(u32 glyphIndex) const
{
    if (glyphIndex == 0)
        return;
    SGUITTGlyph& glyph = m_glyphs[glyphIndex - 1];
    if (glyph.m_loaded)
        return;
    glyph.load(glyphIndex, m_face, m_driver, m_size, m_loadFlags);
    // A glyph FreeType cannot render or no page can take is never queued.
    if (glyph.m_loaded)
        m_pages[glyph.m_page]->m_pendingGlyphs.push_back(&glyph);
}

const SGUITTGlyph* CGUITTFont::getLoadedGlyph(u32 glyphIndex) const
{
    if (glyphIndex == 0 || !m_glyphs[glyphIndex - 1].m_loaded)
        return nullptr;
    return &m_glyphs[glyphIndex - 1];
}

CGUITTGlyphPage* CGUITTFont::getLastGlyphPage() const
{
    return m_pages.empty() ? nullptr : m_pages.back().get();
}

CGUITTGlyphPage* CGUITTFont::getGlyphPage(u32 index) const
{
    return index < m_pages.size() ? m_pages[index].get() : nullptr;
}

u32 CGUITTFont::getLastPageIndex() const
{
    return static_cast<u32>(m_pages.size()) - 1;
}

core::dimension2du CGUITTFont::getPageTextureSize(u32 fontSize) const
{
    core::dimension2du limit = m_maxPageTextureSize;
    if (limit.Width == 0 || limit.Height == 0)
        limit = m_driver->getMaxTextureSize();
    if (limit.Width == 0 || limit.Height == 0)
        limit = kDefaultPageLimit;

    u32 side = 4096;
    if (fontSize <= 21)
        side = 256;
    else if (fontSize <= 42)
        side = 512;
    else if (fontSize <= 84)
        side = 1024;
    else if (fontSize <= 168)
        side = 2048;
    const core::dimension2du size(side, side);
    return size.Width > limit.Width || size.Height > limit.Height ? limit : size;
}

core::dimension2du CGUITTFont::getGlyphSlotSize() const
{
    if (!FT_IS_SCALABLE(m_face))
        return core::dimension2du(slotExtent(m_metrics.max_advance), slotExtent(m_metrics.height));
    // The face's bounding box holds every glyph of it.
    const FT_BBox& box = m_face->bbox;
    return core::dimension2du(slotExtent(FT_MulFix(box.xMax - box.xMin, m_metrics.x_scale)),
                              slotExtent(FT_MulFix(box.yMax - box.yMin, m_metrics.y_scale)));
}

CGUITTGlyphPage* CGUITTFont::createGlyphPage(u8 pixelMode)
{
    const char* family = m_face->family_name ? m_face->family_name : "";
    const char* style = m_face->style_name ? m_face->style_name : "";
    const io::path name = io::path("TTFontGlyphPage_") + family + "." + style + "." + core::stringc(m_size) + "_" +
                          core::stringc(static_cast<u32>(m_pages.size()));

    const core::dimension2du size = getPageTextureSize(m_size);
    auto page = std::make_unique<CGUITTGlyphPage>(m_driver, name, getGlyphSlotSize());
    const video::ECOLOR_FORMAT format =
        pixelMode == FT_PIXEL_MODE_MONO ? video::ECF_A1R5G5B5 : video::ECF_A8R8G8B8;
    if (!page->createPageTexture(format, size))
        return nullptr;
    page->m_freeSlots = page->getSlotCount();
    // A page limit set below the slot size leaves no slot.
    if (page->m_freeSlots == 0)
        return nullptr;
    m_pages.push_back(std::move(page));
    return m_pages.back().get();
}

void CGUITTFont::uploadDirtyPages()
{
    for (const std::unique_ptr<CGUITTGlyphPage>& page : m_pages)
        page->uploadGlyphs();
}

video::IImage* CGUITTFont::createTextureFromChar(const uchar32_t& ch)
{
    const SGUITTGlyph* glyph = getLoadedGlyph(getGlyphIndexByChar(ch));
    if (!glyph)
        return nullptr;
    CGUITTGlyphPage* page = m_pages[glyph->m_page].get();
    page->uploadGlyphs();

    video::ITexture* texture = page->m_texture;
    void* pixels = texture->lock(video::ETLM_READ_ONLY);
    if (!pixels)
        return nullptr;
    video::IImage* pageImage =
        m_driver->createImageFromData(texture->getColorFormat(), texture->getSize(), pixels, true, false);
    const core::dimension2du size(static_cast<u32>(glyph->m_sourceRect.getWidth()),
                                  static_cast<u32>(glyph->m_sourceRect.getHeight()));
    video::IImage* image = m_driver->createImage(texture->getColorFormat(), size);
    pageImage->copyTo(image, core::position2di(0, 0), glyph->m_sourceRect);
    pageImage->drop();
    texture->unlock();
    return image;
}

video::ITexture* CGUITTFont::getPageTexture(const u32& page)
{
    const CGUITTGlyphPage* glyphPage = getGlyphPage(page);
    return glyphPage ? glyphPage->m_texture : nullptr;
}

void CGUITTFont::setBatchLoadSize(u32 batchSize)
{
    m_batchLoadSize = batchSize;
}

void CGUITTFont::setMaxPageTextureSize(const core::dimension2du& size)
{
    m_maxPageTextureSize = size;
}

u32 CGUITTFont::getFontSize() const
{
    return m_size;
}

bool CGUITTFont::useTransparency() const
{
    return m_transparency;
}

bool CGUITTFont::useAutoHinting() const
{
    return m_autoHinting;
}

bool CGUITTFont::useHinting() const
{
    return m_hinting;
}

bool CGUITTFont::useMonochrome() const
{
    return m_monochrome;
}

void CGUITTFont::setTransparency(bool flag)
{
    m_transparency = flag;
    reset();
}

void CGUITTFont::setMonochrome(bool flag)
{
    m_monochrome = flag;
    reset();
}

void CGUITTFont::setFontHinting(bool hinting, bool autoHinting)
{
    m_hinting = hinting;
    m_autoHinting = autoHinting;
    reset();
}
} // namespace gui
} // namespace irr
