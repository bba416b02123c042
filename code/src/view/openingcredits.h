#pragma once
// The opening credits: three cards, each shown for five seconds with half a
// second of fading at either end and a second between them.

#include <irrTypes.h>

#include <optional>

namespace Belgarune
{
struct CreditCard
{
    const wchar_t* title;
    const wchar_t* name;
    irr::f32 alpha;
};

//! The card on screen this many game milliseconds after the credits started;
//! none during the first second, between the cards and after the last.
std::optional<CreditCard> creditCardAt(irr::u32 msSinceStart);
} // namespace Belgarune
