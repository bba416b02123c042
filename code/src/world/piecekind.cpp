#include "code/src/world/piecekind.h"

namespace Belgarune
{
std::optional<PieceKind> toPieceKind(irr::s32 number)
{
    if (number < static_cast<irr::s32>(PieceKind::Floor) || number > static_cast<irr::s32>(PieceKind::Platform))
        return std::nullopt;
    return static_cast<PieceKind>(number);
}
} // namespace Belgarune
