#include "archive/Archive.h"

#include "platform/Files.h"

#include "app/SettingsStore.h"
#include "app/UserName.h"
#include "archive/ArchivePaths.h"
#include "archive/IndexFiles.h"
#include "archive/LocalTimeStamp.h"
#include "archive/PageRenderer.h"
#include "util/DirectoryPath.h"

#include <ctime>
#include <map>
#include <utility>

namespace nook {

CArchive::CArchive(std::string programDir, CSettingsStore& settings, ILog* log)
    : programDir_(std::move(programDir)), settings_(settings), log_(log) {
    RebuildArchiveTree();
}

bool CArchive::LoadArchive(const std::string& userName) {
    if (!IsUsableUserName(userName)) return false;
    const CArchivePaths paths(programDir_, userName);
    LoadBlogIndex(paths.BlogListPath(), blogs_);
    LoadTwitterIndex(paths.TwitterListPath(), twitters_);
    RebuildArchiveTree();
    return true;
}

StoreOutcome CArchive::StoreBackup(BlogListAnswer answer) {
    StoreOutcome outcome;
    outcome.result = answer.result;
    const std::string userName = settings_.User().userName;
    if (outcome.result == kBackupSuccess && !IsUsableUserName(userName)) outcome.result = kBackupFailed;
    if (outcome.result == kBackupSuccess) {
        lastBackup_ = std::move(answer);
        if (WriteArchive(userName))
            AdvanceMarks();
        else
            outcome.result = kBackupFailed;
        RebuildArchiveTree();
    }
    outcome.downloadsPending = !DownloadList().empty();
    return outcome;
}

bool CArchive::WriteArchive(const std::string& userName) {
    const CArchivePaths paths(programDir_, userName);
    CPageRenderer renderer(paths, localiser_, log_);
    // The index files go into the user folder even when no page has created it yet.
    bool allWritten = MakeDirectoryPath(paths.UserFolder());

    std::map<int32_t, std::vector<const CommentEntry*>> commentsByBlog;
    for (const CommentEntry& comment : lastBackup_.comments)
        commentsByBlog[comment.blogId].push_back(&comment);
    static const std::vector<const CommentEntry*> kNoComments;

    for (const BlogEntry& blog : lastBackup_.blogs) {
        BlogIndexEntry& entry = blogs_[blog.id];
        entry.id = blog.id;
        entry.title = blog.title;
        entry.time = blog.createTime;
        entry.editorChoice = blog.isEditorChoice;
        auto comments = commentsByBlog.find(blog.id);
        allWritten = renderer.RenderBlogPage(blog, comments == commentsByBlog.end() ? kNoComments
                                                                                    : comments->second) &&
                     allWritten;
    }
    allWritten = SaveBlogIndex(paths.BlogListPath(), blogs_) && allWritten;

    if (!lastBackup_.twitters.empty()) {
        for (const TwitterEntry& twitter : lastBackup_.twitters) {
            TwitterIndexEntry& entry = twitters_[twitter.id];
            entry.id = twitter.id;
            entry.content = twitter.content;
            entry.time = twitter.createTime;
        }
        allWritten = SaveTwitterIndex(paths.TwitterListPath(), twitters_,
                                      static_cast<int>(lastBackup_.twitters.size())) &&
                     allWritten;
        allWritten = renderer.RenderMonthPages(twitters_) && allWritten;
    }
    // The pages were written deferred: on the disk before the marks may advance.
    return platform::FlushDeferredWrites(paths.UserFolder()) && allWritten;
}

void CArchive::AdvanceMarks() {
    UserSettings& user = settings_.User();
    // The last record of each list, not the largest id, is the mark the service expects.
    if (!lastBackup_.blogs.empty()) user.lastBlogId = lastBackup_.blogs.back().id;
    if (!lastBackup_.comments.empty()) user.lastCommentId = lastBackup_.comments.back().id;
    if (!lastBackup_.twitters.empty()) user.lastTwitterId = lastBackup_.twitters.back().id;
    user.lastBackupTime = LocalTimeStamp(std::time(nullptr));
    settings_.SaveSettings();
}

void CArchive::RebuildArchiveTree() {
    tree_ = nook::RebuildArchiveTree(blogs_, twitters_);
}

} // namespace nook
