#include "talvoren/logfile.h"

#include "platform/pathresolver.h"
#include "platform/textfile.h"
#include "talvoren/log.h"

#include <boost/date_time/posix_time/posix_time.hpp>

#include <fstream>

namespace Talvoren
{
namespace
{
std::ofstream openForAppend(const std::wstring& fileName)
{
    return std::ofstream(platform::resolvePath(fileName), std::ios::out | std::ios::app | std::ios::binary);
}
} // namespace

std::string LogFile::localTimeText()
{
    return boost::posix_time::to_simple_string(boost::posix_time::second_clock::local_time());
}

std::wstring LogFile::makeFileName()
{
    std::string stamp = localTimeText();
    for (char& c : stamp)
    {
        if (c == ':' || c == ' ')
            c = '_';
    }
    return L"logs/" + platform::widen(stamp) + L".txt";
}

void LogFile::create(const std::wstring& fileName)
{
    m_fileName = fileName;
    std::ofstream file(platform::resolvePath(m_fileName), std::ios::out | std::ios::trunc | std::ios::binary);
    if (!file)
        logError(L"ERROR: could not create log file!");
}

void LogFile::writeLine(const std::wstring& line)
{
    std::ofstream file = openForAppend(m_fileName);
    if (file)
        file << "[" << localTimeText() << "] " << platform::toUtf8(line) << "\n";
}

void LogFile::writeEndl(unsigned selector)
{
    std::ofstream file = openForAppend(m_fileName);
    if (file && selector == 0)
        file << "\n";
}

bool LogFile::canAppend() const
{
    std::ofstream file = openForAppend(m_fileName);
    return static_cast<bool>(file);
}
} // namespace Talvoren
