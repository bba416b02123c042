#include "talvoren/eventloginputarchive.h"

#include <boost/archive/archive_exception.hpp>
#include <boost/archive/impl/archive_serializer_map.ipp>
#include <boost/archive/impl/basic_text_iarchive.ipp>
#include <boost/archive/impl/text_iarchive_impl.ipp>
#include <boost/serialization/extended_type_info.hpp>

namespace Talvoren
{
namespace
{
[[noreturn]] void refuse(boost::archive::archive_exception::exception_code code)
{
    boost::serialization::throw_exception(boost::archive::archive_exception(code));
}
} // namespace

EventLogInputArchive::EventLogInputArchive(std::istream& stream, std::size_t byteCount)
    : Base(stream, 0), m_byteCount(byteCount)
{
    init();
    // Older layouts take paths through the library that check even less.
    if (get_library_version() != boost::archive::BOOST_ARCHIVE_VERSION())
        refuse(boost::archive::archive_exception::unsupported_version);
}

void EventLogInputArchive::load(std::string& text)
{
    std::size_t size = 0;
    *this->This() >> size;
    if (size > m_byteCount)
        refuse(boost::archive::archive_exception::input_stream_error);
    is.get(); // The blank between length and text.
    text.resize(size);
    if (size > 0)
        is.read(&text[0], static_cast<std::streamsize>(size));
}

void EventLogInputArchive::check(const boost::archive::class_id_type& id)
{
    // -1 is the null pointer; a new class takes the next number.
    const int number = static_cast<int>(id);
    if (number < -1 || number > m_classCount)
        refuse(boost::archive::archive_exception::unregistered_class);
}

void EventLogInputArchive::load_override(boost::archive::class_name_type& name)
{
    Base::load_override(name);
    const std::string key(static_cast<const char*>(name));
    const boost::serialization::extended_type_info* type = boost::serialization::extended_type_info::find(key.c_str());
    // Only classes this archive can create; abstract ones have no pointer loader.
    const bool creatable =
        type && boost::archive::detail::archive_serializer_map<EventLogInputArchive>::find(*type) != nullptr;
    if (!creatable || !m_classNames.insert(key).second)
        refuse(boost::archive::archive_exception::unregistered_class);
}
} // namespace Talvoren

template class boost::archive::basic_text_iarchive<Talvoren::EventLogInputArchive>;
template class boost::archive::text_iarchive_impl<Talvoren::EventLogInputArchive>;
template class boost::archive::detail::archive_serializer_map<Talvoren::EventLogInputArchive>;
