// The files of the screen saver, all found relative to its program folder.
#pragma once

namespace nook {

constexpr const char* kSupportListFile = "SupportList.XML"; // the installed plug-ins
constexpr const char* kCacheFolder = "Cache\\";             // where the plug-ins are loaded from
constexpr const char* kConfigFile = "SSConfig.XML";         // which plug-in plays, and its values
constexpr const char* kMovieDataFile = "SSData.dat";        // handed to the movies, never opened here
constexpr const char* kPlaceholderMovie = "empty.swf";      // played when no plug-in can be

} // namespace nook
