#include "code/src/world/item.h"

namespace Belgarune
{
std::optional<Item> toKey(irr::u32 number)
{
    if (number < static_cast<irr::u32>(Item::ViolinKey) || number > static_cast<irr::u32>(Item::AltoKey))
        return std::nullopt;
    return static_cast<Item>(number);
}
} // namespace Belgarune
