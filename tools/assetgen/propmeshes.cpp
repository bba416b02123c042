#include "tools/assetgen/propmeshes.h"

#include "tools/assetgen/maths.h"

#include <algorithm>
#include <cmath>

namespace assetgen
{
namespace
{
constexpr float kTrimSpan = 40.0f;

//! A quad visible from both sides: centre plus two half-extent axes.
void addCard(Mesh& mesh, const Vec3& centre, const Vec3& halfU, const Vec3& halfV, unsigned material)
{
    const Vec3 normal = normalised(cross(halfU, halfV));
    for (const Vec3& n : {normal, -normal})
        mesh.addQuad({centre - halfU - halfV, n, 0, 1}, {centre + halfU - halfV, n, 1, 1},
                     {centre + halfU + halfV, n, 1, 0}, {centre - halfU + halfV, n, 0, 0}, material);
}

//! Catmull-Rom curve through control points, for t in [0, 1].
Vec3 spline(const std::vector<Vec3>& points, float t)
{
    const int segments = static_cast<int>(points.size()) - 1;
    const float scaled = std::clamp(t, 0.0f, 1.0f) * segments;
    const int i = std::min(static_cast<int>(scaled), segments - 1);
    const float f = scaled - static_cast<float>(i);
    const Vec3& p0 = points[std::max(i - 1, 0)];
    const Vec3& p1 = points[i];
    const Vec3& p2 = points[i + 1];
    const Vec3& p3 = points[std::min(i + 2, segments)];
    const float f2 = f * f, f3 = f2 * f;
    return (p1 * 2 + (p2 - p0) * f + (p0 * 2 - p1 * 5 + p2 * 4 - p3) * f2 + (p1 * 3 - p0 - p2 * 3 + p3) * f3) * 0.5f;
}

void addCurve(Mesh& mesh, const std::vector<Vec3>& points, float radius, unsigned material, const Placement& placement)
{
    mesh.addTube([&](float t) { return spline(points, t); }, radius, 10, material, placement);
    mesh.addEllipsoid(points.front(), {radius, radius, radius}, 10, material, placement);
    mesh.addEllipsoid(points.back(), {radius, radius, radius}, 10, material, placement);
}
} // namespace

Mesh turnedProp(const std::vector<std::pair<float, float>>& profile, int segments, const std::string& texture)
{
    Mesh mesh;
    mesh.addLathe(profile, segments, mesh.addMaterial(texture));
    return mesh;
}

Mesh ceilingHolder(const std::string& texture)
{
    Mesh mesh;
    const unsigned iron = mesh.addMaterial(texture);
    mesh.addLathe({{0, -1}, {22, -1}, {22, 1}, {0, 1}}, 16, iron);
    mesh.addLathe({{0, -9}, {1.2f, -9}, {1.2f, 0}, {0, 0}}, 6, iron);
    mesh.addLathe({{0, -17}, {3, -16}, {7, -12}, {6, -9}, {0, -9}}, 12, iron);
    return mesh;
}

Mesh lampGlow(const std::string& texture)
{
    Mesh mesh;
    const unsigned glow = mesh.addMaterial(texture);
    for (int i = 0; i < 3; ++i)
    {
        const float a = kPi * i / 3;
        addCard(mesh, {}, {14 * std::cos(a), 0, 14 * std::sin(a)}, {0, 14, 0}, glow);
    }
    addCard(mesh, {}, {14, 0, 0}, {0, 0, 14}, glow);
    return mesh;
}

Mesh keystone(const std::string& texture)
{
    Mesh mesh;
    const unsigned stone = mesh.addMaterial(texture);
    mesh.addPrism({{-10, 0}, {10, 0}, {8, 25}, {0, 30}, {-8, 25}}, -4, 4, stone, Placement::zUp());
    return mesh;
}

Mesh grave(const GraveStyle& style)
{
    Mesh mesh;
    const float half = style.length / 2;
    const unsigned plinth = mesh.addMaterial(style.stone);
    const unsigned body = mesh.addMaterial(style.body);
    const unsigned lid = mesh.addMaterial(style.body);
    const unsigned headstone = mesh.addMaterial(style.stone);
    const unsigned candles = mesh.addMaterial(style.candle);
    mesh.addBox({-half - 6, 0, -26}, {half + 6, 6, 26}, plinth, {}, kTrimSpan);
    mesh.addBox({-half, 6, -18}, {half, 26, 18}, body);
    mesh.addBox({-half - 2, 26, -20}, {half + 2, 30, 20}, lid, {}, kTrimSpan);
    mesh.addPrism({{-16, 0}, {16, 0}, {16, 40}, {0, 52}, {-16, 40}}, -4, 4, headstone,
                  Placement{{0, 0, 1}, {0, 1, 0}, {-1, 0, 0}, {-half - 2, 30, 0}});
    for (float z : {-22.0f, 22.0f})
    {
        mesh.addLathe({{0, 6}, {2.5f, 6}, {2.5f, 20}, {0, 20}}, 8, candles, Placement::at({half + 2, 0, z}));
    }
    for (int extra = 0; extra + 1 < style.extraMaterials; ++extra)
    {
        // Urns at the foot end.
        const unsigned urn = mesh.addMaterial(style.stone);
        mesh.addLathe({{0, 30}, {4, 30}, {6, 35}, {3, 40}, {4, 42}, {0, 42}}, 10, urn,
                      Placement::at({half - 10 - 14.0f * extra, 0, 0}));
    }
    const unsigned veil = mesh.addMaterial(style.veil);
    for (int i = 0; i < 2; ++i)
    {
        const float a = kPi * (0.25f + 0.5f * i);
        addCard(mesh, {0, 44, 0}, {half * 0.8f * std::cos(a), 0, half * 0.8f * std::sin(a) * 0.5f}, {0, 14, 0}, veil);
    }
    return mesh;
}

Mesh mapStand(const std::string& sheetTexture, const std::string& standTexture)
{
    Mesh mesh;
    const unsigned sheet = mesh.addMaterial(sheetTexture);
    const unsigned wood = mesh.addMaterial(standTexture);
    addCard(mesh, {0, 26, 0}, {14, 0, 0}, {0, 8, -6}, sheet);
    mesh.addBox({-2, 0, -2}, {2, 22, 2}, wood, {}, kTrimSpan);
    mesh.addBox({-10, 0, -8}, {10, 2, 8}, wood, {}, kTrimSpan);
    mesh.addBox({-15, 18, -8}, {15, 21, 8}, wood, {}, kTrimSpan);
    return mesh;
}

Mesh crusher(const std::string& texture)
{
    Mesh mesh;
    const unsigned iron = mesh.addMaterial(texture);
    mesh.addBox({-125, 8, -125}, {125, 50, 125}, iron, {}, 125);
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 5; ++j)
        {
            const float x = -100 + 50.0f * i, z = -100 + 50.0f * j;
            mesh.addBox({x - 12, 0, z - 12}, {x + 12, 8, z + 12}, iron, {}, 50);
        }
    return mesh;
}

Mesh squarePlinth(const std::string& texture)
{
    Mesh mesh;
    const unsigned stone = mesh.addMaterial(texture);
    mesh.addBox({-25, -100, -25}, {25, 2, 25}, stone, {}, 50);
    return mesh;
}

Mesh clefItem(Clef clef, const std::string& texture)
{
    Mesh mesh;
    const unsigned gold = mesh.addMaterial(texture);
    switch (clef)
    {
    case Clef::Treble:
    {
        const std::vector<Vec3> curve = {{1, 8, 0},   {-2, 7, 0},  {-2, 4, 0}, {1, 2, 0},  {5, 4, 0},
                                         {5, 9, 0},   {0, 13, 0},  {-4, 17, 0}, {-1, 25, 0}, {2, 22, 0},
                                         {0, 14, 0},  {0, 0, 0},   {-2, -2, 0}, {-4, 0, 0}};
        addCurve(mesh, curve, 1.2f, gold, Placement::zUp());
        break;
    }
    case Clef::Bass:
    {
        const std::vector<Vec3> curve = {{-5, 16, 0}, {-3, 20, 0}, {3, 20, 0}, {6, 15, 0},
                                         {4, 8, 0},   {-1, 3, 0},  {-6, 0, 0}};
        addCurve(mesh, curve, 1.3f, gold, Placement::zUp());
        mesh.addEllipsoid({-5, 16, 0}, {3, 3, 3}, 12, gold, Placement::zUp());
        mesh.addEllipsoid({10, 18, 0}, {1.6f, 1.6f, 1.6f}, 10, gold, Placement::zUp());
        mesh.addEllipsoid({10, 12, 0}, {1.6f, 1.6f, 1.6f}, 10, gold, Placement::zUp());
        break;
    }
    case Clef::Alto:
    {
        const Placement upright = Placement::xUp();
        mesh.addBox({-8, 0, -1.5f}, {-5, 25, 1.5f}, gold, upright, 10);
        mesh.addBox({-3, 0, -1}, {-2, 25, 1}, gold, upright, 10);
        addCurve(mesh, {{-1, 13, 0}, {5, 15, 0}, {7, 20, 0}, {5, 24, 0}, {0, 25, 0}}, 1.1f, gold, upright);
        addCurve(mesh, {{-1, 12, 0}, {5, 10, 0}, {7, 5, 0}, {5, 1, 0}, {0, 0, 0}}, 1.1f, gold, upright);
        break;
    }
    }
    return mesh;
}

Mesh shellInstrument(const std::string& texture)
{
    Mesh mesh;
    const unsigned shell = mesh.addMaterial(texture);
    const Placement upright = Placement::zUp();
    mesh.addLathe({{0, 0}, {2, 0.5f}, {6, 4}, {8, 9}, {7, 15}, {4.5f, 20}, {2, 24}, {0, 25}}, 16, shell, upright);
    for (int whorl = 0; whorl < 4; ++whorl)
    {
        const float y = 8 + 4.0f * whorl, r = 7.5f - 1.4f * whorl;
        mesh.addTube([=](float t) {
            const float a = 2 * kPi * t;
            return Vec3{r * std::cos(a), y + 2 * t, r * std::sin(a)};
        }, 0.9f, 6, shell, upright);
    }
    return mesh;
}

Mesh healingStone(const std::string& rockTexture, const std::string& crystalTexture)
{
    Mesh mesh;
    const unsigned rock = mesh.addMaterial(rockTexture);
    const unsigned crystal = mesh.addMaterial(crystalTexture);
    mesh.addLathe({{0, 0}, {20, 0}, {19, 5}, {14, 9}, {0, 10}}, 10, rock);
    const float tilts[4][3] = {{0, 0, 26}, {0.35f, 0.8f, 18}, {-0.3f, 2.6f, 16}, {0.3f, 4.4f, 14}};
    for (const auto& t : tilts)
    {
        const float lean = t[0], turn = t[1], height = t[2];
        const Vec3 up = normalised({std::sin(lean) * std::cos(turn), std::cos(lean), std::sin(lean) * std::sin(turn)});
        const Vec3 side = normalised(cross(up, {0, 0, 1}));
        const Vec3 depth = cross(side, up);
        const Placement placement{side, depth, up, {3 * std::sin(turn), 8, 3 * std::cos(turn)}};
        std::vector<std::pair<float, float>> hexagon;
        for (int k = 0; k < 6; ++k)
            hexagon.push_back({4 * std::cos(kPi * k / 3), 4 * std::sin(kPi * k / 3)});
        mesh.addPrism(hexagon, 0, height, crystal, placement);
        mesh.addLathe({{4, 0}, {0, 5}}, 6, crystal, Placement{side, up, depth, up * height + placement.offset});
    }
    return mesh;
}

Mesh bubble(const std::string& texture)
{
    Mesh mesh;
    mesh.addEllipsoid({}, {50, 50, 50}, 32, mesh.addMaterial(texture));
    return mesh;
}
} // namespace assetgen
