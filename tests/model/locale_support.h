#pragma once
// Switches the process to a locale whose decimal separator is a comma, so
// tests can show that number text does not depend on it.
#include <string>

namespace kelmor::test {

// Returns the name of the locale set, or "" when none could be made.
std::string ustawLokalePrzecinkowe();
void przywrocLokaleC();

}  // namespace kelmor::test
