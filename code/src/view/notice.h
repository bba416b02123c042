#pragma once
// A notice: a caption that fades in and vanishes when its time is over.

#include <irrString.h>
#include <irrTypes.h>

#include <optional>

namespace Belgarune
{
class Notice
{
public:
    //! Replaces the current notice. Times are game-clock milliseconds.
    void show(const irr::core::stringw& text, irr::u32 durationMs, irr::u32 nowMs);
    //! The notice's alpha at game time now, none once its duration is over.
    std::optional<irr::f32> alphaAt(irr::f64 now) const;
    const irr::core::stringw& getText() const { return m_noticeText; }

private:
    irr::u32 m_noticeStart = 0;
    irr::u32 m_noticeDuration = 0;
    irr::core::stringw m_noticeText;
};
} // namespace Belgarune
