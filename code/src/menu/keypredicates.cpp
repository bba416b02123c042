#include "code/src/menu/keypredicates.h"

#include <Keycodes.h>

namespace Belgarune
{
namespace
{
bool isEither(irr::s32 key, irr::EKEY_CODE first, irr::EKEY_CODE second)
{
    return key == first || key == second;
}
} // namespace

bool isUpKey(irr::s32 key)
{
    return isEither(key, irr::KEY_UP, irr::KEY_KEY_W);
}

bool isDownKey(irr::s32 key)
{
    return isEither(key, irr::KEY_DOWN, irr::KEY_KEY_S);
}

bool isLeftKey(irr::s32 key)
{
    return isEither(key, irr::KEY_LEFT, irr::KEY_KEY_A);
}

bool isRightKey(irr::s32 key)
{
    return isEither(key, irr::KEY_RIGHT, irr::KEY_KEY_D);
}

bool isAcceptKey(irr::s32 key)
{
    return isEither(key, irr::KEY_SPACE, irr::KEY_RETURN);
}

bool isCancelKey(irr::s32 key)
{
    return isEither(key, irr::KEY_ESCAPE, irr::KEY_KEY_X);
}
} // namespace Belgarune
