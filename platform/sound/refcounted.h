#pragma once
// Reference counting of the sound layer's objects.

#include <atomic>

namespace platform
{
namespace sound
{
//! An object is created with one reference, owned by its creator. grab adds a
//! reference, drop releases one and deletes the object with the last. The
//! count is atomic: the layer's own thread may release its references while
//! the program holds others.
class RefCounted
{
public:
    RefCounted() = default;
    RefCounted(const RefCounted&) = delete;
    RefCounted& operator=(const RefCounted&) = delete;

    void grab() const { m_references.fetch_add(1, std::memory_order_relaxed); }
    //! Returns true when this call deleted the object.
    bool drop() const
    {
        if (m_references.fetch_sub(1, std::memory_order_acq_rel) != 1)
            return false;
        delete this;
        return true;
    }
    int getReferenceCount() const { return m_references.load(std::memory_order_acquire); }

protected:
    virtual ~RefCounted() = default;

private:
    mutable std::atomic<int> m_references{1};
};
} // namespace sound
} // namespace platform
