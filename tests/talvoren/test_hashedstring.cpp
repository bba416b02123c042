#include "talvoren/hashedstring.h"
#include "talvoren/ieventdata.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

namespace
{
TEST(HashedString, WildcardNullAndEmptyHashToZero)
{
    EXPECT_EQ(HashedString::computeHash("*"), 0u);
    EXPECT_EQ(HashedString::computeHash(nullptr), 0u);
    EXPECT_EQ(HashedString::computeHash(""), 0u);
    EXPECT_NE(HashedString::computeHash("**"), 0u) << "only the exact name \"*\" is the wildcard";
    HashedString none(nullptr);
    EXPECT_EQ(none.getHashValue(), 0u);
    EXPECT_EQ(none.getName(), "");
}

TEST(HashedString, AdlerOfLowerCasedNameWithSumsStartingAtZero)
{
    EXPECT_EQ(HashedString::computeHash("abc"), 0x024A0126u);
    EXPECT_EQ(HashedString::computeHash("ABC"), 0x024A0126u);
    EXPECT_EQ(HashedString::computeHash("a"), 0x00610061u);
    const HashedString type("PlaySoundEvent");
    EXPECT_EQ(type.getName(), "PlaySoundEvent") << "the name is kept as spelled";
    EXPECT_EQ(type.getHashValue(), HashedString::computeHash("playsoundevent"));
}

TEST(HashedString, LongNamesFoldEveryLetter)
{
    const std::uint32_t expected = HashedString::computeHash("CreateTriggerConditionEvent");
    EXPECT_EQ(HashedString::computeHash("createtriggerconditionevent"), expected);
    EXPECT_EQ(HashedString::computeHash("CREATETRIGGERCONDITIONEVENT"), expected);
    EXPECT_EQ(HashedString::computeHash("cReAtEtRiGgErCoNdItIoNeVeNt"), expected);
    EXPECT_NE(HashedString::computeHash("CreateTriggerConditionEvenT_"), expected);
}

TEST(HashedString, SumsAreReducedAcrossBlocksOfLongNames)
{
    // 6000 times 'z' (122) spans two blocks; the sums have closed forms.
    const std::string name(6000, 'Z');
    const std::uint64_t s1 = 122ull * 6000 % 65521;
    const std::uint64_t s2 = 122ull * 6000 * 6001 / 2 % 65521;
    EXPECT_EQ(HashedString::computeHash(name.c_str()), static_cast<std::uint32_t>(s2 << 16 | s1));
}

TEST(HashedString, BytesAbove127CountAsTheyAre)
{
    EXPECT_EQ(HashedString::computeHash("\xC4"), (196u << 16) | 196u);
    EXPECT_NE(HashedString::computeHash("\xC4"), HashedString::computeHash("\xE4"))
        << "only ASCII letters are folded";
}

TEST(HashedString, EqualHashesAreTheSameTypeWhateverTheName)
{
    // a+b+c and 3a+2b+c agree for "bdb" and "cbc": a true collision of different names.
    const HashedString first("bdb");
    const HashedString second("cbc");
    ASSERT_EQ(first.getHashValue(), second.getHashValue());
    EXPECT_TRUE(first == second);
    EXPECT_FALSE(first < second);
    EXPECT_FALSE(second < first);

    const HashedString small("a");
    const HashedString large("b");
    EXPECT_TRUE(small < large);
    EXPECT_FALSE(large < small);
    EXPECT_FALSE(small == large);
}

class StampedEvent : public BaseEventData
{
public:
    explicit StampedEvent(std::uint32_t stamp) : BaseEventData(stamp) {}
    const HashedString& getEventType() const override { return kEventType; }
    static const HashedString kEventType;
};
const HashedString StampedEvent::kEventType("StampedEvent");

TEST(EventData, CopiesShareTheFollowUpEventAndKeepTheTimeStamp)
{
    StampedEvent original(42);
    EXPECT_EQ(original.m_followUpEvent, nullptr);
    original.m_followUpEvent = std::make_shared<StampedEvent>(7);
    const StampedEvent copy(original);
    EXPECT_EQ(copy.m_followUpEvent.get(), original.m_followUpEvent.get());
    EXPECT_EQ(original.m_followUpEvent.use_count(), 2);
    EXPECT_EQ(copy.getTimeStamp(), 42u);
    EXPECT_TRUE(copy.getEventType() == StampedEvent::kEventType);
}
} // namespace
