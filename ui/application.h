#pragma once

namespace tremalo {

// Starts the toolkit and the window and runs until the window is closed. Returns the
// process's exit status: 0, or 1 when no window can be opened (no display).
int runApplication(int argc, char** argv);

} // namespace tremalo
