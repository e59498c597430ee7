// Where the saver tests find what the build made, in the programs' path form.
#pragma once

#include <string>

namespace nook::test {

// A built plug-in library: "SS_Lullaby" and the other three.
std::string BuiltPlugin(const std::string& name);
// Test plug-ins: one without its movie resource, one lacking SS_GetSSFile.
std::string NoMoviePlugin();
std::string FiveOfSixPlugin();
// The built NookSS.scr.
std::string BuiltSaver();
// The program that stands in for the desktop suite's Hearthtop.exe.
std::string StandInSuite();
// Where the screenshots of the stage go: the test's build folder, no trailing backslash.
std::string ScreenshotDir();
// A file of the source tree, by its path relative to the source root.
std::string SourceFile(const std::string& relative);
// A screen saver program folder under `base`: NookSS.scr, the four plug-ins, the
// shipped content and the generated pictures, as installed. Returns the folder, with a trailing backslash.
std::string InstallSaver(const std::string& base);

} // namespace nook::test
