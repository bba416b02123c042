// The one place where events meet Boost Serialization: the serialisation
// members, the exported class names and the file's reading and writing.

#include "talvoren/eventlogarchive.h"

#include "talvoren/eventloginputarchive.h"

#include "talvoren/events/flipnovelcharacterevent.h"
#include "talvoren/events/nexttextevent.h"
#include "talvoren/events/setnovelcharactercolorevent.h"
#include "talvoren/events/settextboxevent.h"
#include "talvoren/ieventdata.h"

#include <boost/archive/archive_exception.hpp>
#include <boost/archive/text_oarchive.hpp>
#include <boost/serialization/assume_abstract.hpp>
#include <boost/serialization/base_object.hpp>
#include <boost/serialization/export.hpp>

#include <cstdio>
#include <exception>
#include <fstream>
#include <map>
#include <vector>

template <class Archive>
void IEventData::serialize(Archive&, unsigned int)
{
}

template <class Archive>
void BaseEventData::serialize(Archive& archive, unsigned int)
{
    archive& boost::serialization::base_object<IEventData>(*this);
    archive& m_timeStamp;
}

// Further event classes may be exported elsewhere: their serialisation writes this base.
template void BaseEventData::serialize(boost::archive::text_oarchive&, unsigned int);
template void BaseEventData::serialize(Talvoren::EventLogInputArchive&, unsigned int);
template void BaseEventData::serialize(boost::archive::text_iarchive&, unsigned int);

#define TALVOREN_SERIALIZE_BASE_ONLY(EventClass)                                                                      \
    template <class Archive>                                                                                          \
    void EventClass::serialize(Archive& archive, unsigned int)                                                       \
    {                                                                                                                 \
        archive& boost::serialization::base_object<BaseEventData>(*this);                                             \
    }

TALVOREN_SERIALIZE_BASE_ONLY(NextTextEvent)
TALVOREN_SERIALIZE_BASE_ONLY(SetTextBoxEvent)
TALVOREN_SERIALIZE_BASE_ONLY(SetNovelCharacterColorEvent)
TALVOREN_SERIALIZE_BASE_ONLY(FlipNovelCharacterEvent)

namespace
{
// Every event the archive constructs while a file is read. The archive loses
// an object whose contents fail to load, so a failed read frees these itself.
std::vector<IEventData*>* g_constructedEvents = nullptr;

template <class Event>
void constructEvent(Event* event)
{
    ::new (event) Event();
    if (g_constructedEvents)
        g_constructedEvents->push_back(event);
}
} // namespace

#define TALVOREN_CONSTRUCT_RECORDED(EventClass)                                                                       \
    template <class Archive>                                                                                          \
    void load_construct_data(Archive&, EventClass* event, unsigned int)                                               \
    {                                                                                                                 \
        constructEvent(event);                                                                                        \
    }

TALVOREN_CONSTRUCT_RECORDED(NextTextEvent)
TALVOREN_CONSTRUCT_RECORDED(SetTextBoxEvent)
TALVOREN_CONSTRUCT_RECORDED(SetNovelCharacterColorEvent)
TALVOREN_CONSTRUCT_RECORDED(FlipNovelCharacterEvent)

BOOST_SERIALIZATION_ASSUME_ABSTRACT(IEventData)
BOOST_CLASS_EXPORT_GUID(BaseEventData, "BaseEventData")
BOOST_CLASS_EXPORT_GUID(NextTextEvent, "NextTextEvent")
BOOST_CLASS_EXPORT_GUID(SetTextBoxEvent, "SetTextBoxEvent")
BOOST_CLASS_EXPORT_GUID(SetNovelCharacterColorEvent, "SetNovelCharacterColorEvent")
BOOST_CLASS_EXPORT_GUID(FlipNovelCharacterEvent, "FlipNovelCharacterEvent")

namespace Talvoren
{
namespace EventLogArchive
{
namespace
{
void writeArchive(std::ostream& stream, const Events& events)
{
    boost::archive::text_oarchive archive(stream);
    const int count = static_cast<int>(events.size());
    archive << count;
    for (const std::shared_ptr<IEventData>& event : events)
    {
        const IEventData* pointer = event.get();
        archive << pointer;
    }
}

//! Pointers in the order the archive handed them out.
using Created = std::vector<IEventData*>;

//! Reads the count and the pointers; false at an empty entry.
bool readPointers(EventLogInputArchive& archive, Created& created, std::string& error)
{
    int count = 0;
    archive >> count;
    for (int i = 0; i < count; ++i)
    {
        IEventData* pointer = nullptr;
        archive >> pointer;
        if (!pointer)
        {
            error = "entry " + std::to_string(i + 1) + " is empty";
            return false;
        }
        created.push_back(pointer);
    }
    return true;
}

//! Takes ownership; an object that the archive held twice comes back as the same pointer.
void adopt(const Created& created, Events& events)
{
    std::map<IEventData*, std::shared_ptr<IEventData>> owners;
    for (IEventData* pointer : created)
    {
        std::shared_ptr<IEventData>& owner = owners[pointer];
        if (!owner)
            owner.reset(pointer);
        events.push_back(owner);
    }
}

//! Collects the constructed events for one read and frees them unless released.
class ConstructedEvents
{
public:
    ConstructedEvents() { g_constructedEvents = &m_events; }
    ~ConstructedEvents()
    {
        g_constructedEvents = nullptr;
        for (IEventData* event : m_events)
            delete event;
    }
    ConstructedEvents(const ConstructedEvents&) = delete;
    ConstructedEvents& operator=(const ConstructedEvents&) = delete;
    void release() { m_events.clear(); }

private:
    std::vector<IEventData*> m_events;
};

bool readArchive(std::istream& stream, std::size_t byteCount, Events& events, std::string& error)
{
    ConstructedEvents constructed;
    EventLogInputArchive archive(stream, byteCount);
    Created created;
    if (!readPointers(archive, created, error))
        return false;
    constructed.release();
    adopt(created, events);
    return true;
}
} // namespace

bool write(const std::string& path, const Events& events, std::string& error)
{
    const std::string temporaryPath = path + ".tmp";
    try
    {
        std::ofstream stream(temporaryPath, std::ios::out | std::ios::trunc);
        if (!stream)
        {
            error = "cannot open " + temporaryPath;
            return false;
        }
        writeArchive(stream, events);
        stream.close();
        if (!stream)
            throw std::ios_base::failure("write error");
    }
    catch (const std::exception& exception)
    {
        error = exception.what();
        std::remove(temporaryPath.c_str());
        return false;
    }
    if (std::rename(temporaryPath.c_str(), path.c_str()) != 0)
    {
        error = "cannot replace the file";
        std::remove(temporaryPath.c_str());
        return false;
    }
    return true;
}

bool read(std::istream& stream, std::size_t byteCount, Events& events, std::string& error)
{
    events.clear();
    error.clear();
    try
    {
        return readArchive(stream, byteCount, events, error);
    }
    catch (const std::exception& exception)
    {
        error = exception.what();
        return false;
    }
}

bool read(const std::string& path, Events& events, std::string& error)
{
    std::ifstream stream(path, std::ios::in | std::ios::ate);
    if (!stream)
    {
        events.clear();
        error = "cannot open the file";
        return false;
    }
    const std::streamoff byteCount = stream.tellg();
    stream.seekg(0);
    return read(stream, static_cast<std::size_t>(byteCount > 0 ? byteCount : 0), events, error);
}
} // namespace EventLogArchive
} // namespace Talvoren
