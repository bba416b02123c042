#pragma once
// How each prop (piece kinds Pot to Platform) looks and stands: mesh,
// textures, offset, turn, scale and material, by kind and variant.

#include "code/src/world/piecekind.h"

#include <irrTypes.h>
#include <vector3d.h>

#include <optional>

namespace Belgarune
{
//! Whether a prop keeps its facing's yaw (turned further by the yaw of its
//! turn) or takes the yaw of its turn.
enum class PropYaw
{
    Facing,
    Fixed,
};

enum class PropShader
{
    //! The "env" shader, remembered, and its type on every material.
    Env,
    //! The "shell" shader, remembered.
    Shell,
    //! The "env" type on every material, not remembered.
    EnvType,
    //! No shader.
    None,
};

enum class PropExtra
{
    None,
    //! The ceiling's lamp hangs below it.
    Lamp,
    //! Back-face culling off.
    TwoSided,
};

struct PropLook
{
    PieceKind kind;
    //! None: the row of every variant that has none of its own.
    std::optional<irr::s32> variant;
    const char* mesh;
    //! Layer 2 of every material; null: none.
    const char* color;
    //! Layers 0 and 2 of material 0 only; null: none.
    const char* firstSurface;
    const char* firstColor;
    //! From the centre of the cell's floor.
    irr::core::vector3df offset;
    //! Pitch, yaw and roll in degrees.
    irr::core::vector3df turn;
    PropYaw yaw;
    irr::core::vector3df scale;
    PropShader shader;
    //! The material that takes the "env_alpha" type; -1: none.
    irr::s32 alphaMaterial;
    PropExtra extra;
};

//! The row of the kind and variant, else the kind's row for any variant;
//! null when there is neither (the prop has no mesh then).
const PropLook* findPropLook(PieceKind kind, irr::s32 variant);
} // namespace Belgarune
