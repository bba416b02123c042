#pragma once
// The text archive that reads the event log. It reads what a Boost text
// output archive of the same Boost version writes, and checks what the
// library itself only asserts: string lengths within the file, class ids in
// sequence, and class names of classes it can create, each named once. A
// damaged or forged file is refused with an archive exception instead of
// crashing or asking for gigabytes. Event classes exported for the event log
// must see this header before their export.

#include <boost/archive/text_iarchive.hpp>

#include <cstddef>
#include <istream>
#include <set>
#include <string>

namespace Talvoren
{
class EventLogInputArchive : public boost::archive::text_iarchive_impl<EventLogInputArchive>
{
public:
    //! Reads the archive header; byteCount is the size of the whole stream.
    EventLogInputArchive(std::istream& stream, std::size_t byteCount);

private:
    using Base = boost::archive::text_iarchive_impl<EventLogInputArchive>;
    friend class boost::archive::detail::interface_iarchive<EventLogInputArchive>;
    friend class boost::archive::basic_text_iarchive<EventLogInputArchive>;
    friend class boost::archive::load_access;

    template <class T>
    void load(T& value)
    {
        Base::load(value);
        check(value);
    }
    void load(std::string& text);

    template <class T>
    void load_override(T& value)
    {
        Base::load_override(value);
    }
    void load_override(boost::archive::class_name_type& name);

    template <class T>
    void check(const T&)
    {
    }
    //! Each class the archive registers reads its tracking level once.
    void check(const boost::archive::tracking_type&) { ++m_classCount; }
    void check(const boost::archive::class_id_type& id);

    std::size_t m_byteCount;
    int m_classCount = 0;
    std::set<std::string> m_classNames;
};
} // namespace Talvoren

BOOST_SERIALIZATION_REGISTER_ARCHIVE(Talvoren::EventLogInputArchive)
