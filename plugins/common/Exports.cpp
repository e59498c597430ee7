// The seven entry points of a screen-saver plug-in. Exports.def publishes them under
// their plain names. Texts cross as CRefString by value, so a returned string is made
// by this library's allocator and is released back into it by the caller.
#include "common/MovieExtractor.h"
#include "common/PluginConstants.h"
#include "common/PluginVersion.h"
#include "common/translator/ConfigTranslator.h"
#include "string/RefString.h"

#include <cstdint>

using nook::CRefString;
using nook::kThisPlugin;

extern "C" {

CRefString SS_GetName() {
    return CRefString(kThisPlugin.name);
}

CRefString SS_GetVersion() {
    return CRefString(NOOK_PLUGIN_VERSION_TEXT);
}

uint16_t SS_GetIconID() {
    return kThisPlugin.iconId;
}

// Also exported as SS_SupportCreateLocal: local creation is not supported, and both
// names answer so with the same routine whatever the caller passes.
int SS_CreateLocal() {
    return 0;
}

CRefString SS_GetSSFile() {
    return CRefString(nook::ExtractMovie(kThisPlugin.movieResourceId));
}

CRefString SS_ParseXML(CRefString configPath, CRefString cachePrefix) {
    return CRefString(nook::TranslateConfiguration(configPath.str(), cachePrefix.str(), kThisPlugin.schema));
}

} // extern "C"
