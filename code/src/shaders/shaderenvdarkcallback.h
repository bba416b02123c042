#pragma once
// The env constants in their dark variant, for the dark walls ("env_dark").

#include "code/src/shaders/shaderenvcallback.h"

namespace Belgarune
{
class ShaderEnvDarkCallBack : public ShaderEnvCallBack
{
public:
    ShaderEnvDarkCallBack() : ShaderEnvCallBack(true) {}
};
} // namespace Belgarune
