#pragma once
// Triangle meshes with materials, and the primitive builders the mesh recipes use.

#include <functional>
#include <string>
#include <vector>

namespace assetgen
{
struct Vec3
{
    float x = 0, y = 0, z = 0;

    Vec3 operator+(const Vec3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vec3 operator-(const Vec3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vec3 operator*(float k) const { return {x * k, y * k, z * k}; }
    Vec3 operator-() const { return {-x, -y, -z}; }
};

float dot(const Vec3& a, const Vec3& b);
Vec3 cross(const Vec3& a, const Vec3& b);
Vec3 normalised(const Vec3& v);

struct Vertex
{
    Vec3 position;
    Vec3 normal;
    float u = 0, v = 0;
};

struct Triangle
{
    unsigned a, b, c;
    unsigned material;
};

//! Maps a point or direction from a builder's frame into the mesh's frame.
struct Placement
{
    Vec3 axisX{1, 0, 0}, axisY{0, 1, 0}, axisZ{0, 0, 1};
    Vec3 offset;

    Vec3 point(const Vec3& p) const { return axisX * p.x + axisY * p.y + axisZ * p.z + offset; }
    Vec3 direction(const Vec3& d) const { return normalised(axisX * d.x + axisY * d.y + axisZ * d.z); }
    static Placement at(const Vec3& offset);
    //! Frame whose local +Y points along world +Z (builders that think "up" make a Z-up part).
    static Placement zUp(const Vec3& offset = {});
    //! Frame whose local +Y points along world +X.
    static Placement xUp(const Vec3& offset = {});
};

//! A point on a parametric surface with its outward normal and texture coordinates.
struct SurfacePoint
{
    Vec3 position;
    Vec3 normal;
    float u, v;
};

class Mesh
{
public:
    //! Adds a material; the texture name is resolved beside the mesh file (empty = none).
    unsigned addMaterial(const std::string& texture);
    unsigned addVertex(const Vertex& vertex);
    //! Adds a triangle, wound so that its front faces the side its vertex normals point to.
    void addTriangle(unsigned a, unsigned b, unsigned c, unsigned material);
    //! Four new vertices in order around the quad, as two triangles (a, b, c) and (a, c, d).
    void addQuad(const Vertex& a, const Vertex& b, const Vertex& c, const Vertex& d, unsigned material);

    //! Axis-aligned box between two corners. Each face shows its texture upright from outside:
    //! the whole texture when `textureSpan` is 0, else one repeat per `textureSpan` units.
    void addBox(const Vec3& low, const Vec3& high, unsigned material, const Placement& placement = {},
                float textureSpan = 0.0f);
    //! Grid of (segmentsU x segmentsV) quads over u, v in [0, 1]; `keep` may drop quads by their centre.
    void addSurface(const std::function<SurfacePoint(float u, float v)>& surface, int segmentsU, int segmentsV,
                    unsigned material, const Placement& placement = {},
                    const std::function<bool(float u, float v)>& keep = nullptr);
    //! Surface of revolution about +Y; the profile lists (radius, height) from bottom to top.
    void addLathe(const std::vector<std::pair<float, float>>& profile, int segments, unsigned material,
                  const Placement& placement = {});
    //! Tube of `radius` along a curve given for t in [0, 1].
    void addTube(const std::function<Vec3(float t)>& curve, float radius, int segments, unsigned material,
                 const Placement& placement = {});
    //! Ellipsoid with radii (rx, ry, rz) around `centre`.
    void addEllipsoid(const Vec3& centre, const Vec3& radii, int segments, unsigned material,
                      const Placement& placement = {});
    //! Prism of a polygon in the XY plane (counter-clockwise, star-shaped about its centroid)
    //! between z0 and z1; each cap maps the polygon's bounding box onto the whole texture, unmirrored
    //! from outside.
    void addPrism(const std::vector<std::pair<float, float>>& polygon, float z0, float z1, unsigned material,
                  const Placement& placement = {});

    const std::vector<Vertex>& vertices() const { return m_vertices; }
    const std::vector<Triangle>& triangles() const { return m_triangles; }
    const std::vector<std::string>& materials() const { return m_materials; }

private:
    std::vector<Vertex> m_vertices;
    std::vector<Triangle> m_triangles;
    std::vector<std::string> m_materials;
};
} // namespace assetgen
