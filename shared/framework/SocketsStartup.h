#pragma once

namespace nook {

// Windows Sockets 1.1 for the life of this object.
class CSocketsStartup {
  public:
    CSocketsStartup();
    ~CSocketsStartup();
    CSocketsStartup(const CSocketsStartup&) = delete;
    CSocketsStartup& operator=(const CSocketsStartup&) = delete;
    bool Ok() const { return ok_; }

  private:
    bool ok_;
};

} // namespace nook
