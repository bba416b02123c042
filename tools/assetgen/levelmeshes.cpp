#include "tools/assetgen/levelmeshes.h"

#include "tools/assetgen/maths.h"

#include <cmath>
#include <vector>

namespace assetgen
{
namespace
{
constexpr float kHalfCell = 25.0f;
constexpr float kWallHeight = 110.0f;
//! Mesh units per texture repeat on trims and frames.
constexpr float kTrimSpan = 50.0f;

using Polygon = std::vector<std::pair<float, float>>;

Polygon veilOutline(VeilShape shape)
{
    Polygon outline;
    switch (shape)
    {
    case VeilShape::Arch:
        outline = {{-14, 12}, {14, 12}, {14, 70}};
        for (int i = 1; i < 12; ++i)
        {
            const float a = kPi * i / 12;
            outline.push_back({14 * std::cos(a), 70 + 18 * std::sin(a)});
        }
        outline.push_back({-14, 70});
        break;
    case VeilShape::Circle:
        for (int i = 0; i < 24; ++i)
        {
            const float a = 2 * kPi * i / 24;
            outline.push_back({16 * std::cos(a), 58 + 16 * std::sin(a)});
        }
        break;
    case VeilShape::Diamond:
        outline = {{0, 20}, {17, 58}, {0, 96}, {-17, 58}};
        break;
    case VeilShape::Cross:
        outline = {{-4, 18}, {4, 18}, {4, 62}, {16, 62}, {16, 72}, {4, 72}, {4, 95},
                   {-4, 95}, {-4, 72}, {-16, 72}, {-16, 62}, {-4, 62}};
        break;
    case VeilShape::Rune:
        outline = {{0, 16}, {14, 40}, {6, 58}, {14, 80}, {0, 98}, {-14, 80}, {-6, 58}, {-14, 40}};
        break;
    }
    return outline;
}
} // namespace

Mesh wallPanel(PanelFrame frame, const std::string& texture)
{
    // Built upright with the front toward -Z, then turned into the requested frame.
    const float bottom = frame == PanelFrame::ZUp ? -50.0f : 0.0f;
    const Placement placement = frame == PanelFrame::ZUp ? Placement::zUp() : Placement{};
    Mesh mesh;
    const unsigned stone = mesh.addMaterial(texture);
    mesh.addBox({-kHalfCell, bottom, 0}, {kHalfCell, bottom + kWallHeight, 10}, stone, placement);
    mesh.addBox({-kHalfCell, bottom, -3}, {kHalfCell, bottom + 8, 0}, stone, placement, kTrimSpan);
    mesh.addBox({-kHalfCell, bottom + kWallHeight - 6, -2}, {kHalfCell, bottom + kWallHeight, 0}, stone,
                placement, kTrimSpan);
    return mesh;
}

Mesh bars(const BarsStyle& style, const std::string& texture)
{
    Mesh mesh;
    const unsigned metal = mesh.addMaterial(texture);
    const float from = -12.5f, to = 37.5f;
    for (int i = 0; i < style.bars; ++i)
    {
        const float x = from + (to - from) * (i + 0.5f) / style.bars;
        if (style.square)
            mesh.addBox({x - style.radius, 0, -style.radius}, {x + style.radius, kWallHeight, style.radius}, metal,
                        {}, kTrimSpan);
        else
            mesh.addLathe({{0, 0}, {style.radius, 0}, {style.radius, kWallHeight}, {0, kWallHeight}}, 8, metal,
                          Placement::at({x, 0, 0}));
    }
    for (int i = 0; i < style.crossBars; ++i)
    {
        const float y = 8 + (kWallHeight - 20) * i / std::max(style.crossBars - 1, 1);
        mesh.addBox({from, y, -2.2f}, {to, y + 4, 2.2f}, metal, {}, kTrimSpan);
    }
    return mesh;
}

Mesh blockingDoor(VeilShape shape, const std::string& slabTexture, const std::string& sealTexture, DoorSeal seal)
{
    Mesh mesh;
    const unsigned slab = mesh.addMaterial(slabTexture);
    mesh.addBox({-kHalfCell, 0, -5}, {kHalfCell, kWallHeight, 5}, slab);
    mesh.addBox({-kHalfCell - 1, kWallHeight - 8, -6}, {kHalfCell + 1, kWallHeight, 6}, slab, {}, kTrimSpan);
    const float halfDepth = seal == DoorSeal::Veil ? 5.6f : 7.0f;
    mesh.addPrism(veilOutline(shape), -halfDepth, halfDepth, mesh.addMaterial(sealTexture));
    return mesh;
}

Mesh grateDoor(const std::string& texture)
{
    Mesh mesh;
    const unsigned metal = mesh.addMaterial(texture);
    mesh.addBox({-kHalfCell, 0, -2}, {-kHalfCell + 4, kWallHeight, 2}, metal, {}, kTrimSpan);
    mesh.addBox({kHalfCell - 4, 0, -2}, {kHalfCell, kWallHeight, 2}, metal, {}, kTrimSpan);
    for (float y : {2.0f, 55.0f, kWallHeight - 6})
        mesh.addBox({-kHalfCell, y, -2}, {kHalfCell, y + 4, 2}, metal, {}, kTrimSpan);
    for (int i = 1; i < 7; ++i)
    {
        const float x = -kHalfCell + 50.0f * i / 7;
        mesh.addLathe({{0, 0}, {1.3f, 0}, {1.3f, kWallHeight}, {0, kWallHeight}}, 8, metal, Placement::at({x, 0, 0}));
    }
    mesh.addBox({14, 48, -3.5f}, {20, 62, 3.5f}, metal, {}, kTrimSpan);
    return mesh;
}
} // namespace assetgen
