#pragma once
// A script the dungeon runs a limited number of times, by song, by place or both.

#include <irrString.h>
#include <irrTypes.h>
#include <vector3d.h>

namespace Belgarune
{
class ScriptTrigger
{
public:
    //! No area (centre at the origin), radius 5, no song.
    ScriptTrigger(irr::s32 id, irr::s32 count, const irr::core::stringw& script);

    irr::s32 getId() const { return m_id; }
    //! Fires only while above 0.
    irr::s32 getCount() const { return m_count; }
    void setCount(irr::s32 count) { m_count = count; }
    void decrementCount() { --m_count; }
    const irr::core::stringw& getScript() const { return m_script; }

    void setArea(const irr::core::vector3df& centre, irr::s32 radius);
    //! A centre other than the origin.
    bool hasArea() const;
    //! Strictly inside the radius around the centre.
    bool contains(const irr::core::vector3df& position) const;

    //! -1: no song.
    irr::s32 getSongId() const { return m_songId; }
    void setSongId(irr::s32 songId) { m_songId = songId; }

private:
    irr::s32 m_id;
    irr::s32 m_count;
    irr::core::stringw m_script;
    irr::core::vector3df m_centre;
    irr::s32 m_radius;
    irr::s32 m_songId;
};
} // namespace Belgarune
