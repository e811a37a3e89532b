#pragma once
// The users' key codes: what a typed code becomes, and duplicates.
#include <string>

#include "model/Device.h"

namespace travo {

// A typed code with "*" anywhere becomes twelve "*"; a shorter one is completed
// with "0" to 12; an empty one stays empty.
std::string NormalizeTypedCode(std::string code);

// True for the codes that take no part in the duplicate test: empty, all zeros,
// all asterisks.
bool IsNeutralCode(const std::string& code);

// The first user other than user holding the same code, or 0. With user 0 the code
// given is looked for; otherwise user's own stored code.
int Check_Code_Double(const T_Command_DEVICE& device, int user, const std::string& code);

} // namespace travo
