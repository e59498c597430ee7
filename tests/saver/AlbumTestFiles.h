// Folders the album tests build in their scratch folder: a suite folder with NookSS
// below it and NookBackup's settings, and a user's archive written by NookBackup's own
// writers.
#pragma once

#include "archive/ArchiveIndex.h"
#include "archive/ArchivePaths.h"
#include "archive/PhotoList.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace nook::test {

// 小雨 in UTF-8 (as config.xml holds it) and in code page 936 (as the folder is named).
inline constexpr char kChineseUserUtf8[] = "\xE5\xB0\x8F\xE9\x9B\xA8";
inline constexpr char kChineseUser[] = "\xD0\xA1\xD3\xEA";

// Writes the bytes, making the file's folder first.
void WriteTestFile(const std::string& path, std::string_view bytes);

// Sets the file's last write time to `age` before now.
void SetFileAge(const std::string& path, std::chrono::hours age);

// A fresh suite folder with NookSS's folder below it.
class CSuiteFolder {
  public:
    CSuiteFolder();

    const std::string& Dir() const { return dir_; } // trailing backslash
    std::string SaverDir() const { return dir_ + "NookSS\\"; }

    // config.xml naming `userUtf8` as the last user and, when given, an archive folder
    // (UTF-8 too), and the user's own file, as NookBackup writes them.
    void WriteSettings(std::string_view userUtf8, const char* archivePathUtf8 = nullptr) const;

  private:
    std::string dir_;
};

// A user's archive: diaries in BlogList.xml, photos in PhotoList.xml and Images\.
class CArchiveBuilder {
  public:
    explicit CArchiveBuilder(CArchivePaths paths) : paths_(std::move(paths)) {}

    void AddDiary(int32_t id, std::string title, std::string time);
    // A photo shown by `diaries`; its file is written unless it is missing on purpose.
    // Returns its full path.
    std::string AddPhoto(std::vector<int32_t> diaries, PhotoState state = PhotoState::Stored,
                         bool fileInPlace = true);
    // A stored photo whose "file" attribute is `file`, written as it is.
    void AddPhotoNamed(const std::string& file);
    // Writes PhotoList.xml and BlogList.xml.
    void Save() const;

    const CArchivePaths& Paths() const { return paths_; }

  private:
    CArchivePaths paths_;
    CPhotoList photos_;
    BlogIndex diaries_;
};

} // namespace nook::test
