// What the player window needs of a movie control: the three members of the Flash
// player it uses. The Flash control and the stage that stands in for it when Flash is
// not installed both offer them, so the player has one path for either.
#pragma once

#include <windows.h>

#include <string>

namespace nook {

// The movie's FSCommand event.
class IMovieEvents {
  public:
    virtual void OnFSCommand(const std::string& command, const std::string& arguments) = 0;

  protected:
    ~IMovieEvents() = default;
};

class IMovieControl {
  public:
    virtual ~IMovieControl() = default;

    virtual HWND ControlWindow() const = 0;
    // 0xRRGGBB.
    virtual void SetBackgroundColor(long colour) = 0;
    virtual void LoadMovie(long layer, const std::string& address) = 0;
};

} // namespace nook
