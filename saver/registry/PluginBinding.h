// One loaded plug-in library and the entry points the screen saver calls.
//
// Plug-in texts come back as CRefString made by the plug-in's allocator; they must be
// released before the library goes. So every text is copied into a std::string here
// and the plug-in's string released before the call returns: nothing the binding
// hands out refers into the library.
#pragma once

#include "framework/KernelHandle.h"
#include "string/RefString.h"

#include <string>

namespace nook {

class PluginBinding {
  public:
    using GetTextFn = CRefString (*)();
    using ParseConfigurationFn = CRefString (*)(CRefString configPath, CRefString cachePrefix);
    using LocalCreationFn = int (*)();

    PluginBinding() = default;
    ~PluginBinding() { Unload(); }
    PluginBinding(const PluginBinding&) = delete;
    PluginBinding& operator=(const PluginBinding&) = delete;

    // Loads the library and binds SS_GetName, SS_GetVersion, SS_ParseXML,
    // SS_SupportCreateLocal, SS_CreateLocal and SS_GetSSFile. A library lacking any of
    // them is released again and the result is false. True at once when loaded.
    bool Load(const std::string& libraryPath);
    // Forgets the entry points and releases the library.
    void Unload();
    bool IsLoaded() const { return static_cast<bool>(module_); }

    // Empty texts when not loaded.
    std::string GetName() const;
    // Has the plug-in write its movie file; its path, or empty.
    std::string GetMovieFile() const;

  private:
    static std::string Call(GetTextFn fn);

    CModuleHandle module_;
    GetTextFn getName_ = nullptr;
    GetTextFn getVersion_ = nullptr;
    ParseConfigurationFn parseConfiguration_ = nullptr;
    LocalCreationFn supportsLocalCreation_ = nullptr;
    LocalCreationFn createLocal_ = nullptr;
    GetTextFn getMovieFile_ = nullptr;
};

} // namespace nook
