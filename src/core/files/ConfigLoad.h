#pragma once
// Reading a configuration the way the editor opens one.
#include <string>

#include "model/Device.h"

namespace travo {

// Resets device and reads text (the file's lines joined with CR LF) into it.
void LoadConfigText(T_Command_DEVICE& device, std::string text);

// After a file read with key: an empty key takes the old key, or else the file's
// key; an empty old key takes the file's key. So a protected file whose text names
// no key keeps the key that opened it.
void ApplyKeyCarryOver(T_Command_DEVICE& working, const std::string& key);

} // namespace travo
