#include "talvoren/languagesystem.h"

#include "platform/textfile.h"
#include "talvoren/log.h"
#include "talvoren/stringhelpers.h"

namespace Talvoren
{
const irr::core::stringw& SimpleLanguageSystem::getString(const int& number)
{
    if (number < 0 || static_cast<std::size_t>(number) >= m_texts.size())
        return m_defaultText;
    return m_texts[static_cast<std::size_t>(number)];
}

bool SimpleLanguageSystem::loadLanguages(std::wstring folder)
{
    std::vector<std::string> lines;
    if (!platform::readLines(platform::narrow(folder + L"\\lang.txt"), lines))
        return false;
    for (const std::string& line : lines)
    {
        if (line.compare(0, 5, "lang=") != 0)
            continue;
        const std::wstring wide = platform::widen(line);
        auto entry = std::make_shared<LanguageEntry>();
        entry->name = getKeyValueField(wide, 1);
        entry->folder = folder + L"\\" + getKeyValueField(wide, 2);
        m_languages.push_back(entry);
    }
    return true;
}

bool SimpleLanguageSystem::setLanguage(std::wstring name)
{
    for (const auto& entry : m_languages)
    {
        if (entry->name != name)
            continue;
        const std::wstring path = entry->folder + L"\\defs.tsf";
        std::vector<std::string> lines;
        if (!platform::readLines(platform::narrow(path), lines))
        {
            logError(L"MAP-LANGUAGE: .tsf '%p' konnte nicht geladen werden", path.c_str());
            return false;
        }
        for (const std::string& line : lines)
            m_texts.push_back(irr::core::stringw(platform::widen(line).c_str()));
        return true;
    }
    logError(L"LANGUAGE-SYSTEM: Language definition '%p' not found.", name.c_str());
    return false;
}
} // namespace Talvoren
