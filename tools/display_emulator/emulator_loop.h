// The display's side of the link: reads frames, answers probes, reports every record.
#pragma once

#include "display_port.h"
#include "emulator_options.h"

namespace display_emulator {

// Serves the port until a stop signal, the --exit-after count or a failed output.
// Returns the process exit code. Survives the far side closing and reopening the port.
int RunEmulator(const DisplayPort& port, const EmulatorOptions& options);

}  // namespace display_emulator
