#pragma once
// Numbered engine texts, read from the selected language's text table.

#include <irrString.h>

#include <memory>
#include <string>
#include <vector>

namespace Talvoren
{
//! One language of the list: its name and its folder (list folder + "\" + folder).
struct LanguageEntry
{
    std::wstring name;
    std::wstring folder;
};

//! Interface of a language system; owners delete implementations through
//! their own type.
template <typename Text, typename Key>
class ILanguageSystem
{
public:
    //! The text of that number, or a default text for numbers outside the table.
    virtual const Text& getString(const Key& number) = 0;
    virtual bool setLanguage(std::wstring name) = 0;
    virtual bool loadLanguages(std::wstring folder) = 0;

    const std::vector<std::shared_ptr<LanguageEntry>>& getLanguages() const { return m_languages; }

protected:
    ~ILanguageSystem() = default;
    std::vector<std::shared_ptr<LanguageEntry>> m_languages;
};

class SimpleLanguageSystem final : public ILanguageSystem<irr::core::stringw, int>
{
public:
    const irr::core::stringw& getString(const int& number) override;
    //! Appends the named language's defs.tsf to the table (the table is not emptied).
    bool setLanguage(std::wstring name) override;
    //! Reads folder\lang.txt: lines beginning with "lang=" give name and folder.
    bool loadLanguages(std::wstring folder) override;

private:
    irr::core::stringw m_defaultText = L"STRING_OUT_OF_BOUNDARIES";
    std::vector<irr::core::stringw> m_texts;
};
} // namespace Talvoren
