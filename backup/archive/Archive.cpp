#include "archive/Archive.h"

#include "platform/Files.h"

#include "app/settings/SettingsStore.h"
#include "app/settings/UserName.h"
#include "archive/ArchivePaths.h"
#include "archive/DependentPages.h"
#include "archive/DiaryRecord.h"
#include "archive/EarlierPages.h"
#include "archive/ImageLocaliser.h"
#include "archive/IndexFiles.h"
#include "archive/IndexRepair.h"
#include "archive/IndexUpdate.h"
#include "archive/LocalTimeStamp.h"
#include "archive/Log.h"
#include "archive/PageFile.h"
#include "archive/PageRenderer.h"
#include "archive/ParseDate.h"
#include "archive/TemplateCopy.h"
#include "util/DirectoryPath.h"

#include <ctime>
#include <map>
#include <set>
#include <utility>

namespace nook {

namespace {

using CommentGroups = std::map<int32_t, std::vector<const CommentEntry*>>;

// Merges what the answer brought for one diary into its record, saves the record and,
// once the diary itself is known, renders its page from everything the record holds.
bool StoreDiary(const CArchivePaths& paths, CPageRenderer& renderer, int32_t id, const BlogEntry* blog,
                const std::vector<const CommentEntry*>& newComments) {
    DiaryRecord record;
    LoadDiaryRecord(paths.DiaryRecordPath(id), record);
    if (blog) {
        record.hasBlog = true;
        record.blog = *blog;
    }
    for (const CommentEntry* comment : newComments)
        MergeComment(record, *comment);
    bool written = SaveDiaryRecord(paths.DiaryRecordPath(id), record);
    if (record.hasBlog) written = renderer.RenderBlogPage(record) && written;
    return written;
}

std::string Today() {
    return LocalTimeStamp(std::time(nullptr)).substr(0, 10);
}

} // namespace

CArchive::CArchive(std::string programDir, CSettingsStore& settings, ILog* log)
    : programDir_(std::move(programDir)), settings_(settings), log_(log) {
    RebuildArchiveTree();
}

std::string CArchive::Root() const {
    return settings_.ArchiveRoot();
}

bool CArchive::PrepareArchiveFolder() {
    const std::string root = Root();
    // Never made here: a missing folder is a disk not connected, and a folder made in its
    // place would take a backup the user's archive never sees.
    if (!platform::DirectoryExists(root)) return false;
    if (loadedWithoutFolder_ && platform::DirectoryExists(CArchivePaths(root, userName_).UserFolder()))
        LoadArchive(userName_);
    if (root != programDir_ && !RefreshTemplateCopy(programDir_ + "Templates\\", root + "Templates\\") && log_)
        log_->WriteLog("CArchive::PrepareArchiveFolder - the templates could not be copied to the archive folder");
    const UserSettings& user = settings_.User();
    if (!IsUsableUserName(user.userName)) return true;
    const CArchivePaths paths(root, user.userName);
    // A folder chosen anew, or emptied: only a complete backup fills it.
    if (!platform::DirectoryExists(paths.UserFolder())) {
        if (user.marks != BackupMarks{}) SetMarks(BackupMarks{});
        return true;
    }
    // The user file's marks are those of whichever folder was backed up last; a folder
    // taken up again asks for everything since its own.
    ArchiveState stored;
    if (LoadArchiveState(paths.ArchiveStatePath(), stored) && !stored.fullBackupPending && stored.marks &&
        *stored.marks != user.marks)
        SetMarks(*stored.marks);
    if (userName_ == user.userName) {
        const BackupMarks held = MarksTheIndexesHold(user.marks, blogs_, twitters_);
        if (held != user.marks) SetMarks(held);
    }
    return true;
}

bool CArchive::SetMarks(const BackupMarks& marks) {
    settings_.User().marks = marks;
    return settings_.SaveSettings();
}

void CArchive::Clear() {
    userName_.clear();
    loadedWithoutFolder_ = false;
    blogs_.clear();
    twitters_.clear();
    photos_.Clear();
    state_ = ArchiveState{};
    passRecorder_.reset();
    RebuildArchiveTree();
}

bool CArchive::LoadArchive(const std::string& userName) {
    if (userName.empty()) return false;
    // Another user's archive is never shown under a name that cannot have one.
    if (!IsUsableUserName(userName)) {
        Clear();
        return false;
    }
    const CArchivePaths paths(Root(), userName);
    userName_ = userName;
    loadedWithoutFolder_ = !platform::DirectoryExists(paths.UserFolder());
    passRecorder_.reset();
    LoadBlogIndex(paths.BlogListPath(), blogs_);
    AddDiariesOnlyRecordsHold(paths, blogs_);
    LoadTwitterIndex(paths.TwitterListPath(), twitters_);
    photos_.Load(paths.PhotoListPath());
    if (photos_.Repair(paths.UserFolder())) photos_.Save(paths.PhotoListPath(), platform::Durability::Immediate);
    if (!LoadArchiveState(paths.ArchiveStatePath(), state_) &&
        (platform::FileExists(paths.BlogListPath()) || platform::FileExists(paths.TwitterListPath())))
        SetUpFullBackup(userName);
    RebuildArchiveTree();
    return true;
}

void CArchive::SetUpFullBackup(const std::string& userName) {
    // Only the user's own marks can be set back; the state is recorded once they are.
    if (settings_.User().userName != userName || !SetMarks(BackupMarks{})) return;
    state_.fullBackupPending = true;
    state_.pageVersion = kPageVersion;
    SaveArchiveState(CArchivePaths(Root(), userName).ArchiveStatePath(), state_);
}

StoreOutcome CArchive::StoreBackup(BlogListAnswer answer) {
    StoreOutcome outcome;
    outcome.result = answer.result;
    const std::string userName = settings_.User().userName;
    if (outcome.result == kBackupSuccess && !IsUsableUserName(userName)) outcome.result = kBackupFailed;
    // The archive folder went between the check before the request and now: nothing is
    // written, the marks stay.
    if (outcome.result == kBackupSuccess && !platform::DirectoryExists(Root())) outcome.result = kBackupFailed;
    if (outcome.result != kBackupSuccess) return outcome;
    if (userName != userName_) LoadArchive(userName);
    lastBackup_ = std::move(answer);
    const BackupMarks reached = MarksReached();
    if (WriteArchive(userName, reached)) {
        loadedWithoutFolder_ = false; // the folder now holds what is loaded
        SetMarks(reached);
    } else {
        outcome.result = kBackupFailed;
    }
    RebuildArchiveTree();
    outcome.downloadsPending = PendingPhotoCount() > 0;
    return outcome;
}

bool CArchive::WriteArchive(const std::string& userName, const BackupMarks& reached) {
    const CArchivePaths paths(Root(), userName);
    const IndexChanges indexChanges = IndexChangesOf(paths, lastBackup_, blogs_, twitters_);
    CImageLocaliser localiser(photos_);
    CPageRenderer renderer(paths, localiser, log_);
    renderer.KeepEarlierPages(state_.fullBackupPending);
    CDependentPages dependentPages(paths, renderer, blogs_, twitters_, lastBackup_.blogs);
    // The index files go into the user folder even when no page has created it yet.
    bool allWritten = MakeDirectoryPath(paths.UserFolder());
    allWritten = WriteDiaries(renderer, paths) && allWritten;
    allWritten = SaveBlogIndex(paths.BlogListPath(), blogs_) && allWritten;

    if (!lastBackup_.twitters.empty()) allWritten = WritePosts(renderer, paths) && allWritten;
    if (state_.fullBackupPending) allWritten = RelativiseDeletedDiaryPages(paths) && allWritten;
    allWritten = dependentPages.WriteChanged(twitters_) && allWritten;
    allWritten = WriteIndexPages(renderer, paths, indexChanges) && allWritten;
    ArchiveState stored = state_;
    stored.fullBackupPending = false;
    stored.marks = reached;
    return Commit(paths, allWritten, stored);
}

bool CArchive::Commit(const CArchivePaths& paths, bool allWritten, const ArchiveState& next) {
    allWritten = photos_.Save(paths.PhotoListPath(), platform::Durability::Deferred) && allWritten;
    // Everything was written deferred: on the disk before the state (and the marks) move on.
    if (!platform::FlushDeferredWrites(paths.UserFolder()) || !allWritten) return false;
    if (!SaveArchiveState(paths.ArchiveStatePath(), next)) return false;
    state_ = next;
    return true;
}

bool CArchive::WriteDiaries(CPageRenderer& renderer, const CArchivePaths& paths) {
    CommentGroups commentsByBlog;
    for (const CommentEntry& comment : lastBackup_.comments)
        commentsByBlog[comment.blogId].push_back(&comment);
    static const std::vector<const CommentEntry*> kNoComments;

    bool allWritten = true;
    std::set<int32_t> inAnswer;
    for (const BlogEntry& blog : lastBackup_.blogs) {
        blogs_[blog.id] = IndexEntryOf(blog);
        inAnswer.insert(blog.id);
        auto comments = commentsByBlog.find(blog.id);
        allWritten = StoreDiary(paths, renderer, blog.id, &blog,
                                comments == commentsByBlog.end() ? kNoComments : comments->second) &&
                     allWritten;
    }
    // New comments on diaries the answer does not hold: kept, and shown on the diary's
    // page, now or when the diary arrives.
    for (const auto& [id, comments] : commentsByBlog) {
        if (inAnswer.count(id)) continue;
        allWritten = StoreDiary(paths, renderer, id, nullptr, comments) && allWritten;
    }
    return allWritten;
}

bool CArchive::WritePosts(CPageRenderer& renderer, const CArchivePaths& paths) {
    std::set<ArchiveMonth> changedMonths;
    for (const TwitterEntry& twitter : lastBackup_.twitters) {
        auto [entry, added] = twitters_.try_emplace(twitter.id);
        // A post sent again with another date leaves the page of its old month too.
        if (!added) changedMonths.insert(ArchiveMonthOf(entry->second.time));
        changedMonths.insert(ArchiveMonthOf(twitter.createTime));
        entry->second.id = twitter.id;
        entry->second.content = twitter.content;
        entry->second.time = twitter.createTime;
    }
    bool allWritten =
        SaveTwitterIndex(paths.TwitterListPath(), twitters_, static_cast<int>(lastBackup_.twitters.size()));
    return renderer.RenderMonthPages(twitters_, changedMonths) && allWritten;
}

bool CArchive::RelativiseDeletedDiaryPages(const CArchivePaths& paths) {
    // The full backup rendered every diary the service still has; the pages of those it
    // no longer sends keep their text but point at their photos as pages do now.
    std::set<int32_t> received;
    for (const BlogEntry& blog : lastBackup_.blogs)
        received.insert(blog.id);
    bool allWritten = true;
    for (const auto& [id, entry] : blogs_) {
        if (received.count(id)) continue;
        const std::string path = paths.BlogPagePath(ArchiveMonthOf(entry.time), id);
        std::string page;
        if (ReadTextFile(path, page) && RelativisePhotoPaths(page))
            allWritten = WritePageFile(path, page) && allWritten;
    }
    return allWritten;
}

bool CArchive::NeedsPageUpgrade() const {
    return !userName_.empty() && !state_.fullBackupPending && state_.pageVersion < kPageVersion;
}

bool CArchive::UpgradePages() {
    if (!NeedsPageUpgrade()) return true;
    const CArchivePaths paths(Root(), userName_);
    CImageLocaliser localiser(photos_);
    CPageRenderer renderer(paths, localiser, log_);
    CDependentPages dependentPages(paths, renderer, blogs_, twitters_, {});
    bool allWritten = true;
    for (const auto& [id, entry] : blogs_) {
        DiaryRecord record;
        if (LoadDiaryRecord(paths.DiaryRecordPath(id), record) && record.hasBlog)
            allWritten = renderer.RenderBlogPage(record) && allWritten;
    }
    if (!twitters_.empty()) allWritten = renderer.RenderMonthPages(twitters_) && allWritten;
    allWritten = dependentPages.WriteAllBooks(twitters_) && allWritten;
    allWritten = WriteIndexPages(renderer, paths, AllOfTheIndex()) && allWritten;
    ArchiveState upgraded = state_;
    upgraded.pageVersion = kPageVersion;
    return Commit(paths, allWritten, upgraded);
}

bool CArchive::WriteIndexPages(CPageRenderer& renderer, const CArchivePaths& paths, const IndexChanges& changes) {
    // Photos still to come count: the page is not written again when they arrive.
    const size_t photos = photos_.Count(PhotoState::Stored) + photos_.Count(PhotoState::Pending);
    return UpdateIndexPages(paths, blogs_, twitters_, photos, changes, renderer);
}

std::vector<DownloadItem> CArchive::PendingDownloads() const {
    if (userName_.empty()) return {};
    return photos_.PendingDownloads(CArchivePaths(Root(), userName_).UserFolder());
}

IPhotoPassSink& CArchive::BeginPhotoPass(const std::vector<DownloadItem>& items) {
    const CArchivePaths paths(Root(), userName_);
    MakeDirectoryPath(paths.ImagesFolder());
    passRecorder_ = std::make_unique<CPhotoPassRecorder>(photos_, paths.PhotoListPath(), items, Today());
    return *passRecorder_;
}

BackupMarks CArchive::MarksReached() const {
    BackupMarks marks = settings_.User().marks;
    // The last record of each list, not the largest id, is the mark the service expects.
    if (!lastBackup_.blogs.empty()) marks.lastBlogId = lastBackup_.blogs.back().id;
    if (!lastBackup_.comments.empty()) marks.lastCommentId = lastBackup_.comments.back().id;
    if (!lastBackup_.twitters.empty()) marks.lastTwitterId = lastBackup_.twitters.back().id;
    marks.lastBackupTime = LocalTimeStamp(std::time(nullptr));
    return marks;
}

void CArchive::RebuildArchiveTree() {
    tree_ = nook::RebuildArchiveTree(blogs_, twitters_);
}

} // namespace nook
