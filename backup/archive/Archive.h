// One user's local archive as the main dialog holds it: the two indexes, the photo
// list, the last backup's records and the tree. LoadArchive runs on the user-interface
// thread; StoreBackup and UpgradePages on the transfer thread of a request, while the
// dialog keeps its tree disabled; a photo pass records into the photo list on its own
// thread while the dialog waits for it. Nothing here is locked.
//
// StoreBackup keeps what it received: each diary's record and every comment ever
// received for it (also comments whose diary is not in the answer, or not in the archive
// yet), and the photo list; it renders the page of every diary that got anything new
// from its record, and the page of every month whose posts changed; then the pages whose
// neighbour links these changed and the books of the years they touched (see
// DependentPages.h). It writes records, pages, books, index files and the photo list
// first and saves the new high-water marks (in the archive's state and the user file)
// only when all of them are on the disk, so a crash or a failed write in between means
// the next backup fetches those items again instead of skipping them for ever.
#pragma once

#include "archive/ArchiveIndex.h"
#include "archive/ArchiveState.h"
#include "archive/ArchiveTree.h"
#include "archive/PhotoList.h"
#include "archive/PhotoPassRecorder.h"
#include "service/BackupAnswer.h"

#include <memory>
#include <string>
#include <vector>

namespace nook {

class CArchivePaths;
class CPageRenderer;
struct IndexChanges;
class CSettingsStore;
class ILog;

// What the dialog learns from StoreBackup: the result to report for the list request
// and whether photos wait to be fetched.
struct StoreOutcome {
    int result = kBackupFailed;
    bool downloadsPending = false;
};

class CArchive {
  public:
    // `programDir` with its trailing backslash. Neither `settings` (whose current user
    // the backups are stored for and whose marks they advance) nor `log` (may be null)
    // is owned.
    CArchive(std::string programDir, CSettingsStore& settings, ILog* log);

    // Replaces indexes, photo list and state with the user's files (missing files give
    // empty ones), repairs the photo list against the photo folder and rebuilds the
    // tree. An archive written before the records existed gets its one full backup set
    // up: the settings' marks go back to the start (when they are this user's). False,
    // with everything emptied, for an empty name or one that is not usable as a folder
    // name.
    bool LoadArchive(const std::string& userName);

    // The folder that holds the user folders: the archive folder config.xml names, else
    // the program folder; with its trailing backslash.
    std::string Root() const;

    // Called before a backup or a photo pass may write. False when the archive folder is
    // missing (a disk not connected, a drive letter changed): nothing may be written then,
    // and the marks stay. A folder that exists but holds no folder of the current user
    // while the marks say there is an archive starts a complete backup there: the marks go
    // back to the start. A folder that holds it takes up the marks its last backup
    // reached, which differ from the user file's when another folder was backed up in
    // between. An archive folder away from the program gets the program's
    // templates, those that are missing or older there. An archive loaded while its
    // folder was missing is loaded again once the folder is back, so that nothing is
    // written over it from empty indexes.
    bool PrepareArchiveFolder();

    // Merges a list answer into the archive of the settings' current user. A non-zero
    // result changes nothing and is passed on. Otherwise the answer is kept as the last
    // backup, records, pages and index files are written, then the marks are advanced
    // and saved and the tree rebuilt. The result is 1 when the user name is not usable
    // (nothing is written) or a file could not be written (the marks then stay).
    StoreOutcome StoreBackup(BlogListAnswer answer);

    // Whether the pages were rendered by an older layout than this program's and can be
    // rendered again from the records (not while a full backup is still to come).
    bool NeedsPageUpgrade() const;
    // Renders every diary and month page again from the records; false when a page could
    // not be written (the upgrade is then tried again next time).
    bool UpgradePages();

    // The archive predates the records: its next backup receives everything once.
    bool FullBackupPending() const { return state_.fullBackupPending; }

    // The pending photos of the loaded user, for the next pass.
    std::vector<DownloadItem> PendingDownloads() const;
    // Makes the photo folder and returns where a pass over `items` (from
    // PendingDownloads) records its outcomes; valid until the next call or load. The
    // pass thread uses it while the dialog waits.
    IPhotoPassSink& BeginPhotoPass(const std::vector<DownloadItem>& items);
    size_t PendingPhotoCount() const { return photos_.Count(PhotoState::Pending); }
    size_t GonePhotoCount() const { return photos_.Count(PhotoState::Gone); }

    const BlogIndex& Blogs() const { return blogs_; }
    const TwitterIndex& Twitters() const { return twitters_; }
    const CPhotoList& Photos() const { return photos_; }
    const std::vector<ArchiveTreeItem>& Tree() const { return tree_; }
    // The last successful list answer's summary and records, kept until the next one.
    const BlogListAnswer& LastBackup() const { return lastBackup_; }

  private:
    void Clear();
    void SetUpFullBackup(const std::string& userName);
    // Sets the settings' marks and saves them.
    bool SetMarks(const BackupMarks& marks);
    // The marks once the last backup is stored: they also go into the archive's state.
    BackupMarks MarksReached() const;
    bool WriteArchive(const std::string& userName, const BackupMarks& reached);
    bool WriteDiaries(CPageRenderer& renderer, const CArchivePaths& paths);
    // Merges the answer's posts into the index, writes it and the pages of the months
    // whose posts changed.
    bool WritePosts(CPageRenderer& renderer, const CArchivePaths& paths);
    bool RelativiseDeletedDiaryPages(const CArchivePaths& paths);
    // The index page, the search data of the years `changes` touch and the comment counts.
    bool WriteIndexPages(CPageRenderer& renderer, const CArchivePaths& paths, const IndexChanges& changes);
    // Saves the photo list and puts everything written on the disk; only then records
    // `next` as the archive's state. False when anything failed.
    bool Commit(const CArchivePaths& paths, bool allWritten, const ArchiveState& next);
    void RebuildArchiveTree();

    std::string programDir_;
    CSettingsStore& settings_;
    ILog* log_;
    std::string userName_; // whose archive is loaded
    // The user folder was not there when the archive was loaded (a disk not connected):
    // what is held is not the archive, should the folder come back.
    bool loadedWithoutFolder_ = false;
    BlogIndex blogs_;
    TwitterIndex twitters_;
    CPhotoList photos_;
    ArchiveState state_;
    BlogListAnswer lastBackup_;
    std::unique_ptr<CPhotoPassRecorder> passRecorder_;
    std::vector<ArchiveTreeItem> tree_;
};

} // namespace nook
