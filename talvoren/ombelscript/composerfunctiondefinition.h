#pragma once
// A function name the script reader recognises, with its declared parameters.

#include <irrTypes.h>

#include <string>
#include <vector>

namespace Talvoren
{
namespace reader
{
//! Shared by the manager's list; function tokens point into it. The parameter
//! kinds are declarative: nothing checks a call against them.
struct ComposerFunctionDefinition
{
    ComposerFunctionDefinition(std::wstring name, std::vector<irr::u32> parameterTypes)
        : m_name(std::move(name)), m_parameterTypes(std::move(parameterTypes))
    {
    }

    std::wstring m_name;
    //! Type codes: 32 number, 33 bool, 34 string, 36 (x, y, z), 37 (x, y).
    std::vector<irr::u32> m_parameterTypes;
};
} // namespace reader
} // namespace Talvoren
