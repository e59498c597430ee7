// A program folder of NookBackup for one test: the page templates, config.xml pointing
// at the stand-in service, and whatever user files and archives the test lays down. The
// main dialog is given this folder as its own.
#pragma once

#include <string>
#include <vector>

namespace nook::test {

struct StoredUser {
    std::string name;
    std::string password; // plain; stored as the digest of name + password
    int rememberMe = 1;
    int lastBlogId = 0;
    int lastCommentId = 0;
    int lastTwitterId = 0;
};

class CProgramFolder {
public:
    // A fresh scratch folder with the templates; `host` empty writes no config.xml.
    explicit CProgramFolder(const std::string& host);

    const std::string& Path() const { return path_; } // trailing backslash

    // config.xml naming `lastUser`, the service host and the log settings, and `more`
    // (elements of further settings) before its end.
    void WriteConfig(const std::string& host, const std::string& lastUser, int logLevel = 0,
                     const std::string& more = std::string());
    // "<name>.xml" with the credentials and high-water marks.
    void WriteUser(const StoredUser& user);
    // Copies a prepared archive folder of the test data into the user's folder.
    void CopyArchive(const std::string& dataFolder, const std::string& userName);

    std::string Read(const std::string& relativePath) const;
    bool Exists(const std::string& relativePath) const;
    // Files directly in a folder of the program folder.
    int CountFiles(const std::string& relativeFolder) const;
    // Files matching `pattern` (as "*.html") in a folder of the program folder and every
    // folder below it, relative to the program folder, sorted.
    std::vector<std::string> Files(const std::string& relativeFolder, const std::string& pattern) const;

private:
    std::string path_;
};

// The MD5 hex digest of user name + password, as the settings store it.
std::string PasswordDigest(const std::string& userName, const std::string& password);

// Copies every file and folder below `from` into `to` (both with trailing backslashes).
bool CopyFolder(const std::string& from, const std::string& to);

} // namespace nook::test
