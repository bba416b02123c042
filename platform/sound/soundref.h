#pragma once
// Holds one reference to a reference-counted sound object and drops it when done.

#include <utility>

namespace platform
{
namespace sound
{
//! The constructor from a raw pointer adopts the reference the caller owns
//! (as handed out by play2D, play3D and createIrrKlangDevice); copies grab
//! one more. Empty when made from null.
template <class T>
class SoundRef
{
public:
    SoundRef() = default;
    explicit SoundRef(T* adopted) : m_object(adopted) {}
    SoundRef(const SoundRef& other) : m_object(other.m_object)
    {
        if (m_object)
            m_object->grab();
    }
    SoundRef(SoundRef&& other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}
    SoundRef& operator=(SoundRef other) noexcept
    {
        std::swap(m_object, other.m_object);
        return *this;
    }
    ~SoundRef() { reset(); }

    //! Drops the held reference; the ref is empty afterwards.
    void reset()
    {
        if (T* object = std::exchange(m_object, nullptr))
            object->drop();
    }

    T* get() const { return m_object; }
    T* operator->() const { return m_object; }
    T& operator*() const { return *m_object; }
    explicit operator bool() const { return m_object != nullptr; }

private:
    T* m_object = nullptr;
};
} // namespace sound
} // namespace platform
