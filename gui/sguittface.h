#pragma once
// One FreeType face, shared by every font made from the same file.

#include <IReferenceCounted.h>
#include <irrTypes.h>

#include <memory>

struct FT_FaceRec_;

namespace irr
{
namespace gui
{
//! Reference counted; the font map holds it while any font uses it. Owns the
//! FreeType face and the file's bytes the face reads from.
struct SGUITTFace : public virtual IReferenceCounted
{
    SGUITTFace();
    //! Calls FT_Done_Face and frees the buffer.
    virtual ~SGUITTFace();
    SGUITTFace(const SGUITTFace&) = delete;
    SGUITTFace& operator=(const SGUITTFace&) = delete;

    FT_FaceRec_* m_face;
    std::unique_ptr<u8[]> m_buffer;
    s32 m_bufferSize;
};
} // namespace gui
} // namespace irr
