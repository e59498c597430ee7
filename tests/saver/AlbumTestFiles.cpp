#include "tests/saver/AlbumTestFiles.h"

#include "archive/IndexFiles.h"
#include "platform/CodePage.h"
#include "platform/Files.h"
#include "tests/support/TestPaths.h"
#include "util/DirectoryPath.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace nook::test {

namespace {

std::filesystem::path SystemPath(const std::string& path) {
#ifdef _WIN32
    return std::filesystem::path(platform::AnsiToUtf16(path));
#else
    // UTF-8 never holds a 0x5C byte inside a character.
    std::string native = platform::AnsiToUtf8(path);
    for (char& c : native)
        if (c == '\\') c = '/';
    return std::filesystem::path(native);
#endif
}

} // namespace

void WriteTestFile(const std::string& path, std::string_view bytes) {
    ASSERT_TRUE(MakeFileDirectory(path)) << path;
    ASSERT_TRUE(platform::WriteFileAtomically(path, bytes)) << path;
}

void SetFileAge(const std::string& path, std::chrono::hours age) {
    std::error_code error;
    std::filesystem::last_write_time(SystemPath(path), std::filesystem::file_time_type::clock::now() - age,
                                     error);
    ASSERT_FALSE(error) << path << ": " << error.message();
}

CSuiteFolder::CSuiteFolder() : dir_(ScratchDir()) {
    MakeDirectoryPath(SaverDir());
}

void CSuiteFolder::WriteSettings(std::string_view userUtf8, const char* archivePathUtf8) const {
    std::string config = "<Config>\r\n<LastUser Name=\"" + std::string(userUtf8) + "\"/>\r\n";
    if (archivePathUtf8) config += "<Archive Path=\"" + std::string(archivePathUtf8) + "\"/>\r\n";
    config += "<Domain Url=\"www.nookdiary.com\"/>\r\n</Config>\r\n";
    WriteTestFile(dir_ + "config.xml", config);
    const std::string user = "<UserConfig>\r\n<User Username=\"" + std::string(userUtf8) +
                             "\" Password=\"\" RememberMe=\"1\"/>\r\n</UserConfig>\r\n";
    WriteTestFile(dir_ + platform::Utf8ToAnsi(userUtf8) + ".xml", user);
}

void CArchiveBuilder::AddDiary(int32_t id, std::string title, std::string time) {
    diaries_[id] = BlogIndexEntry{id, std::move(title), std::move(time), false};
}

std::string CArchiveBuilder::AddPhoto(std::vector<int32_t> diaries, PhotoState state, bool fileInPlace) {
    const std::string number = std::to_string(photos_.Entries().size());
    const std::string file = "Images\\photo" + number + ".jpg";
    PhotoEntry& entry = photos_.Add("http://photos.example/" + number + ".jpg", file, state);
    for (int32_t id : diaries)
        CPhotoList::AddDiary(entry, id);
    const std::string path = paths_.UserFolder() + file;
    if (fileInPlace) WriteTestFile(path, "photo " + number);
    return path;
}

void CArchiveBuilder::AddPhotoNamed(const std::string& file) {
    photos_.Add("http://photos.example/named/" + file, file, PhotoState::Stored);
}

void CArchiveBuilder::Save() const {
    ASSERT_TRUE(MakeDirectoryPath(paths_.UserFolder()));
    ASSERT_TRUE(photos_.Save(paths_.PhotoListPath(), platform::Durability::Immediate));
    ASSERT_TRUE(SaveBlogIndex(paths_.BlogListPath(), diaries_));
}

} // namespace nook::test
