#pragma once

namespace velmora {

/// Starts the windowed program: the folder chooser first, then the main window.
/// Returns the process's exit status.
int StartProgram(int argc, char **argv);

} // namespace velmora
