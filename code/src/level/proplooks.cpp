#include "code/src/level/proplooks.h"

#include "code/src/level/levelmaterial.h"

namespace Belgarune
{
namespace
{
using irr::core::vector3df;
using K = PieceKind;

constexpr std::nullopt_t kAny = std::nullopt;
const vector3df kNone(0.0f, 0.0f, 0.0f);
const vector3df kKeystoneScale(0.3f, 0.3f, 0.3f);

// clang-format off
// Each row: kind, variant, mesh, colour; first material's surface and colour;
// offset, turn, yaw, scale; shader, alpha material, extra.
const PropLook kPropLooks[] = {
    {K::Pot, kAny, "topf1.X", "qv_topf1B_cm.png",
        nullptr, nullptr,
        kNone, vector3df(0.0f, 45.0f, 0.0f), PropYaw::Facing, kPieceScale,
        PropShader::Env, -1, PropExtra::None},
    {K::Pedestal, kAny, "podest1.X", "QVsaule1B_cm.png",
        nullptr, nullptr,
        kNone, kNone, PropYaw::Facing, kPieceScale,
        PropShader::Env, -1, PropExtra::None},
    {K::Instrument, kAny, "inst.X", "muschel_uv_b.png",
        nullptr, nullptr,
        vector3df(0.0f, 6.0f, 0.0f), vector3df(-90.0f, 0.0f, 0.0f), PropYaw::Facing, kPieceScale,
        PropShader::Shell, -1, PropExtra::None},
    {K::Pillar, kAny, "saule1.X", "QVSaeule_cm.png",
        nullptr, nullptr,
        kNone, kNone, PropYaw::Facing, kPieceScale,
        PropShader::Env, -1, PropExtra::None},
    {K::Ceiling, kAny, "ceil.X", nullptr,
        nullptr, nullptr,
        vector3df(0.0f, 22.0f, 0.0f), kNone, PropYaw::Facing, kPieceScale,
        PropShader::None, -1, PropExtra::Lamp},
    {K::Keystone, 1, "keystone.X", nullptr,
        "QVKeystone1A.png", "QVKeystone1A_cm.png",
        vector3df(7.0f, 0.0f, -6.0f), vector3df(-90.0f, -135.0f, 0.0f), PropYaw::Fixed, kKeystoneScale,
        PropShader::Env, -1, PropExtra::None},
    {K::Keystone, 2, "keystone.X", nullptr,
        "QVKeystone2A.png", "QVKeystone2A_cm.png",
        vector3df(5.0f, 0.0f, -4.0f), vector3df(-90.0f, -90.0f, 0.0f), PropYaw::Fixed, kKeystoneScale,
        PropShader::Env, -1, PropExtra::None},
    {K::Keystone, 3, "keystone.X", nullptr,
        "QVKeystone3A.png", "QVKeystone3A_cm.png",
        kNone, vector3df(-90.0f, -45.0f, 0.0f), PropYaw::Fixed, kKeystoneScale,
        PropShader::Env, -1, PropExtra::None},
    {K::Keystone, kAny, "keystone.X", nullptr,
        nullptr, nullptr,
        kNone, kNone, PropYaw::Facing, kKeystoneScale,
        PropShader::Env, -1, PropExtra::None},
    {K::Grave, 1, "grave_1.X", "QVGraveQueen_cm.png",
        nullptr, nullptr,
        vector3df(15.0f, 0.0f, 0.0f), kNone, PropYaw::Facing, kPieceScale,
        PropShader::EnvType, 5, PropExtra::None},
    {K::Grave, 2, "grave_2.X", "QVGraveChild_cm.png",
        nullptr, nullptr,
        vector3df(15.0f, 0.0f, 0.0f), kNone, PropYaw::Facing, kPieceScale,
        PropShader::EnvType, 6, PropExtra::None},
    {K::Grave, 3, "grave_3.X", "GraveUnknown_cm.png",
        nullptr, nullptr,
        vector3df(0.0f, 0.0f, 15.0f), kNone, PropYaw::Facing, kPieceScale,
        PropShader::EnvType, 6, PropExtra::None},
    {K::Map, kAny, "map.X", "QVMapBack2_cm.png",
        nullptr, nullptr,
        vector3df(0.0f, 2.0f, 0.0f), kNone, PropYaw::Facing, kPieceScale,
        PropShader::Env, -1, PropExtra::TwoSided},
    {K::KillsTablet, kAny, "kill1.X", "QVBoden1_cm.png",
        nullptr, nullptr,
        vector3df(0.0f, 16.0f, 0.0f), kNone, PropYaw::Facing, kPieceScale,
        PropShader::Env, -1, PropExtra::None},
    {K::ViolinKey, kAny, "item_vio.X", "QVBoden1_cm.png",
        nullptr, nullptr,
        vector3df(0.0f, 7.0f, 0.0f), vector3df(-90.0f, 0.0f, 0.0f), PropYaw::Facing, kPieceScale,
        PropShader::Env, -1, PropExtra::None},
    {K::BassKey, kAny, "item_bass.X", "QVBoden1_cm.png",
        nullptr, nullptr,
        vector3df(0.0f, 7.0f, 0.0f), vector3df(-90.0f, 270.0f, 0.0f), PropYaw::Fixed, kPieceScale,
        PropShader::Env, -1, PropExtra::None},
    {K::AltoKey, kAny, "item_alt.X", "QVBoden1_cm.png",
        nullptr, nullptr,
        vector3df(0.0f, 7.0f, 0.0f), vector3df(0.0f, 0.0f, 90.0f), PropYaw::Facing, kPieceScale,
        PropShader::Env, -1, PropExtra::None},
    {K::HealStone, kAny, "hs.X", "qvHealing_cm.png",
        nullptr, nullptr,
        kNone, kNone, PropYaw::Facing, kPieceScale,
        PropShader::Env, -1, PropExtra::None},
    {K::Platform, 3, "plat2.X", "Plattform_cm.png",
        nullptr, nullptr,
        kNone, kNone, PropYaw::Facing, kPieceScale,
        PropShader::Env, -1, PropExtra::None},
    {K::Platform, kAny, "plat.X", "Plattform_cm.png",
        nullptr, nullptr,
        kNone, kNone, PropYaw::Facing, kPieceScale,
        PropShader::Env, -1, PropExtra::None},
};
// clang-format on
} // namespace

const PropLook* findPropLook(PieceKind kind, irr::s32 variant)
{
    const PropLook* anyVariant = nullptr;
    for (const PropLook& look : kPropLooks)
    {
        if (look.kind != kind)
            continue;
        if (look.variant == variant)
            return &look;
        if (!look.variant && !anyVariant)
            anyVariant = &look;
    }
    return anyVariant;
}
} // namespace Belgarune
