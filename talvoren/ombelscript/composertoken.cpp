#include "talvoren/ombelscript/composertoken.h"

#include "talvoren/ombelscript/composerfunctiondefinition.h"

namespace Talvoren
{
namespace reader
{
namespace
{
irr::u32 precedenceOf(irr::u32 type)
{
    switch (type)
    {
    case kNot:
        return 3;
    case kMultiply:
    case kDivide:
    case kHash:
        return 5;
    case kMinus:
    case kPlus:
        return 6;
    case kGreater:
    case kLess:
    case kGreaterEqual:
    case kLessEqual:
        return 8;
    case kEqual:
    case kNotEqual:
        return 9;
    case kAnd:
        return 13;
    case kOr:
        return 14;
    case kAssign:
        return 15;
    default:
        return kOperandPrecedence;
    }
}

const std::wstring& noText()
{
    static const std::wstring empty;
    return empty;
}
} // namespace

std::unique_ptr<ComposerToken> ComposerToken::makeOperator(irr::u32 type)
{
    return std::make_unique<ComposerToken>(type, precedenceOf(type), type == kNot ? 1 : 0);
}

irr::f64 numberValue(const ComposerToken& token)
{
    return token.getType() == kNumber ? static_cast<const ComposerNumberToken&>(token).getValue() : 0.0;
}

const std::wstring& textValue(const ComposerToken& token)
{
    switch (token.getType())
    {
    case kString:
    case kName:
    case kVariable:
        return static_cast<const ComposerTextToken&>(token).getValue();
    default:
        return noText();
    }
}

const std::wstring& functionName(const ComposerToken& token)
{
    if (token.getType() != kFunction)
        return noText();
    const ComposerFunctionDefinition* definition = static_cast<const ComposerFunctionToken&>(token).getValue();
    return definition ? definition->m_name : noText();
}
} // namespace reader
} // namespace Talvoren
