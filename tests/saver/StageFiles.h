// Pictures, archives and configurations for the tests of what the stage shows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace nook::test {

// A 24-bit BMP of one colour.
bool WriteSolidBitmap(const std::string& path, int width, int height, COLORREF colour);
// A BMP whose header claims `width` x `height` pixels, with no pixels after it.
bool WriteBitmapHeaderOnly(const std::string& path, int width, int height);

// NookBackup's archive in the suite folder: config.xml and the user's file (UTF-8) name
// the last user, a Chinese name, whose PhotoList.xml lists `photos`, stored in its
// Images folder, in this order. Returns that Images folder, where the caller puts the files.
std::string MakeArchive(const std::string& suiteDir, const std::vector<std::string>& photos);

// SSConfig.XML in the saver's folder: <config `attributes`/>.
bool WriteSaverConfig(const std::string& saverDir, const std::string& attributes);

} // namespace nook::test
