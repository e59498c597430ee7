#pragma once

namespace nook {

// OLE on the calling thread (single-threaded apartment), as hosting ActiveX controls
// in place needs; released on destruction when it was initialised here.
class COleSession {
  public:
    COleSession();
    ~COleSession();
    COleSession(const COleSession&) = delete;
    COleSession& operator=(const COleSession&) = delete;
    bool Ok() const { return ok_; }

  private:
    bool ok_;
};

} // namespace nook
