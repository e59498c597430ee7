#include "core/MovieSettings.h"

#include "core/LeadingNumber.h"
#include "util/MbcsText.h"
#include "xml/XmlDocument.h"

namespace nook {

MovieSettings ReadMovieSettings(const std::string& configPath) {
    MovieSettings settings;
    CXmlDocument config;
    if (!config.LoadFile(configPath) || !config.FindElement("nookscreensaver")) return settings;
    config.IntoElement();
    if (!config.FindElement("config")) return settings;
    for (int i = 0;; ++i) {
        std::string name = config.GetAttributeName(i);
        if (name.empty()) break;
        std::string value = config.GetAttribute(name);
        std::string folded = AsciiLower(name);
        if (folded == "data")
            settings.data = value;
        else if (folded == "type")
            settings.type = LeadingType(value);
        else
            settings.passThrough += "&" + name + "=" + value;
    }
    return settings;
}

} // namespace nook
