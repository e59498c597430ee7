#pragma once

#include <string>

namespace nook {

// The movie's FSCommand event.
class IMovieEvents {
  public:
    virtual void OnFSCommand(const std::string& command, const std::string& arguments) = 0;

  protected:
    ~IMovieEvents() = default;
};

} // namespace nook
