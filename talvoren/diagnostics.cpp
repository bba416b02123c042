#include "talvoren/diagnostics.h"

#include <cstdio>

namespace Talvoren
{
void reportAssertion(const char* message)
{
    std::fprintf(stderr, "Assertion failed: %s\n", message);
}
} // namespace Talvoren
