#include "code/src/view/notice.h"

#include "code/src/view/fadein.h"

namespace Belgarune
{
void Notice::show(const irr::core::stringw& text, irr::u32 durationMs, irr::u32 nowMs)
{
    m_noticeStart = nowMs;
    m_noticeDuration = durationMs;
    m_noticeText = text;
}

std::optional<irr::f32> Notice::alphaAt(irr::f64 now) const
{
    const irr::u32 elapsed = now > m_noticeStart ? static_cast<irr::u32>(now - m_noticeStart) : 0;
    if (elapsed >= m_noticeDuration)
        return std::nullopt;
    return fadeInAlpha(elapsed);
}
} // namespace Belgarune
