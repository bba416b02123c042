// The shared menu and game keys: each predicate accepts exactly its two keys.

#include "code/src/menu/keypredicates.h"

#include <gtest/gtest.h>

#include <Keycodes.h>

#include <set>

namespace
{
struct KeyCase
{
    const char* name;
    bool (*predicate)(irr::s32);
    std::set<irr::s32> keys;
};

const KeyCase kKeyCases[] = {
    {"up", Belgarune::isUpKey, {irr::KEY_UP, irr::KEY_KEY_W}},
    {"down", Belgarune::isDownKey, {irr::KEY_DOWN, irr::KEY_KEY_S}},
    {"left", Belgarune::isLeftKey, {irr::KEY_LEFT, irr::KEY_KEY_A}},
    {"right", Belgarune::isRightKey, {irr::KEY_RIGHT, irr::KEY_KEY_D}},
    {"accept", Belgarune::isAcceptKey, {irr::KEY_SPACE, irr::KEY_RETURN}},
    {"cancel", Belgarune::isCancelKey, {irr::KEY_ESCAPE, irr::KEY_KEY_X}},
};
} // namespace

TEST(KeyPredicates, EachAcceptsExactlyItsTwoKeys)
{
    for (const KeyCase& keyCase : kKeyCases)
    {
        std::set<irr::s32> accepted;
        for (irr::s32 key = 0; key < irr::KEY_KEY_CODES_COUNT; ++key)
        {
            if (keyCase.predicate(key))
                accepted.insert(key);
        }
        EXPECT_EQ(accepted, keyCase.keys) << keyCase.name;
    }
}
