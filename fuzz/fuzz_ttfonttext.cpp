// Arbitrary texts through the font's measuring, drawing and text nodes.

#include "gui/cguittfont.h"
#include "quietnulldevice.h"

#include <irrlicht.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace
{
const char* const kFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
} // namespace

// Input: one byte of flags, then UTF-32 code units (little end first).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    irr::IrrlichtDevice* device = fuzzing::quietNullDevice();
    // A font per input, so that every input also creates and frees its face.
    irr::gui::CGUITTFont* font = irr::gui::CGUITTFont::createTTFont(device->getGUIEnvironment(), kFontFile, 18);
    if (!font)
        return 0;
    font->setBatchLoadSize(16);
    const uint8_t flags = data[0];
    std::wstring text;
    for (size_t i = 1; i + 4 <= size; i += 4)
    {
        uint32_t unit;
        std::memcpy(&unit, data + i, 4);
        // Keep within Unicode and away from the terminating zero.
        unit %= 0x110000;
        text.push_back(static_cast<wchar_t>(unit ? unit : L'\n'));
    }
    font->setKerningWidth(static_cast<irr::s8>(flags & 0x7) - 3);
    const irr::core::dimension2du size2d = font->getDimension(text.c_str());
    font->getCharacterFromPos(text.c_str(), static_cast<irr::s32>(size2d.Width / 2));
    font->draw(text.c_str(), irr::core::rect<irr::s32>(0, 0, 640, 480), irr::video::SColor(255, 255, 255, 255),
               flags & 0x10, flags & 0x20);
    if (flags & 0x40)
    {
        irr::scene::ISceneManager* smgr = device->getSceneManager();
        irr::scene::ISceneNode* parent = smgr->addEmptySceneNode();
        font->addTextSceneNode(text.c_str(), smgr, parent, irr::video::SColor(255, 255, 255, 255), flags & 0x80);
        parent->remove();
    }
    font->drop();
    return 0;
}
