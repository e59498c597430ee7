// The installed plug-ins by type number, read from "SupportList.XML". Each listed
// library is copied into "Cache\" under the program folder and loaded from there, so
// its movie data file lands in that folder too.
#pragma once

#include "registry/PluginBinding.h"
#include "registry/PluginEntry.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>

namespace nook {

class PluginRegistry {
  public:
    PluginRegistry() = default;
    ~PluginRegistry() { Clear(); }
    PluginRegistry(const PluginRegistry&) = delete;
    PluginRegistry& operator=(const PluginRegistry&) = delete;

    // Reads `programDir` + "SupportList.XML" (with a trailing backslash). Elements
    // with type 0 are skipped; of several with one type, the first whose library
    // loads completely wins. A missing or broken list leaves the registry as it was.
    void Load(const std::string& programDir);

    // A copy of the entry of `type`, or a default entry. Its binding stays owned here.
    PluginEntry Lookup(int32_t type) const;

    // Releases every library, in type order, and forgets every entry.
    void Clear();

  private:
    struct Slot {
        PluginEntry entry;
        std::unique_ptr<PluginBinding> binding;
    };
    void Add(PluginEntry entry, const std::string& programDir);

    std::map<uint32_t, Slot> slots_;
};

} // namespace nook
