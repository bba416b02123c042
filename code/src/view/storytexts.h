#pragma once
// The fifteen story texts written on the dungeon's walls, and how the hero's
// tones light them.

#include <irrArray.h>
#include <irrTypes.h>

namespace irr
{
namespace scene
{
class ISceneManager;
}
} // namespace irr

namespace Belgarune
{
class TextFieldNode;

//! Builds the texts under the scene's root, in their fixed order. The scene
//! graph owns the nodes.
irr::core::array<TextFieldNode*> buildStoryTexts(irr::scene::ISceneManager* sceneManager);

//! A text lights the tone when the hero holds the violin key and the camera
//! in use is closer than this to the text's start.
constexpr irr::f32 kToneReach = 20.0f;

//! Lights the tone on every text within kToneReach of GameBase's camera, when
//! the hero holds the violin key.
void lightStoryTexts(const irr::core::array<TextFieldNode*>& texts, irr::u32 tone);
} // namespace Belgarune
