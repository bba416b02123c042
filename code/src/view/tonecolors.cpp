#include "code/src/view/tonecolors.h"

namespace Belgarune
{
irr::video::SColor toneColor(irr::u32 tone)
{
    static const irr::video::SColor colors[kToneCount] = {
        irr::video::SColor(255, 255, 105, 180), irr::video::SColor(255, 0, 0, 255),
        irr::video::SColor(255, 0, 255, 0), irr::video::SColor(255, 255, 255, 0), irr::video::SColor(255, 255, 0, 0)};
    return colors[tone];
}
} // namespace Belgarune
