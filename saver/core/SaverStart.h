#pragma once

#include "util/CommandLineParams.h"

#include <cstdint>
#include <string>

namespace nook {

enum class SaverMode { Preview = 0, FullScreen = 1, Configure = 2 };

// How the screen saver was asked to start.
struct SaverStart {
    SaverMode mode = SaverMode::Configure;
    // The preview window's handle as a number; 0 (no parent) plays full screen.
    intptr_t parentHandle = 0;
    // The player's configuration file; empty for the one beside the program.
    std::string configPath;
};

// "s" plays full screen, whatever else is given; otherwise "p" with a decimal window
// handle previews (a bare /p reads as "TRUE", handle 0); anything else configures.
// "f" names the configuration file.
SaverStart ChooseSaverStart(const CCommandLineParams& params);

} // namespace nook
