// The one place where events meet Boost Serialization: the serialisation
// members, the exported class names and the file's reading and writing.

#include "talvoren/eventlogarchive.h"

#include "talvoren/events/flipnovelcharacterevent.h"
#include "talvoren/events/nexttextevent.h"
#include "talvoren/events/setnovelcharactercolorevent.h"
#include "talvoren/events/settextboxevent.h"
#include "talvoren/ieventdata.h"

#include <boost/archive/archive_exception.hpp>
#include <boost/archive/text_iarchive.hpp>
#include <boost/archive/text_oarchive.hpp>
#include <boost/serialization/assume_abstract.hpp>
#include <boost/serialization/base_object.hpp>
#include <boost/serialization/export.hpp>

#include <cstdio>
#include <exception>
#include <fstream>
#include <map>

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

void readArchive(std::istream& stream, Events& events, std::string& error)
{
    boost::archive::text_iarchive archive(stream);
    int count = 0;
    archive >> count;
    // The archive hands an object that it holds twice out as the same pointer.
    std::map<IEventData*, std::shared_ptr<IEventData>> owners;
    for (int i = 0; i < count; ++i)
    {
        IEventData* pointer = nullptr;
        archive >> pointer;
        if (!pointer)
        {
            error = "entry " + std::to_string(i + 1) + " is empty";
            events.clear();
            return;
        }
        std::shared_ptr<IEventData>& owner = owners[pointer];
        if (!owner)
            owner.reset(pointer);
        events.push_back(owner);
    }
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

bool read(const std::string& path, Events& events, std::string& error)
{
    events.clear();
    error.clear();
    std::ifstream stream(path);
    if (!stream)
    {
        error = "cannot open the file";
        return false;
    }
    try
    {
        readArchive(stream, events, error);
    }
    catch (const std::exception& exception)
    {
        error = exception.what();
        events.clear();
    }
    return error.empty();
}
} // namespace EventLogArchive
} // namespace Talvoren
