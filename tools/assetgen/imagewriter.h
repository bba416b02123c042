#pragma once
// Writes canvases as PNG, JPG or BMP files through Irrlicht's image writers.

#include <string>

namespace irr
{
class IrrlichtDevice;
}

namespace assetgen
{
class Canvas;

enum class PixelFormat
{
    Opaque,     //!< 24-bit colour
    WithAlpha,  //!< 32-bit colour with alpha
};

class ImageWriter
{
public:
    //! Opens a null device for the writers; it lives as long as this object.
    ImageWriter();
    ~ImageWriter();
    ImageWriter(const ImageWriter&) = delete;
    ImageWriter& operator=(const ImageWriter&) = delete;

    //! The format follows the file's extension; folders are created. False on failure.
    bool write(const Canvas& canvas, const std::string& path, PixelFormat format) const;

private:
    irr::IrrlichtDevice* m_device; // owned: dropped in the destructor
};
} // namespace assetgen
