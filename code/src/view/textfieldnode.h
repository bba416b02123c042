#pragma once
// A story text written on a wall: one small letter quad per character, each
// letter in the colour of one of the five tones, glowing once its tone is played.

#include "code/src/view/tonecolors.h"

#include <ISceneNode.h>
#include <S3DVertex.h>
#include <SMaterial.h>
#include <aabbox3d.h>
#include <irrArray.h>
#include <irrString.h>

namespace Belgarune
{
struct LetterInfo
{
    //! Game time in ms when the letter was lit; 0 while it waits.
    irr::u32 time = 0;
    //! Its four vertices in the node's vertex array.
    irr::core::array<irr::u16> vertices;
};

//! Placed under the scene's root so that the scene manager draws it.
class TextFieldNode : public irr::scene::ISceneNode
{
public:
    TextFieldNode(irr::scene::ISceneNode* parent, irr::scene::ISceneManager* manager, irr::s32 id);

    //! Lays the text out from position towards target, 0.4 units per letter and
    //! line, giving every character a random tone. Called once.
    void buildLetters(const irr::core::stringw& text, const irr::core::vector3df& position,
                      const irr::core::vector3df& target);
    //! The texture coordinates of the letter's 70 x 70 square in an atlas of
    //! that size; characters without a cell take the cell of 'a'.
    static void getLetterRect(irr::c8 letter, const irr::core::dimension2du& atlasSize,
                              irr::core::vector2df& topLeft, irr::core::vector2df& bottomRight);
    //! Lights every waiting letter of the tone now; each letter only once.
    void lightTone(irr::u32 tone);
    //! Lit letters glow in over 2000 ms of game time (the normal's x, 0..1).
    void updateLetters();

    const irr::core::array<irr::video::S3DVertex>& getVertices() const { return m_vertices; }
    const irr::core::array<irr::u16>& getIndices() const { return m_indices; }

    void OnRegisterSceneNode() override;
    void render() override;
    const irr::core::aabbox3d<irr::f32>& getBoundingBox() const override { return m_box; }
    irr::video::SMaterial& getMaterial(irr::u32) override { return m_material; }
    irr::u32 getMaterialCount() const override { return 1; }

private:
    void setUpMaterial();
    void appendLetter(const irr::core::vector3df (&corners)[4], const irr::core::vector2df& topLeft,
                      const irr::core::vector2df& bottomRight, irr::u32 tone);

    irr::core::aabbox3d<irr::f32> m_box;
    irr::core::array<irr::video::S3DVertex> m_vertices;
    irr::core::array<irr::u16> m_indices;
    irr::video::SMaterial m_material;
    irr::core::array<LetterInfo> m_litLetters;
    irr::core::array<LetterInfo> m_toneLetters[kToneCount];
};
} // namespace Belgarune
