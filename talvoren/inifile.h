#pragma once
// Reader of key=value text files.

#include <irrString.h>
#include <irrTypes.h>

#include <map>
#include <string>
#include <vector>

namespace Talvoren
{
//! Every line holding '=' stores the text before the first '=' as key and the
//! rest as value; no trimming, no sections, later keys replace earlier ones.
class IniFile
{
public:
    //! Stores the name and loads the file at once.
    explicit IniFile(const irr::core::stringw& fileName);
    //! Builds the values from the given lines, without a file.
    explicit IniFile(const std::vector<std::string>& lines);

    //! Loads fileName on top of the values already held.
    void reload(const irr::core::stringw& fileName);
    bool isLoaded() const { return m_loaded; }

    //! -1 when missing, else the value's leading integer (0 when none).
    irr::s32 getInt(const irr::core::stringw& key) const;
    //! true only for "true", "TRUE" or "1".
    bool getBool(const irr::core::stringw& key) const;
    //! The value, empty when missing.
    irr::core::stringw getString(const irr::core::stringw& key) const;

private:
    void load();
    void readLine(const std::string& line);
    const irr::core::stringw* find(const irr::core::stringw& key) const;

    irr::core::stringw m_fileName;
    bool m_loaded;
    std::map<irr::core::stringw, irr::core::stringw> m_values;
};
} // namespace Talvoren
