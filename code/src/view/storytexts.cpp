#include "code/src/view/storytexts.h"

#include "code/src/state/gamebase.h"
#include "code/src/view/textfieldnode.h"
#include "code/src/view/wallpoint.h"
#include "code/src/world/item.h"

#include <ICameraSceneNode.h>
#include <ISceneManager.h>

namespace Belgarune
{
namespace
{
struct StoryText
{
    const wchar_t* text;
    //! The text runs from the second cell towards the first.
    irr::core::vector2d<irr::s32> firstCell;
    irr::core::vector2d<irr::s32> secondCell;
    WallSide side;
    bool raised;
};

const irr::f32 kTextHeight = 7.5f;

const StoryText kStoryTexts[] = {
    {L"she wished she could turn him back\nbut his madness dwelled and grew", {350, 246}, {349, 246},
     WallSide::MinusZ, false},
    {L"and in a flood of tears\nshe brought him down", {353, 250}, {353, 249}, WallSide::PlusX, false},
    {L"and watched and prayed over the king\nwho was buried alive", {349, 254}, {350, 254}, WallSide::PlusZ, false},
    {L"the sister led him into the green\nto peel of his face with a knife", {265, 237}, {265, 238},
     WallSide::MinusX, false},
    {L"so he was invisible\nin a world full of faces", {269, 234}, {268, 234}, WallSide::MinusZ, false},
    {L"the prince lived on secretly\nand escaped the foes hands", {273, 238}, {273, 237}, WallSide::PlusX, false},
    {L"after the death of the queen\nthe faceless prince became king", {243, 247}, {244, 247}, WallSide::PlusZ, false},
    {L"people in his kingdom had to\nbe faceless like himself", {240, 243}, {240, 244}, WallSide::MinusX, false},
    {L"and his Sister sang her\nsong again to ease the pain", {244, 239}, {243, 239}, WallSide::MinusZ, false},
    {L"they came with\ninhuman power and\nbrought us down", {280, 247}, {279, 247}, WallSide::MinusZ, true},
    {L"our queen couldnt\nsubsist against\nthe foes power", {282, 249}, {282, 248}, WallSide::PlusX, true},
    {L"The queen was\nwilling to\ngive everything", {279, 253}, {280, 253}, WallSide::PlusZ, true},
    {L"so she gave up on\nher son. killing\none to spare\neveryone", {282, 253}, {282, 252}, WallSide::PlusX, true},
    {L"the mothers song\ngives time where\nit is needed", {292, 248}, {291, 248}, WallSide::MinusZ, true},
    {L"for she was the\none who had none\nof it left", {291, 252}, {292, 252}, WallSide::PlusZ, true},
};
} // namespace

irr::core::array<TextFieldNode*> buildStoryTexts(irr::scene::ISceneManager* sceneManager)
{
    irr::core::array<TextFieldNode*> texts;
    for (const StoryText& story : kStoryTexts)
    {
        TextFieldNode* node = new TextFieldNode(sceneManager->getRootSceneNode(), sceneManager, -1);
        node->buildLetters(story.text, wallPoint(story.secondCell, story.side, kTextHeight, story.raised),
                           wallPoint(story.firstCell, story.side, kTextHeight, false));
        texts.push_back(node);
        node->drop();
    }
    return texts;
}

void lightStoryTexts(const irr::core::array<TextFieldNode*>& texts, irr::u32 tone)
{
    if (!g_gameBase->m_hasItem[itemSlot(Item::ViolinKey)] || !g_gameBase->m_camera)
        return;
    const irr::core::vector3df listener = g_gameBase->m_camera->getPosition();
    for (irr::u32 i = 0; i < texts.size(); ++i)
        if (texts[i]->getPosition().getDistanceFrom(listener) < kToneReach)
            texts[i]->lightTone(tone);
}
} // namespace Belgarune
