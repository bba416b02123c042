#include "gui/sharedquad.h"

#include <SMesh.h>
#include <SMeshBuffer.h>

#include <memory>

namespace irr
{
namespace scene
{
namespace
{
struct MeshDropper
{
    void operator()(SMesh* mesh) const { mesh->drop(); }
};

SMesh* createQuad()
{
    SMeshBuffer* buffer = new SMeshBuffer();
    const core::vector3df normal(0.0f, 0.0f, -1.0f);
    const video::SColor white(255, 255, 255, 255);
    buffer->Vertices.push_back(video::S3DVertex(core::vector3df(0, -1, 0), normal, white, core::vector2df(0, 1)));
    buffer->Vertices.push_back(video::S3DVertex(core::vector3df(1, -1, 0), normal, white, core::vector2df(1, 1)));
    buffer->Vertices.push_back(video::S3DVertex(core::vector3df(0, 0, 0), normal, white, core::vector2df(0, 0)));
    buffer->Vertices.push_back(video::S3DVertex(core::vector3df(1, 0, 0), normal, white, core::vector2df(1, 0)));
    const u16 indices[] = {0, 2, 3, 3, 1, 0};
    for (u16 index : indices)
        buffer->Indices.push_back(index);
    buffer->recalculateBoundingBox();

    SMesh* mesh = new SMesh();
    mesh->addMeshBuffer(buffer);
    buffer->drop();
    mesh->recalculateBoundingBox();
    return mesh;
}

std::unique_ptr<SMesh, MeshDropper> s_sharedQuad;
} // namespace

SMesh* getSharedQuad()
{
    if (!s_sharedQuad)
        s_sharedQuad.reset(createQuad());
    return s_sharedQuad.get();
}
} // namespace scene
} // namespace irr
