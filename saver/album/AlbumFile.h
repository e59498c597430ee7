// An album file: a plug-in's content configuration in any of the plug-ins' schemas
// (the translators' own tables), read for the local files it names.
#pragma once

#include "album/AlbumContent.h"

#include <string>

namespace nook {

// The pictures (in table and document order), board and music that the album file at
// `path` names and that exist as local files; other addresses are passed over (see
// LocalFilePath). Nothing for a file that LoadUtf8Document refuses or whose root is
// none of the schemas'.
AlbumContent ReadAlbumFile(const std::string& path);

} // namespace nook
