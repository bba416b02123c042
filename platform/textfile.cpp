#include "platform/textfile.h"

#include "platform/pathresolver.h"

namespace platform
{
LineReader::LineReader(const std::string& path)
    : m_file(std::fopen(resolvePath(path).c_str(), "rb")), m_failed(false)
{
}

LineReader::~LineReader()
{
    if (m_file)
        std::fclose(m_file);
}

bool LineReader::next(std::string& line)
{
    line.clear();
    if (!m_file || m_failed)
        return false;
    bool any = false;
    for (;;)
    {
        const int c = std::fgetc(m_file);
        if (c == EOF)
        {
            if (std::ferror(m_file))
            {
                m_failed = true;
                return false;
            }
            break;
        }
        any = true;
        if (c == '\n')
        {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            return true;
        }
        line += static_cast<char>(c);
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return any;
}

bool readLines(const std::string& path, std::vector<std::string>& lines)
{
    lines.clear();
    LineReader reader(path);
    if (!reader.isOpen())
        return false;
    std::string line;
    while (reader.next(line))
        lines.push_back(line);
    return !reader.failed();
}

std::wstring widen(const std::string& bytes)
{
    std::wstring text;
    text.reserve(bytes.size());
    for (char c : bytes)
        text += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return text;
}

std::string narrow(const std::wstring& text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (wchar_t c : text)
        bytes += (c >= 0 && c < 256) ? static_cast<char>(c) : '?';
    return bytes;
}

std::string toUtf8(const std::wstring& text)
{
    std::string out;
    out.reserve(text.size());
    for (wchar_t wc : text)
    {
        const unsigned long c = static_cast<unsigned long>(wc);
        if (c < 0x80)
        {
            out += static_cast<char>(c);
        }
        else if (c < 0x800)
        {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
        else if (c < 0x10000)
        {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
        else
        {
            out += static_cast<char>(0xF0 | ((c >> 18) & 0x07));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}
} // namespace platform
