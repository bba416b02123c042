#include "tools/assetgen/maskmeshes.h"

#include "tools/assetgen/maths.h"

#include <algorithm>
#include <cmath>

namespace assetgen
{
namespace
{
//! Point of the face surface at face coordinates (x, y) in -1..1, before placement.
Vec3 facePoint(const MaskShape& shape, float x, float y)
{
    const FaceLayout& f = shape.layout;
    const float r2 = std::min(1.0f, x * x + y * y);
    float forward = shape.depth * std::sqrt(1 - 0.85f * r2);
    const float eye = std::hypot(std::fabs(x) - f.eyeX, (y - f.eyeY) * 1.4f);
    forward -= 0.35f * shape.depth * std::exp(-eye * eye / (f.eyeRadius * f.eyeRadius));
    forward += shape.nose * std::exp(-x * x / 0.012f) * std::clamp((0.25f - y) * 3, 0.0f, 1.0f) *
               std::clamp((y + 0.35f) * 4, 0.0f, 1.0f);
    const float narrowing = 1 - shape.chin * std::max(0.0f, -y);
    return {shape.centre.x + x * shape.width * 0.5f * narrowing, shape.centre.y + y * shape.height * 0.5f,
            shape.centre.z - forward};
}
} // namespace

Mesh mask(const MaskShape& shape, const std::string& texture, const Placement& placement)
{
    Mesh mesh;
    const unsigned material = mesh.addMaterial(texture);
    for (int side = 0; side < 2; ++side)
    {
        // Front side, then the inside a little behind it with its normals turned around.
        const float back = side == 0 ? 0.0f : shape.thickness;
        const float facing = side == 0 ? 1.0f : -1.0f;
        mesh.addSurface(
            [&](float u, float v) {
                const float angle = 2 * kPi * u, radius = v;
                const float x = radius * std::cos(angle), y = radius * std::sin(angle);
                const float e = 0.01f;
                const Vec3 p = facePoint(shape, x, y);
                const Vec3 dx = facePoint(shape, x + e, y) - facePoint(shape, x - e, y);
                const Vec3 dy = facePoint(shape, x, y + e) - facePoint(shape, x, y - e);
                Vec3 normal = normalised(cross(dx, dy));
                if (normal.z > 0)
                    normal = -normal; // the front looks toward -Z
                return SurfacePoint{p + Vec3{0, 0, back}, normal * facing, 0.5f + 0.5f * x, 0.5f - 0.5f * y};
            },
            32, 16, material, placement);
    }
    return mesh;
}

Placement faceTowardMinusX() { return {{0, 0, -1}, {0, 1, 0}, {1, 0, 0}, {}}; }

Placement faceTowardPlusYZUp() { return Placement::zUp(); }

Placement faceTowardPlusYUpIsMinusZ() { return {{-1, 0, 0}, {0, 0, -1}, {0, -1, 0}, {}}; }
} // namespace assetgen
