#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace nook {

// A sound a skinned button plays through PlaySound: a name, the module holding it and
// the flags. Without a name it plays nothing.
class CButtonSound {
  public:
    // `name` in code page 936; `module` not owned.
    void Set(std::string_view name, HMODULE module, DWORD flags);
    void Play() const;

  private:
    std::wstring name_;
    HMODULE module_ = nullptr; // not owned
    DWORD flags_ = 0;
};

} // namespace nook
