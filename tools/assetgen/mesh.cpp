#include "tools/assetgen/mesh.h"

#include "tools/assetgen/maths.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace assetgen
{
namespace
{
//! Mesh units along a prism's side per texture repeat.
constexpr float kPrismSideSpan = 50.0f;

Vertex placed(const Placement& placement, const SurfacePoint& p)
{
    return {placement.point(p.position), placement.direction(p.normal), p.u, p.v};
}
} // namespace

float dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vec3 cross(const Vec3& a, const Vec3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vec3 normalised(const Vec3& v)
{
    const float length = std::sqrt(dot(v, v));
    return length > 1e-9f ? v * (1.0f / length) : Vec3{0, 1, 0};
}

Placement Placement::at(const Vec3& offset)
{
    Placement p;
    p.offset = offset;
    return p;
}

Placement Placement::zUp(const Vec3& offset)
{
    return {{1, 0, 0}, {0, 0, 1}, {0, -1, 0}, offset};
}

Placement Placement::xUp(const Vec3& offset)
{
    return {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}, offset};
}

unsigned Mesh::addMaterial(const std::string& texture)
{
    m_materials.push_back(texture);
    return static_cast<unsigned>(m_materials.size() - 1);
}

unsigned Mesh::addVertex(const Vertex& vertex)
{
    m_vertices.push_back(vertex);
    return static_cast<unsigned>(m_vertices.size() - 1);
}

void Mesh::addTriangle(unsigned a, unsigned b, unsigned c, unsigned material)
{
    const Vertex &va = m_vertices[a], &vb = m_vertices[b], &vc = m_vertices[c];
    const Vec3 face = cross(vb.position - va.position, vc.position - va.position);
    if (dot(face, face) < 1e-12f)
        return; // degenerate (a pole of a revolution)
    if (dot(face, va.normal + vb.normal + vc.normal) < 0)
        std::swap(b, c);
    m_triangles.push_back({a, b, c, material});
}

void Mesh::addQuad(const Vertex& a, const Vertex& b, const Vertex& c, const Vertex& d, unsigned material)
{
    const unsigned ia = addVertex(a), ib = addVertex(b), ic = addVertex(c), id = addVertex(d);
    addTriangle(ia, ib, ic, material);
    addTriangle(ia, ic, id, material);
}

void Mesh::addBox(const Vec3& low, const Vec3& high, unsigned material, const Placement& placement,
                  float textureSpan)
{
    const Vec3 centre = (low + high) * 0.5f;
    const Vec3 half = (high - low) * 0.5f;
    const Vec3 normals[6] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
    for (const Vec3& n : normals)
    {
        const Vec3 up = std::fabs(n.y) > 0.5f ? Vec3{0, 0, 1} : Vec3{0, 1, 0};
        const Vec3 right = cross(n, up);
        const float extentN = std::fabs(dot(half, n));
        const float extentR = std::fabs(dot(half, right));
        const float extentU = std::fabs(dot(half, up));
        Vertex corners[4];
        const float signs[4][2] = {{-1, 1}, {1, 1}, {1, -1}, {-1, -1}};
        for (int i = 0; i < 4; ++i)
        {
            const Vec3 local = n * extentN + right * (signs[i][0] * extentR) + up * (signs[i][1] * extentU);
            const Vec3 p = centre + local;
            float u, v;
            if (textureSpan > 0)
            {
                u = dot(p, right) / textureSpan;
                v = -dot(p, up) / textureSpan;
            }
            else
            {
                u = 0.5f + 0.5f * signs[i][0];
                v = 0.5f - 0.5f * signs[i][1];
            }
            corners[i] = placed(placement, {p, n, u, v});
        }
        addQuad(corners[0], corners[1], corners[2], corners[3], material);
    }
}

void Mesh::addSurface(const std::function<SurfacePoint(float u, float v)>& surface, int segmentsU, int segmentsV,
                      unsigned material, const Placement& placement,
                      const std::function<bool(float u, float v)>& keep)
{
    const unsigned first = static_cast<unsigned>(m_vertices.size());
    const int rowLength = segmentsU + 1;
    for (int j = 0; j <= segmentsV; ++j)
        for (int i = 0; i <= segmentsU; ++i)
            addVertex(placed(placement, surface(static_cast<float>(i) / segmentsU, static_cast<float>(j) / segmentsV)));
    for (int j = 0; j < segmentsV; ++j)
        for (int i = 0; i < segmentsU; ++i)
        {
            if (keep && !keep((i + 0.5f) / segmentsU, (j + 0.5f) / segmentsV))
                continue;
            const unsigned a = first + j * rowLength + i;
            addTriangle(a, a + 1, a + rowLength + 1, material);
            addTriangle(a, a + rowLength + 1, a + rowLength, material);
        }
}

void Mesh::addLathe(const std::vector<std::pair<float, float>>& profile, int segments, unsigned material,
                    const Placement& placement)
{
    const int last = static_cast<int>(profile.size()) - 1;
    // Texture v runs along the profile's length, so long straight parts are not squeezed.
    std::vector<float> along(profile.size(), 0.0f);
    for (int i = 1; i <= last; ++i)
        along[i] = along[i - 1] + std::hypot(profile[i].first - profile[i - 1].first,
                                             profile[i].second - profile[i - 1].second);
    auto slope = [&](int i) {
        const auto& from = profile[std::max(i - 1, 0)];
        const auto& to = profile[std::min(i + 1, last)];
        return std::make_pair(to.first - from.first, to.second - from.second);
    };
    addSurface(
        [&](float u, float v) {
            const int i = static_cast<int>(std::lround(v * last));
            const float angle = 2 * kPi * u;
            const float r = profile[i].first;
            const auto [dr, dy] = slope(i);
            const Vec3 normal = normalised({std::cos(angle) * dy, -dr, std::sin(angle) * dy});
            return SurfacePoint{{r * std::cos(angle), profile[i].second, r * std::sin(angle)}, normal, u,
                                1 - along[i] / std::max(along[last], 1e-6f)};
        },
        segments, last, material, placement);
}

void Mesh::addTube(const std::function<Vec3(float t)>& curve, float radius, int segments, unsigned material,
                   const Placement& placement)
{
    const int steps = 64;
    std::vector<Vec3> centres, sides, ups;
    Vec3 side;
    for (int k = 0; k <= steps; ++k)
    {
        const float t = static_cast<float>(k) / steps;
        const Vec3 tangent = normalised(curve(std::min(t + 0.001f, 1.0f)) - curve(std::max(t - 0.001f, 0.0f)));
        if (k == 0)
            side = normalised(cross(tangent, std::fabs(tangent.z) < 0.9f ? Vec3{0, 0, 1} : Vec3{1, 0, 0}));
        side = normalised(side - tangent * dot(side, tangent)); // carried along without twisting
        centres.push_back(curve(t));
        sides.push_back(side);
        ups.push_back(cross(tangent, side));
    }
    addSurface(
        [&](float u, float v) {
            const int k = static_cast<int>(std::lround(v * steps));
            const float angle = 2 * kPi * u;
            const Vec3 radial = sides[k] * std::cos(angle) + ups[k] * std::sin(angle);
            return SurfacePoint{centres[k] + radial * radius, radial, u, v};
        },
        segments, steps, material, placement);
}

void Mesh::addEllipsoid(const Vec3& centre, const Vec3& radii, int segments, unsigned material,
                        const Placement& placement)
{
    addSurface(
        [&](float u, float v) {
            const float angle = 2 * kPi * u, polar = kPi * v;
            const Vec3 unit{std::sin(polar) * std::cos(angle), std::cos(polar), std::sin(polar) * std::sin(angle)};
            const Vec3 normal = normalised({unit.x / radii.x, unit.y / radii.y, unit.z / radii.z});
            return SurfacePoint{centre + Vec3{unit.x * radii.x, unit.y * radii.y, unit.z * radii.z}, normal, u, v};
        },
        segments, segments / 2, material, placement);
}

void Mesh::addPrism(const std::vector<std::pair<float, float>>& polygon, float z0, float z1, unsigned material,
                    const Placement& placement)
{
    float minX = polygon[0].first, maxX = minX, minY = polygon[0].second, maxY = minY, cx = 0, cy = 0;
    for (const auto& [x, y] : polygon)
    {
        minX = std::min(minX, x), maxX = std::max(maxX, x), minY = std::min(minY, y), maxY = std::max(maxY, y);
        cx += x, cy += y;
    }
    cx /= polygon.size(), cy /= polygon.size();
    // Seen from outside, u runs to the right on both caps (as on addBox's faces): along -x on the +z cap.
    auto capVertex = [&](float x, float y, float z, float nz) {
        const float across = (x - minX) / (maxX - minX);
        return placed(placement, {{x, y, z}, {0, 0, nz}, nz > 0 ? 1 - across : across, (maxY - y) / (maxY - minY)});
    };
    const size_t count = polygon.size();
    for (float z : {z0, z1})
    {
        const float nz = z == std::max(z0, z1) ? 1.0f : -1.0f;
        const unsigned centre = addVertex(capVertex(cx, cy, z, nz));
        for (size_t i = 0; i < count; ++i)
        {
            const auto& p = polygon[i];
            const auto& q = polygon[(i + 1) % count];
            const unsigned a = addVertex(capVertex(p.first, p.second, z, nz));
            const unsigned b = addVertex(capVertex(q.first, q.second, z, nz));
            addTriangle(centre, a, b, material);
        }
    }
    float along = 0;
    for (size_t i = 0; i < count; ++i)
    {
        const auto& p = polygon[i];
        const auto& q = polygon[(i + 1) % count];
        const float dx = q.first - p.first, dy = q.second - p.second;
        const float length = std::hypot(dx, dy);
        const Vec3 n{dy / length, -dx / length, 0};
        const float u0 = along / kPrismSideSpan, u1 = (along + length) / kPrismSideSpan;
        along += length;
        addQuad(placed(placement, {{p.first, p.second, z0}, n, u0, 0}),
                placed(placement, {{q.first, q.second, z0}, n, u1, 0}),
                placed(placement, {{q.first, q.second, z1}, n, u1, 1}),
                placed(placement, {{p.first, p.second, z1}, n, u0, 1}), material);
    }
}
} // namespace assetgen
