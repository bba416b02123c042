#pragma once
// The one reader of text files: bytes as characters, CRLF or LF, lines of any length.

#include <cstdio>
#include <string>
#include <vector>

namespace platform
{
//! Reads the lines of a text file. Each byte is one character (Latin-1, as on
//! Windows); one '\r' before a line end is dropped; a last line without a line
//! break counts, an empty file has no lines. The path goes through resolvePath.
//! Returns false when the file cannot be opened or a read fails; lines then
//! holds what was read before the failure.
bool readLines(const std::string& path, std::vector<std::string>& lines);

//! Widens bytes one to one into wide characters (Latin-1).
std::wstring widen(const std::string& bytes);

//! Narrows wide characters to bytes; characters above 255 become '?'.
std::string narrow(const std::wstring& text);

//! UTF-8 encoding of a wide text, for output on a Linux terminal.
std::string toUtf8(const std::wstring& text);

//! Streams the lines of a text file one at a time, with the rules of readLines.
class LineReader
{
public:
    explicit LineReader(const std::string& path);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool isOpen() const { return m_file != nullptr; }
    //! Next line into line; false at the end of the file or on a read error.
    bool next(std::string& line);
    //! True when a read error happened (the end of the file is no error).
    bool failed() const { return m_failed; }

private:
    //! Owned: closed by the destructor; null when the file could not be opened.
    std::FILE* m_file;
    bool m_failed;
};
} // namespace platform
