#include "registry/PluginRegistry.h"

#include "core/LeadingNumber.h"
#include "core/SaverFiles.h"
#include "platform/Files.h"
#include "util/DirectoryPath.h"
#include "util/MbcsText.h"
#include "xml/XmlDocument.h"

namespace nook {

void PluginRegistry::Load(const std::string& programDir) {
    CXmlDocument list;
    if (!list.LoadFile(programDir + kSupportListFile) || !list.FindElement("nookscreensaver")) return;
    list.IntoElement();
    if (!list.FindElement("screensaverlist")) return;
    list.IntoElement();
    while (list.FindElement("screensaver")) {
        PluginEntry entry;
        entry.name = list.GetAttribute("name");
        entry.type = LeadingType(list.GetAttribute("type"));
        entry.file = list.GetAttribute("file");
        entry.makeonline = Trim(list.GetAttribute("makeonline"));
        if (entry.type != 0) Add(std::move(entry), programDir);
    }
}

void PluginRegistry::Add(PluginEntry entry, const std::string& programDir) {
    auto key = static_cast<uint32_t>(entry.type);
    auto existing = slots_.find(key);
    if (existing != slots_.end() && existing->second.binding) return;

    // A copy that fails (the cached library is in use by another running saver) leaves
    // the older copy in place, and that one is loaded.
    std::string cached = programDir + kCacheFolder + entry.file;
    MakeFileDirectory(cached);
    platform::CopyFileTo(programDir + entry.file, cached, true);

    auto binding = std::make_unique<PluginBinding>();
    if (!binding->Load(cached)) binding.reset();
    entry.binding = binding.get();
    slots_[key] = Slot{std::move(entry), std::move(binding)};
}

PluginEntry PluginRegistry::Lookup(int32_t type) const {
    auto found = slots_.find(static_cast<uint32_t>(type));
    return found == slots_.end() ? PluginEntry() : found->second.entry;
}

void PluginRegistry::Clear() {
    for (auto& [type, slot] : slots_)
        if (slot.binding) slot.binding->Unload();
    slots_.clear();
}

} // namespace nook
