#include "registry/PluginBinding.h"

#include "platform/win32/WideText.h"

#include <windows.h>

namespace nook {

namespace {

template <typename Fn> Fn Bind(HMODULE module, const char* name) {
    // Through void(*)() so that the compiler accepts the change of signature.
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

} // namespace

bool PluginBinding::Load(const std::string& libraryPath) {
    if (module_) return true;
    module_.Reset(LoadLibraryW(platform::ToWide(libraryPath).c_str()));
    if (!module_) return false;
    const HMODULE module = module_.Get();
    getName_ = Bind<GetTextFn>(module, "SS_GetName");
    getVersion_ = Bind<GetTextFn>(module, "SS_GetVersion");
    parseConfiguration_ = Bind<ParseConfigurationFn>(module, "SS_ParseXML");
    supportsLocalCreation_ = Bind<LocalCreationFn>(module, "SS_SupportCreateLocal");
    createLocal_ = Bind<LocalCreationFn>(module, "SS_CreateLocal");
    getMovieFile_ = Bind<GetTextFn>(module, "SS_GetSSFile");
    if (getName_ && getVersion_ && parseConfiguration_ && supportsLocalCreation_ && createLocal_ &&
        getMovieFile_)
        return true;
    Unload();
    return false;
}

void PluginBinding::Unload() {
    if (!module_) return;
    getName_ = getVersion_ = getMovieFile_ = nullptr;
    parseConfiguration_ = nullptr;
    supportsLocalCreation_ = createLocal_ = nullptr;
    module_.Reset();
}

std::string PluginBinding::Call(GetTextFn fn) {
    if (!fn) return {};
    CRefString text = fn();
    return text.str();
}

std::string PluginBinding::GetName() const {
    return Call(getName_);
}
std::string PluginBinding::GetMovieFile() const {
    return Call(getMovieFile_);
}

} // namespace nook
