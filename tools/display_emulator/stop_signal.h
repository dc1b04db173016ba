// SIGINT and SIGTERM ask the emulator to stop; the main loop checks the flag and cleans up.
#pragma once

namespace display_emulator {

// Also ignores SIGPIPE, so a closed output ends the loop through a failed write instead.
void InstallStopHandlers();
bool StopRequested();

}  // namespace display_emulator
