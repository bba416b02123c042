#include "talvoren/ombelscript/scriptreader.h"

#include "platform/textfile.h"
#include "talvoren/log.h"
#include "talvoren/ombelscript/composerfunctiondefinition.h"
#include "talvoren/stringhelpers.h"

namespace Talvoren
{
namespace reader
{
namespace
{
std::unique_ptr<ComposerToken> classifyIdentifier(const std::wstring& word, const FunctionDefinitions& functions)
{
    if (const ComposerFunctionDefinition* definition = findFunction(functions, word))
        return std::make_unique<ComposerFunctionToken>(definition);
    if (word == L"true" || word == L"in")
        return std::make_unique<ComposerBoolToken>(true);
    if (word == L"false" || word == L"out")
        return std::make_unique<ComposerBoolToken>(false);
    if (word == L"tactic")
        return std::make_unique<ComposerToken>(kTactic);
    if (word == L"on")
        return std::make_unique<ComposerToken>(kOn);
    if (word == L"priority")
        return std::make_unique<ComposerToken>(kPriority);
    if (word == L"if")
        return std::make_unique<ComposerToken>(kIf);
    if (word[0] == L'$')
        return std::make_unique<ComposerVariableToken>(word.substr(1));
    return std::make_unique<ComposerNameToken>(word);
}

//! Appends the token of a pending word; a word of no kind is dropped.
void classifyWord(const std::wstring& word, const FunctionDefinitions& functions, OwnedTokens& tokens)
{
    if (isIdentifier(word))
    {
        tokens.push_back(classifyIdentifier(word, functions));
    }
    else if (isNumber(word))
    {
        tokens.push_back(std::make_unique<ComposerNumberToken>(toFloat(word, 0)));
    }
    else if (!word.empty() && (word.front() == L'"' || word.back() == L'"'))
    {
        const std::wstring text = word.size() < 2 ? std::wstring() : word.substr(1, word.size() - 2);
        tokens.push_back(std::make_unique<ComposerStringToken>(text));
    }
}

//! The type of a one-character token; 0 when the character makes none.
irr::u32 singleCharacterType(wchar_t c)
{
    switch (c)
    {
    case L'(': return kOpenParenthesis;
    case L')': return kCloseParenthesis;
    case L'{': return kOpenBrace;
    case L'}': return kCloseBrace;
    case L';': return kSemicolon;
    case L',': return kComma;
    case L':': return kColon;
    case L'-': return kMinus;
    case L'+': return kPlus;
    case L'/': return kDivide;
    case L'*': return kMultiply;
    case L'#': return kHash;
    default: return 0;
    }
}

struct OperatorPair
{
    wchar_t first;
    irr::u32 alone;   // token of the first character alone; 0 skips it
    irr::u32 doubled; // token of the first character followed by second
    wchar_t second;
};

const OperatorPair kOperatorPairs[] = {
    {L'!', kNot, kNotEqual, L'='},     {L'<', kLess, kLessEqual, L'='}, {L'>', kGreater, kGreaterEqual, L'='},
    {L'=', kAssign, kEqual, L'='},     {L'&', 0, kAnd, L'&'},           {L'|', 0, kOr, L'|'},
};

const OperatorPair* findOperatorPair(wchar_t c)
{
    for (const OperatorPair& pair : kOperatorPairs)
    {
        if (pair.first == c)
            return &pair;
    }
    return nullptr;
}
} // namespace

const ComposerFunctionDefinition* findFunction(const FunctionDefinitions& functions, const std::wstring& word)
{
    for (const auto& definition : functions)
    {
        if (definition && definition->m_name == word)
            return definition.get();
    }
    return nullptr;
}

void tokenizeLine(const std::wstring& line, const FunctionDefinitions& functions, OwnedTokens& tokens)
{
    std::wstring word;
    bool inString = false;
    std::wstring::size_type i = line.find_first_not_of(L" \t");
    for (; i < line.size(); ++i)
    {
        const wchar_t c = line[i];
        if (!inString && !word.empty() && isDelimiter(c))
        {
            classifyWord(word, functions, tokens);
            word.clear();
        }
        if (c == L'"')
            inString = !inString;
        if (inString)
        {
            word += c;
            continue;
        }
        if (c == L'%')
            break;
        if (const irr::u32 type = singleCharacterType(c))
        {
            tokens.push_back(ComposerToken::makeOperator(type));
        }
        else if (const OperatorPair* pair = findOperatorPair(c))
        {
            const bool doubled = i + 1 < line.size() && line[i + 1] == pair->second;
            if (doubled)
            {
                tokens.push_back(ComposerToken::makeOperator(pair->doubled));
                ++i;
            }
            else if (pair->alone)
            {
                tokens.push_back(ComposerToken::makeOperator(pair->alone));
            }
        }
        else if (c != L' ')
        {
            word += c;
        }
    }
    // The last word of a line is never lost, also when a '#' follows it.
    if (!word.empty())
        classifyWord(word, functions, tokens);
}

bool loadScriptFile(const std::wstring& path, const FunctionDefinitions& functions, OwnedTokens& tokens)
{
    platform::LineReader file(platform::narrow(path));
    std::string line;
    while (file.next(line))
        tokenizeLine(platform::widen(line), functions, tokens);
    if (!file.isOpen() || file.failed())
    {
        logError(L"Could not load %p (read-mode)!", path.c_str());
        return false;
    }
    return true;
}

bool splitBlocks(OwnedTokens& tokens, OwnedTokens& block, irr::u32 start)
{
    if (start >= tokens.size())
        return true;
    irr::u32 depth = 0;
    for (;;)
    {
        if (start >= tokens.size())
        {
            logError(L"SCRIPT: Splitting-error. End of Block missing");
            return false;
        }
        block.push_back(std::move(tokens[start]));
        tokens.erase(tokens.begin() + start);
        const irr::u32 type = block.back()->getType();
        if (type == kOpenBrace)
        {
            ++depth;
        }
        else if (type == kCloseBrace)
        {
            if (depth == 0)
            {
                logError(L"SCRIPT: Splitting-error. Expeced open braces, but found end braces.");
                return false;
            }
            if (depth == 1)
                return true;
            --depth;
        }
    }
}

void deleteTokens(OwnedTokens& tokens)
{
    tokens.clear();
}
} // namespace reader
} // namespace Talvoren
