#pragma once
// Developer diagnostics that never stop the program.

namespace Talvoren
{
//! Writes a failed assertion's message to standard error; the caller goes on
//! and returns its failure result.
void reportAssertion(const char* message);
} // namespace Talvoren
