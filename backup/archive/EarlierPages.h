// Pages written before the photo list named their photos by absolute paths
// ("C:\...\<user>\Images\<name>"), which show nothing once the archive is copied
// elsewhere. These read such a page's photo files and rewrite its paths.
#pragma once

#include <string>
#include <vector>

namespace nook {

// The names of the photo files the page's "src=" addresses name, in page order; only
// absolute paths into a photo folder and page-relative ones count, and only names that
// are one plain file name.
std::vector<std::string> EarlierPhotoFiles(const std::string& pageText);

// Rewrites every absolute path into a photo folder to the page-relative form; true when
// anything changed.
bool RelativisePhotoPaths(std::string& pageText);

} // namespace nook
