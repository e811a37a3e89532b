#pragma once
// Start-up of the editor program.

namespace travo {

// Runs the editor until its window is closed; the exit code of the program.
int RunEditor(int argc, char** argv);

} // namespace travo
