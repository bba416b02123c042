#include "talvoren/events/flipnovelcharacterevent.h"
#include "talvoren/events/nexttextevent.h"
#include "talvoren/events/setnovelcharactercolorevent.h"
#include "talvoren/events/settextboxevent.h"
#include "talvoren/eventloginputarchive.h"
#include "tests/support/tempdir.h"
#include "tests/talvoren/eventtesthelpers.h"

#include <boost/archive/text_oarchive.hpp>
#include <boost/serialization/base_object.hpp>
#include <boost/serialization/export.hpp>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using eventtest::AlphaEvent;
using eventtest::Journal;

namespace eventlogtest
{
//! An event with a time stamp of its own, exported by the test.
class StampedLogEvent : public BaseEventData
{
public:
    explicit StampedLogEvent(std::uint32_t stamp = 0) : BaseEventData(stamp) {}
    const HashedString& getEventType() const override { return kEventType; }
    static const HashedString kEventType;

private:
    friend class boost::serialization::access;
    template <class Archive>
    void serialize(Archive& archive, unsigned int)
    {
        archive& boost::serialization::base_object<BaseEventData>(*this);
    }
};
const HashedString StampedLogEvent::kEventType("StampedLogEvent");
} // namespace eventlogtest

BOOST_CLASS_EXPORT_GUID(eventlogtest::StampedLogEvent, "StampedLogEvent")

namespace
{
using eventlogtest::StampedLogEvent;

const char* const kFile = "Eventlog.txt";

class EventLogTest : public testing::Test, protected eventtest::ManagerWithClock
{
protected:
    EventLogTest()
    {
        for (const HashedString* type : {&NextTextEvent::kEventType, &SetTextBoxEvent::kEventType,
                                         &SetNovelCharacterColorEvent::kEventType,
                                         &FlipNovelCharacterEvent::kEventType})
        {
            manager.registerEventType(*type);
            listen("novel", *type);
        }
        listen("a", AlphaEvent::kEventType);
    }

    //! Saves one event of each exported class in the order given by the test.
    void saveFourNovelEvents()
    {
        manager.setLogEvents(true);
        manager.queueEvent(std::make_shared<SetTextBoxEvent>());
        manager.queueEvent(std::make_shared<NextTextEvent>());
        manager.queueEvent(std::make_shared<FlipNovelCharacterEvent>());
        manager.queueEvent(std::make_shared<SetNovelCharacterColorEvent>());
        manager.setLogEvents(false);
        manager.saveEventLog(kFile);
        manager.tick(EventManager::kInfinite);
        journal.clear();
    }

    //! Replays the loaded events, one tick per millisecond, and returns what reached the listeners.
    Journal replay(int ticks)
    {
        journal.clear();
        for (int i = 0; i < ticks; ++i)
        {
            ++now;
            manager.tick(EventManager::kInfinite);
        }
        return journal;
    }

    testsupport::TempWorkDir m_dir;
};

// --- Recording -----------------------------------------------------------------

TEST_F(EventLogTest, RecordsOnlyAcceptedQueuedEventsWhileSwitchedOn)
{
    manager.queueEvent(std::make_shared<AlphaEvent>(1));
    manager.setLogEvents(true);
    manager.queueEvent(std::make_shared<AlphaEvent>(2));
    manager.trigger(AlphaEvent(3));
    static constexpr char kName[] = "Unheard";
    using Unheard = eventtest::NamedEvent<kName>;
    manager.registerEventType(Unheard::kEventType);
    EXPECT_FALSE(manager.queueEvent(std::make_shared<Unheard>()));
    manager.setLogEvents(false);
    manager.queueEvent(std::make_shared<AlphaEvent>(4));
    manager.setLogEvents(true);
    manager.queueEvent(std::make_shared<AlphaEvent>(5));

    ASSERT_EQ(manager.getLoggedEvents().size(), 2u);
    EXPECT_EQ(static_cast<const AlphaEvent&>(*manager.getLoggedEvents()[0]).tag, 2);
    EXPECT_EQ(static_cast<const AlphaEvent&>(*manager.getLoggedEvents()[1]).tag, 5);
}

// --- Saving and loading ----------------------------------------------------------

TEST_F(EventLogTest, EmptyRecordSavesHeaderAndZeroAndLoadsAsNothing)
{
    manager.saveEventLog(kFile);
    const std::string text = testsupport::readFile(kFile);
    EXPECT_NE(text.find("serialization::archive"), std::string::npos);
    EXPECT_NE(text.find(" 0"), std::string::npos);
    manager.loadEventLog(kFile);
    EXPECT_EQ(manager.getReplayEventCount(), 0u);
}

TEST_F(EventLogTest, ExportedClassesRoundTripUnderTheirClassNames)
{
    saveFourNovelEvents();
    const std::string text = testsupport::readFile(kFile);
    for (const char* name : {"SetTextBoxEvent", "NextTextEvent", "FlipNovelCharacterEvent",
                             "SetNovelCharacterColorEvent"})
        EXPECT_NE(text.find(name), std::string::npos) << name;
    EXPECT_EQ(manager.getLoggedEvents().size(), 4u) << "saving keeps the record";

    EventManager other("Other", false);
    other.loadEventLog(kFile);
    EXPECT_EQ(other.getReplayEventCount(), 4u);

    manager.loadEventLog(kFile);
    EXPECT_EQ(replay(4), (Journal{"novel:SetTextBoxEvent:-1", "novel:NextTextEvent:-1",
                                  "novel:FlipNovelCharacterEvent:-1", "novel:SetNovelCharacterColorEvent:-1"}));
}

TEST_F(EventLogTest, ReplayQueuesOneEventPerTickOnceTimeHasPassed)
{
    saveFourNovelEvents();
    manager.loadEventLog(kFile);
    manager.tick(EventManager::kInfinite);
    EXPECT_EQ(manager.getReplayEventCount(), 4u) << "no time has passed since loading";
    EXPECT_TRUE(journal.empty());
    ++now;
    manager.tick(EventManager::kInfinite);
    EXPECT_EQ(manager.getReplayEventCount(), 3u) << "one per tick";
    EXPECT_EQ(journal, (Journal{"novel:SetTextBoxEvent:-1"})) << "dispatched in the tick that queued it";
}

TEST_F(EventLogTest, ReplaySpacingFollowsTheTimeStampsFromTheFirst)
{
    manager.registerEventType(StampedLogEvent::kEventType);
    auto stamps = std::make_shared<std::vector<std::uint32_t>>();
    auto listener = listen("stamped", StampedLogEvent::kEventType);
    listener->action = [stamps, this](const std::shared_ptr<IEventData>& event) {
        stamps->push_back(now);
        EXPECT_GE(event->getTimeStamp(), 1000u);
    };
    manager.setLogEvents(true);
    for (std::uint32_t stamp : {1000u, 1500u, 1500u})
        manager.queueEvent(std::make_shared<StampedLogEvent>(stamp));
    manager.saveEventLog(kFile);
    manager.tick(EventManager::kInfinite);
    stamps->clear();

    const std::uint32_t loadedAt = now;
    manager.loadEventLog(kFile);
    replay(600);
    EXPECT_EQ(*stamps, (std::vector<std::uint32_t>{loadedAt + 1, loadedAt + 501, loadedAt + 502}))
        << "each once the time since loading exceeds its distance from the first";
}

TEST_F(EventLogTest, ReplayedEventsAreRecordedAgainWhileRecording)
{
    saveFourNovelEvents();
    manager.loadEventLog(kFile);
    manager.setLogEvents(true);
    replay(2);
    EXPECT_EQ(manager.getLoggedEvents().size(), 6u);
}

TEST_F(EventLogTest, ASecondLoadAppendsBehindTheRemainingEvents)
{
    saveFourNovelEvents();
    manager.loadEventLog(kFile);
    replay(3);
    manager.loadEventLog(kFile);
    EXPECT_EQ(manager.getReplayEventCount(), 5u);
}

TEST_F(EventLogTest, AnEventRecordedTwiceLoadsAsOneSharedObject)
{
    auto event = std::make_shared<NextTextEvent>();
    manager.setLogEvents(true);
    manager.queueEvent(event);
    manager.queueEvent(event);
    manager.saveEventLog(kFile);

    EventManager other("Other", false);
    other.loadEventLog(kFile);
    EXPECT_EQ(other.getReplayEventCount(), 2u);
}

TEST_F(EventLogTest, AClassThatIsNotExportedKeepsTheOldFile)
{
    saveFourNovelEvents();
    const std::string before = testsupport::readFile(kFile);
    manager.setLogEvents(true);
    manager.queueEvent(std::make_shared<AlphaEvent>(1));
    testing::internal::CaptureStderr();
    manager.saveEventLog(kFile);
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_NE(log.find("Event log Eventlog.txt could not be saved"), std::string::npos) << log;
    EXPECT_EQ(testsupport::readFile(kFile), before);
    EXPECT_FALSE(std::filesystem::exists(std::string(kFile) + ".tmp"));
}

// --- Bad files change nothing ------------------------------------------------------

class BadEventLogTest : public EventLogTest
{
protected:
    void SetUp() override
    {
        saveFourNovelEvents();
        m_good = testsupport::readFile(kFile);
        manager.loadEventLog(kFile);
        ASSERT_EQ(manager.getReplayEventCount(), 4u);
    }

    void expectLoadChangesNothing(const std::string& bytes, const char* what)
    {
        testsupport::writeFile("bad.txt", bytes);
        expectLoadFailure("bad.txt", what);
    }

    //! Loading leaves the replay list as it was and reports the file.
    void expectLoadFailure(const char* file, const char* what)
    {
        testing::internal::CaptureStderr();
        manager.loadEventLog(file);
        const std::string log = testing::internal::GetCapturedStderr();
        EXPECT_EQ(manager.getReplayEventCount(), 4u) << what;
        EXPECT_NE(log.find(std::string("Event log ") + file + " could not be loaded"), std::string::npos)
            << what << ": " << log;
    }

    //! The good file with the first length characters of marker's first place replaced.
    std::string goodWith(const std::string& marker, std::size_t length, const std::string& replacement) const
    {
        std::string text = m_good;
        const std::size_t at = text.find(marker);
        if (at == std::string::npos)
            ADD_FAILURE() << "no \"" << marker << "\" in the saved file";
        else
            text.replace(at, length, replacement);
        return text;
    }

    std::string m_good;
};

TEST_F(BadEventLogTest, MissingEmptyGarbageAndTruncatedFiles)
{
    expectLoadFailure("missing.txt", "missing");
    expectLoadChangesNothing("", "empty");
    expectLoadChangesNothing("hello world, no archive here\n", "garbage");
    expectLoadChangesNothing(m_good.substr(0, m_good.size() / 2), "truncated");
    expectLoadChangesNothing(m_good.substr(0, m_good.size() - 3), "cut before the last event");
}

TEST_F(BadEventLogTest, CountBeyondTheEntries)
{
    expectLoadChangesNothing(goodWith(" 4 ", 3, " 9 "), "count larger than the entries");
}

TEST_F(BadEventLogTest, StringLengthsBeyondTheFile)
{
    ASSERT_EQ(m_good.rfind("22 serialization::archive", 0), 0u);
    expectLoadChangesNothing(goodWith("22 serialization::archive", 2, "99999999999"), "signature length");
    expectLoadChangesNothing(goodWith("15 SetTextBoxEvent", 2, "4000000000"), "class name length");
}

TEST_F(BadEventLogTest, NullEntries)
{
    std::ofstream stream("nulls.txt");
    {
        boost::archive::text_oarchive archive(stream);
        const int count = 2;
        archive << count;
        const IEventData* none = nullptr;
        archive << none;
        archive << none;
    }
    stream.close();
    expectLoadFailure("nulls.txt", "null entries");
}
} // namespace
