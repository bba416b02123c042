#include "code/src/view/openingcredits.h"

#include "code/src/view/fadein.h"

namespace Belgarune
{
namespace
{
struct CreditText
{
    const wchar_t* title;
    const wchar_t* name;
};

const CreditText kCards[] = {
    {L"Graphik and conceptart", L"Ilka Morrow"},
    {L"Sounddesign", L"Tobin Hale"},
    {L"Programming", L"Renske Dahl"},
};

const irr::u32 kLeadIn = 1000;
const irr::u32 kCardSpacing = 6000;
const irr::u32 kCardLength = 5000;
} // namespace

std::optional<CreditCard> creditCardAt(irr::u32 msSinceStart)
{
    // Wraps to a huge value during the first second, which no card matches.
    const irr::u32 elapsed = msSinceStart - kLeadIn;
    for (irr::u32 card = 0; card < sizeof(kCards) / sizeof(kCards[0]); ++card)
    {
        const irr::u32 c = elapsed - card * kCardSpacing;
        if (c < 1 || c > kCardLength)
            continue;
        irr::f32 alpha = 1.0f;
        if (c < kFadeMs)
            alpha = fadeInAlpha(c);
        else if (c > kCardLength - kFadeMs)
            alpha = 1.0f - static_cast<irr::f32>(c - (kCardLength - kFadeMs)) / kFadeMs;
        return CreditCard{kCards[card].title, kCards[card].name, alpha};
    }
    return std::nullopt;
}
} // namespace Belgarune
