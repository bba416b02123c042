#include "gui/sguittface.h"

#include <ft2build.h>
#include FT_FREETYPE_H

namespace irr
{
namespace gui
{
SGUITTFace::SGUITTFace() : m_face(nullptr), m_bufferSize(0)
{
}

SGUITTFace::~SGUITTFace()
{
    if (m_face)
        FT_Done_Face(m_face);
}
} // namespace gui
} // namespace irr
