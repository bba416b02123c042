#pragma once
// A list of shared objects that may be changed while it is being walked.
//
// Entries removed during a walk are only marked (their objects stay alive
// until the outermost walk ends) and are skipped from then on; entries
// appended during a walk are visited by growing walks and left out of
// snapshot walks. The list owns one shared reference per entry.

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <memory>
#include <vector>

namespace Talvoren
{
template <class T>
class WalkSafeList
{
public:
    void append(const std::shared_ptr<T>& item) { m_entries.push_back(Entry{item, false}); }

    bool contains(const T* item) const
    {
        return std::any_of(m_entries.begin(), m_entries.end(),
                           [item](const Entry& entry) { return !entry.removed && entry.item.get() == item; });
    }

    //! Removes the first entry of item (or, with all, every one); returns how many.
    std::size_t remove(const T* item, bool all)
    {
        std::size_t removed = 0;
        for (Entry& entry : m_entries)
        {
            if (entry.removed || entry.item.get() != item)
                continue;
            entry.removed = true;
            ++removed;
            if (!all)
                break;
        }
        m_hasRemoved = m_hasRemoved || removed > 0;
        compactWhenIdle();
        return removed;
    }

    bool empty() const
    {
        return std::all_of(m_entries.begin(), m_entries.end(), [](const Entry& entry) { return entry.removed; });
    }

    //! Calls visit(T&) for the entries present when the walk starts, until it returns true.
    template <class Visit>
    bool walkSnapshot(Visit visit)
    {
        return walk(m_entries.size(), false, visit);
    }

    //! Calls visit(T&) for every entry, also those appended meanwhile, until it returns true.
    template <class Visit>
    bool walkGrowing(Visit visit)
    {
        return walk(m_entries.size(), true, visit);
    }

    //! Calls visit(const T&) for every entry.
    template <class Visit>
    void forEach(Visit visit) const
    {
        for (const Entry& entry : m_entries)
            if (!entry.removed)
                visit(*entry.item);
    }

private:
    struct Entry
    {
        std::shared_ptr<T> item;
        bool removed;
    };

    class WalkGuard
    {
    public:
        explicit WalkGuard(WalkSafeList& list) : m_list(list) { ++m_list.m_walkDepth; }
        ~WalkGuard()
        {
            --m_list.m_walkDepth;
            m_list.compactWhenIdle();
        }
        WalkGuard(const WalkGuard&) = delete;
        WalkGuard& operator=(const WalkGuard&) = delete;

    private:
        WalkSafeList& m_list;
    };

    template <class Visit>
    bool walk(std::size_t end, bool growing, Visit& visit)
    {
        WalkGuard guard(*this);
        for (std::size_t i = 0; i < (growing ? m_entries.size() : end); ++i)
        {
            if (m_entries[i].removed)
                continue;
            // The object stays alive while marked, even if the vector moves.
            if (visit(*m_entries[i].item))
                return true;
        }
        return false;
    }

    void compactWhenIdle()
    {
        if (m_walkDepth == 0 && m_hasRemoved)
            compact();
    }

    void compact()
    {
        m_hasRemoved = false;
        const auto firstRemoved = std::stable_partition(m_entries.begin(), m_entries.end(),
                                                        [](const Entry& entry) { return !entry.removed; });
        // Released after the list is consistent again: a destructor may touch it.
        std::vector<Entry> released(std::make_move_iterator(firstRemoved), std::make_move_iterator(m_entries.end()));
        m_entries.erase(firstRemoved, m_entries.end());
    }

    std::vector<Entry> m_entries;
    int m_walkDepth = 0;
    bool m_hasRemoved = false;
};
} // namespace Talvoren
