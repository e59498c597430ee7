// The screen saver's application object: chooses the mode from the command line, then
// either hands configuration to the desktop suite or plays the player window until it
// is destroyed. The plug-in libraries stay loaded until exit.
#pragma once

#include "framework/Application.h"
#include "registry/PluginRegistry.h"

namespace nook {

class CSaverApp final : public CApplication {
  protected:
    bool InitInstance() override;
    int ExitInstance() override;

  private:
    PluginRegistry registry_;
};

} // namespace nook
