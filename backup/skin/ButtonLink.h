#pragma once

#include <string>
#include <string_view>

namespace nook {

// The document or address (code page 936) a skinned button opens when clicked.
class CButtonLink {
  public:
    // Keeps at most 260 characters.
    void Set(std::string_view link);
    bool Empty() const { return link_.empty(); }
    // Opens it maximised.
    void Open() const;

  private:
    std::string link_;
};

} // namespace nook
