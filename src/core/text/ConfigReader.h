#pragma once
// The tolerant reader of the configuration text: it never reports an error, skips
// every line it cannot use, and clamps out-of-range integers to their defaults.
#include <string>

#include "model/Command.h"
#include "model/Device.h"
#include "text/Lexems.h"

namespace travo {

// Reads the pipe's text to its end into device. The caller resets device first;
// every command the text does not give keeps its value.
void ReadConfig(T_Command& buffer, TLexPipe& pipe, TLexema& lexeme, T_Command_DEVICE& device);

// ReadConfig over a whole text with scratch objects of its own.
void ReadConfigText(std::string text, T_Command_DEVICE& device);

// The kind whose mnemonic the word names, or 0. Lower-cases the lexeme's ASCII letters.
int FindCommand(TLexema& lexeme);

// The instance number a command word gives for kind k, or -1 when it names none.
std::int32_t ParseNumber(const TLexema& lexeme, int k);

// Clamps the buffer's integers, turns a user's key code into display order, and
// copies the buffer onto the device's command of the same kind and number.
void ApplyCommand(T_Command& buffer, T_Command_DEVICE& device);

} // namespace travo
