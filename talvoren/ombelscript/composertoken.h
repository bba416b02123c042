#pragma once
// The tokens of the script language: a type code, a binding level and a value.

#include <irrTypes.h>

#include <memory>
#include <string>
#include <vector>

namespace Talvoren
{
namespace reader
{
struct ComposerFunctionDefinition;

//! Token type codes; 36 and 37 only describe parameters of function definitions.
enum ComposerTokenType : irr::u32
{
    kFunction = 1,
    kOpenParenthesis = 2,
    kCloseParenthesis = 3,
    kOpenBrace = 4,
    kCloseBrace = 5,
    kSemicolon = 6,
    kComma = 7,
    kColon = 8,
    kName = 10,
    kAssign = 13,
    kNot = 14,
    kVariable = 15,
    kIf = 16,
    kMinus = 17,
    kPlus = 18,
    kMultiply = 19,
    kDivide = 20,
    kHash = 21,
    kGreater = 22,
    kLess = 23,
    kGreaterEqual = 24,
    kLessEqual = 25,
    kEqual = 26,
    kNotEqual = 27,
    kAnd = 28,
    kOr = 29,
    kNumber = 32,
    kBool = 33,
    kString = 34,
    kVector3d = 36,
    kVector2d = 37,
    kTactic = 45,
    kOn = 46,
    kPriority = 47
};

//! Binding level of every token that is not an operator.
constexpr irr::u32 kOperandPrecedence = 20;

//! One token. The value kinds derive from it; the type code tells which one a
//! token is. Deleted through the base by its owning container.
class ComposerToken
{
public:
    explicit ComposerToken(irr::u32 type, irr::u32 precedence = kOperandPrecedence, irr::u8 leftAssociative = 0)
        : m_leftAssociative(leftAssociative), m_precedence(precedence), m_type(type)
    {
    }
    virtual ~ComposerToken() = default;
    ComposerToken(const ComposerToken&) = delete;
    ComposerToken& operator=(const ComposerToken&) = delete;

    irr::u32 getType() const { return m_type; }
    irr::u32 getPrecedence() const { return m_precedence; }
    bool isLeftAssociative() const { return m_leftAssociative != 0; }
    //! True for ';', '{' and '}', the tokens that end a statement.
    bool isStatementDelimiter() const { return m_type == kSemicolon || m_type == kOpenBrace || m_type == kCloseBrace; }

    //! The operator token of a type code, with its binding level.
    static std::unique_ptr<ComposerToken> makeOperator(irr::u32 type);

private:
    irr::u8 m_leftAssociative;
    irr::u32 m_precedence;
    irr::u32 m_type;
};

class ComposerBoolToken : public ComposerToken
{
public:
    explicit ComposerBoolToken(bool value) : ComposerToken(kBool), m_value(value) {}
    bool getValue() const { return m_value; }

private:
    bool m_value;
};

class ComposerNumberToken : public ComposerToken
{
public:
    explicit ComposerNumberToken(irr::f64 value) : ComposerToken(kNumber), m_value(value) {}
    irr::f64 getValue() const { return m_value; }

private:
    irr::f64 m_value;
};

//! A token whose value is a text.
class ComposerTextToken : public ComposerToken
{
public:
    ComposerTextToken(irr::u32 type, std::wstring value) : ComposerToken(type), m_value(std::move(value)) {}
    const std::wstring& getValue() const { return m_value; }

private:
    std::wstring m_value;
};

//! The text between the quotes.
class ComposerStringToken : public ComposerTextToken
{
public:
    explicit ComposerStringToken(std::wstring value) : ComposerTextToken(kString, std::move(value)) {}
};

//! An identifier that is neither a keyword nor a registered function.
class ComposerNameToken : public ComposerTextToken
{
public:
    explicit ComposerNameToken(std::wstring value) : ComposerTextToken(kName, std::move(value)) {}
};

//! A variable's name without its leading '$'.
class ComposerVariableToken : public ComposerTextToken
{
public:
    explicit ComposerVariableToken(std::wstring name) : ComposerTextToken(kVariable, std::move(name)) {}
};

//! Points into the manager's list of definitions, which outlives every token.
class ComposerFunctionToken : public ComposerToken
{
public:
    explicit ComposerFunctionToken(const ComposerFunctionDefinition* definition)
        : ComposerToken(kFunction), m_value(definition)
    {
    }
    const ComposerFunctionDefinition* getValue() const { return m_value; }

private:
    const ComposerFunctionDefinition* m_value;
};

//! Owns its tokens: a script's text, a statement's own tokens, temporaries.
using OwnedTokens = std::vector<std::unique_ptr<ComposerToken>>;
//! Refers to tokens owned elsewhere: a statement, a call, a condition.
using TokenVector = std::vector<ComposerToken*>;

//! The value of a number token; 0 for any other token.
irr::f64 numberValue(const ComposerToken& token);
//! The text of a string, name or variable token; empty for any other token.
const std::wstring& textValue(const ComposerToken& token);
//! The name of a function token's definition; empty for any other token.
const std::wstring& functionName(const ComposerToken& token);
} // namespace reader
} // namespace Talvoren
