#pragma once
// Helpers of the script tests: tokens as text and the engine's messages as lines.

#include "talvoren/ombelscript/composerfunctiondefinition.h"
#include "talvoren/ombelscript/composertoken.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace scripttest
{
using namespace Talvoren::reader;

inline std::string narrowText(const std::wstring& text)
{
    std::string out;
    for (wchar_t c : text)
        out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

//! One token as text: operators by their spelling, values with their kind.
inline std::string describe(const ComposerToken& token)
{
    std::ostringstream out;
    switch (token.getType())
    {
    case kFunction: return "fn:" + narrowText(functionName(token));
    case kName: return "name:" + narrowText(textValue(token));
    case kVariable: return "$" + narrowText(textValue(token));
    case kString: return "'" + narrowText(textValue(token)) + "'";
    case kBool: return static_cast<const ComposerBoolToken&>(token).getValue() ? "TRUE" : "FALSE";
    case kNumber: out << numberValue(token); return out.str();
    case kOpenParenthesis: return "(";
    case kCloseParenthesis: return ")";
    case kOpenBrace: return "{";
    case kCloseBrace: return "}";
    case kSemicolon: return ";";
    case kComma: return ",";
    case kColon: return ":";
    case kAssign: return "=";
    case kNot: return "!";
    case kIf: return "if";
    case kMinus: return "-";
    case kPlus: return "+";
    case kMultiply: return "*";
    case kDivide: return "/";
    case kHash: return "#";
    case kGreater: return ">";
    case kLess: return "<";
    case kGreaterEqual: return ">=";
    case kLessEqual: return "<=";
    case kEqual: return "==";
    case kNotEqual: return "!=";
    case kAnd: return "&&";
    case kOr: return "||";
    case kTactic: return "tactic";
    case kOn: return "on";
    case kPriority: return "priority";
    default: out << "type" << token.getType(); return out.str();
    }
}

template <typename Tokens>
std::string describe(const Tokens& tokens)
{
    std::string text;
    for (const auto& token : tokens)
    {
        if (!text.empty())
            text += ' ';
        text += describe(*token);
    }
    return text;
}

//! Collects what the engine logs while it lives. Without a console the log
//! shows each message as a line "Talvoren: <text>" on standard error.
class LogCapture
{
public:
    LogCapture() { testing::internal::CaptureStderr(); }
    ~LogCapture()
    {
        if (!m_taken)
            testing::internal::GetCapturedStderr();
    }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    //! The messages so far, in order; capturing ends.
    std::vector<std::string> take()
    {
        m_taken = true;
        std::istringstream lines(testing::internal::GetCapturedStderr());
        std::vector<std::string> messages;
        const std::string prefix = "Talvoren: ";
        for (std::string line; std::getline(lines, line);)
        {
            if (line.compare(0, prefix.size(), prefix) == 0)
                messages.push_back(line.substr(prefix.size()));
        }
        return messages;
    }

private:
    bool m_taken = false;
};
} // namespace scripttest
