#include "talvoren/inifile.h"

#include "platform/textfile.h"
#include "talvoren/log.h"
#include "talvoren/stringhelpers.h"

namespace Talvoren
{
IniFile::IniFile(const irr::core::stringw& fileName) : m_fileName(fileName), m_loaded(false)
{
    load();
}

IniFile::IniFile(const std::vector<std::string>& lines) : m_loaded(false)
{
    for (const std::string& line : lines)
        readLine(line);
}

void IniFile::reload(const irr::core::stringw& fileName)
{
    m_fileName = fileName;
    m_loaded = false;
    load();
}

void IniFile::load()
{
    std::vector<std::string> lines;
    const bool read = platform::readLines(platform::narrow(m_fileName.c_str()), lines);
    for (const std::string& line : lines)
        readLine(line);
    m_loaded = read;
    if (!read)
        logError(L"Could not load INI file %p!", m_fileName);
}

void IniFile::readLine(const std::string& line)
{
    const std::string::size_type equals = line.find('=');
    if (equals == std::string::npos)
        return;
    const std::wstring key = platform::widen(line.substr(0, equals));
    const std::wstring value = platform::widen(line.substr(equals + 1));
    m_values[irr::core::stringw(key.c_str())] = irr::core::stringw(value.c_str());
}

const irr::core::stringw* IniFile::find(const irr::core::stringw& key) const
{
    const auto it = m_values.find(key);
    return it == m_values.end() ? nullptr : &it->second;
}

irr::s32 IniFile::getInt(const irr::core::stringw& key) const
{
    const irr::core::stringw* value = find(key);
    return value ? toInt(*value) : -1;
}

bool IniFile::getBool(const irr::core::stringw& key) const
{
    const irr::core::stringw* value = find(key);
    return value && (*value == L"true" || *value == L"TRUE" || *value == L"1");
}

irr::core::stringw IniFile::getString(const irr::core::stringw& key) const
{
    const irr::core::stringw* value = find(key);
    return value ? *value : irr::core::stringw();
}
} // namespace Talvoren
