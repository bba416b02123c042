#pragma once
// The run's log file: opened, written and closed again for every line.

#include <string>

namespace Talvoren
{
class LogFile
{
public:
    //! Stores the name and empties (creates) the file; logs an error on failure.
    void create(const std::wstring& fileName);
    //! Appends "[" + local time + "] " + line and a line break.
    void writeLine(const std::wstring& line);
    //! Selector 0 appends a bare line break; other selectors write nothing.
    void writeEndl(unsigned selector);
    bool canAppend() const;
    const std::wstring& getFileName() const { return m_fileName; }

    //! "logs/" + local time as 2015-Aug-07_13_45_12 + ".txt".
    static std::wstring makeFileName();
    //! The local date and time as 2015-Aug-07 13:45:12.
    static std::string localTimeText();

private:
    std::wstring m_fileName;
};
} // namespace Talvoren
