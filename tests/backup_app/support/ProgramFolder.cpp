#include "tests/backup_app/support/ProgramFolder.h"

#include "md5/Md5.h"
#include "platform/Files.h"
#include "platform/win32/WideText.h"
#include "tests/support/TestPaths.h"
#include "util/DirectoryPath.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <utility>

namespace nook::test {

namespace {

bool WriteText(const std::string& path, const std::string& text) {
    return platform::WriteFileAtomically(path, text);
}

// One FindFirstFileW search, closed on destruction.
class CFileSearch {
  public:
    // Not in the initialiser list: found_ is initialised after handle_ and would wipe the first match.
    explicit CFileSearch(const std::string& pattern) {
        handle_ = FindFirstFileW(platform::ToWide(pattern).c_str(), &found_);
    }
    ~CFileSearch() {
        if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
    }
    CFileSearch(CFileSearch&& other) noexcept
        : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)), found_(other.found_) {}
    CFileSearch& operator=(CFileSearch&& other) noexcept {
        std::swap(handle_, other.handle_);
        std::swap(found_, other.found_);
        return *this;
    }
    CFileSearch(const CFileSearch&) = delete;
    CFileSearch& operator=(const CFileSearch&) = delete;

    bool Found() const { return handle_ != INVALID_HANDLE_VALUE; }
    void Next() {
        if (!FindNextFileW(handle_, &found_)) *this = CFileSearch();
    }
    std::string Name() const { return platform::FromWide(found_.cFileName); }
    bool IsFolder() const { return (found_.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

  private:
    CFileSearch() = default;

    HANDLE handle_ = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAW found_{};
};

void CollectFiles(const std::string& root, const std::string& relativeFolder, const std::string& pattern,
                  std::vector<std::string>& files) {
    for (CFileSearch search(root + relativeFolder + pattern); search.Found(); search.Next())
        if (!search.IsFolder()) files.push_back(relativeFolder + search.Name());
    for (CFileSearch search(root + relativeFolder + "*"); search.Found(); search.Next()) {
        const std::string name = search.Name();
        if (search.IsFolder() && name != "." && name != "..")
            CollectFiles(root, relativeFolder + name + "\\", pattern, files);
    }
}

} // namespace

std::string PasswordDigest(const std::string& userName, const std::string& password) {
    const std::string typed = userName + password;
    return Md5DigestText(typed.data(), typed.size());
}

bool CopyFolder(const std::string& from, const std::string& to) {
    if (!MakeDirectoryPath(to)) return false;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(platform::ToWide(from + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    do {
        const std::string name = platform::FromWide(found.cFileName);
        if (name == "." || name == "..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            ok = CopyFolder(from + name + "\\", to + name + "\\") && ok;
        else
            ok = platform::CopyFileTo(from + name, to + name, true) && ok;
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return ok;
}

CProgramFolder::CProgramFolder(const std::string& host) : path_(ScratchDir()) {
    EXPECT_TRUE(CopyFolder(NOOK_TEMPLATES_DIR "\\", path_ + "Templates\\"));
    if (!host.empty()) WriteConfig(host, "");
}

void CProgramFolder::WriteConfig(const std::string& host, const std::string& lastUser, int logLevel,
                                 const std::string& more) {
    const std::string text = "<Config>\n<LastUser Name=\"" + lastUser + "\"/>\n<Domain Url=\"" + host +
                             "\"/>\n<Debug Level=\"" + std::to_string(logLevel) + "\" Path=\"" + path_ + "\"/>\n" +
                             more + "</Config>\n";
    ASSERT_TRUE(WriteText(path_ + "config.xml", text));
}

void CProgramFolder::WriteUser(const StoredUser& user) {
    const std::string text =
        "<UserConfig>\n<User Username=\"" + user.name + "\" Password=\"" + PasswordDigest(user.name, user.password) +
        "\" RememberMe=\"" + std::to_string(user.rememberMe) + "\"/>\n<Backup LastBlogID=\"" +
        std::to_string(user.lastBlogId) + "\" LastCommentID=\"" + std::to_string(user.lastCommentId) +
        "\" LastTwitterID=\"" + std::to_string(user.lastTwitterId) +
        "\" LastBackupTime=\"2001-01-01 00:00:00\"/>\n</UserConfig>\n";
    ASSERT_TRUE(WriteText(path_ + user.name + ".xml", text));
}

void CProgramFolder::CopyArchive(const std::string& dataFolder, const std::string& userName) {
    ASSERT_TRUE(CopyFolder(DataDir() + dataFolder + "\\", path_ + userName + "\\"));
}

std::string CProgramFolder::Read(const std::string& relativePath) const { return ReadAll(path_ + relativePath); }

bool CProgramFolder::Exists(const std::string& relativePath) const {
    return platform::FileExists(path_ + relativePath);
}

int CProgramFolder::CountFiles(const std::string& relativeFolder) const {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(platform::ToWide(path_ + relativeFolder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    int count = 0;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++count;
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return count;
}

std::vector<std::string> CProgramFolder::Files(const std::string& relativeFolder,
                                               const std::string& pattern) const {
    std::vector<std::string> files;
    CollectFiles(path_, relativeFolder + "\\", pattern, files);
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace nook::test
