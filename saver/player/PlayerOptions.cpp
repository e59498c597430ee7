#include "player/PlayerOptions.h"

#include "util/MbcsText.h"
#include "xml/XmlDocument.h"

namespace nook {

PlayerOptions ReadPlayerOptions(const std::string& configPath) {
    PlayerOptions options;
    CXmlDocument config;
    if (!config.LoadFile(configPath) || !config.FindElement("nookscreensaver")) return options;
    config.IntoElement();
    if (!config.FindElement("config")) return options;
    for (int i = 0;; ++i) {
        std::string name = config.GetAttributeName(i);
        if (name.empty()) break;
        std::string folded = AsciiLower(name);
        if (folded == "flash")
            options.flash = config.GetAttribute(name) == "1";
        else if (folded == "sound")
            options.sound = config.GetAttribute(name) == "1";
    }
    return options;
}

} // namespace nook
