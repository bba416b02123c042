#include "tests/support/framecapture.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace testsupport
{
bool isNear(const irr::video::SColor& a, const irr::video::SColor& b, irr::s32 tolerance)
{
    const auto close = [tolerance](irr::u32 x, irr::u32 y) {
        return std::abs(static_cast<irr::s32>(x) - static_cast<irr::s32>(y)) <= tolerance;
    };
    return close(a.getRed(), b.getRed()) && close(a.getGreen(), b.getGreen()) && close(a.getBlue(), b.getBlue());
}

irr::video::SColor Frame::at(irr::u32 x, irr::u32 y) const
{
    const irr::u8* p = &pixels[(y * width + x) * 4];
    return irr::video::SColor(p[3], p[0], p[1], p[2]);
}

Frame readFrame(irr::u32 width, irr::u32 height)
{
    Frame frame;
    frame.width = width;
    frame.height = height;
    frame.pixels.resize(width * height * 4);
    std::vector<irr::u8> rows(frame.pixels.size());
    glFinish();
    glReadPixels(0, 0, static_cast<GLsizei>(width), static_cast<GLsizei>(height), GL_RGBA, GL_UNSIGNED_BYTE,
                 rows.data());
    // OpenGL gives the bottom row first.
    for (irr::u32 y = 0; y < height; ++y)
        std::copy_n(&rows[(height - 1 - y) * width * 4], width * 4, &frame.pixels[y * width * 4]);
    return frame;
}

bool saveFrame(irr::video::IVideoDriver* driver, const Frame& frame, const std::string& name)
{
    const std::filesystem::path folder = std::filesystem::path(BELGARUNE_GAME_DIR).parent_path() / "test-artifacts";
    std::filesystem::create_directories(folder);
    irr::video::IImage* image =
        driver->createImage(irr::video::ECF_A8R8G8B8, irr::core::dimension2du(frame.width, frame.height));
    for (irr::u32 y = 0; y < frame.height; ++y)
        for (irr::u32 x = 0; x < frame.width; ++x)
        {
            irr::video::SColor color = frame.at(x, y);
            color.setAlpha(255);
            image->setPixel(x, y, color);
        }
    const bool written = driver->writeImageToFile(image, (folder / name).string().c_str());
    image->drop();
    return written;
}
} // namespace testsupport
