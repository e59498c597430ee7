// One user's local archive as the main dialog holds it: the two indexes, the last
// backup's records, the photo download list and the tree. LoadArchive runs on the
// user-interface thread; StoreBackup on the transfer thread that completed the list
// request, while the dialog keeps its tree disabled. Nothing here is locked.
//
// StoreBackup writes every diary page, BlogList.xml, TwitterList.xml and the month
// pages first and saves the new high-water marks only when all of them were written,
// so a crash or a failed write in between means the next backup fetches those items
// again instead of skipping them for ever.
#pragma once

#include "archive/ArchiveIndex.h"
#include "archive/ArchiveTree.h"
#include "archive/ImageLocaliser.h"
#include "service/BackupAnswer.h"

#include <string>
#include <vector>

namespace nook {

class CSettingsStore;
class ILog;

// What the dialog learns from StoreBackup: the result to report for the list request
// and whether photos wait in the download list.
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

    // Replaces both indexes with the user's index files (missing files give empty
    // indexes) and rebuilds the tree. False, changing nothing, for an empty name or one
    // that is not usable as a folder name.
    bool LoadArchive(const std::string& userName);

    // Merges a list answer into the archive of the settings' current user. A non-zero
    // result changes nothing and is passed on. Otherwise the answer is kept as the last
    // backup, pages and index files are written, then the marks are advanced and saved
    // and the tree rebuilt. The result is 1 when the user name is not usable (nothing
    // is written) or a page or index file could not be written (the marks then stay).
    StoreOutcome StoreBackup(BlogListAnswer answer);

    const BlogIndex& Blogs() const { return blogs_; }
    const TwitterIndex& Twitters() const { return twitters_; }
    const std::vector<ArchiveTreeItem>& Tree() const { return tree_; }
    const std::vector<DownloadItem>& DownloadList() const { return localiser_.DownloadList(); }
    // The last successful list answer's summary and records, kept until the next one.
    const BlogListAnswer& LastBackup() const { return lastBackup_; }

  private:
    bool WriteArchive(const std::string& userName);
    void AdvanceMarks();
    void RebuildArchiveTree();

    std::string programDir_;
    CSettingsStore& settings_;
    ILog* log_;
    BlogIndex blogs_;
    TwitterIndex twitters_;
    BlogListAnswer lastBackup_;
    CImageLocaliser localiser_;
    std::vector<ArchiveTreeItem> tree_;
};

} // namespace nook
