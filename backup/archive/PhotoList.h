// The photo list of one user's archive: every photo address any diary page has shown,
// the local file that holds (or will hold) it, the diaries that show it, and how its
// download stands. It is what lets a backup lose no photo: a photo that failed, was cut
// off or never came because the program ended stays pending and is fetched by the next
// run; an updated diary reuses the files it already has.
//
// The key is the address as a browser would fetch it: entity references decoded.
// Kept in "PhotoList.xml" in the user folder, not in "Images", which holds photos only.
#pragma once

#include "archive/PhotoPass.h"
#include "platform/Files.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace nook {

enum class PhotoState {
    Pending, // to be fetched by the next pass
    Stored,  // its file is in place
    Gone,    // the site no longer has it: not fetched again, counted apart
};

struct PhotoEntry {
    std::string url;
    std::string file;           // relative to the user folder: "Images\<GUID text><extension>"
    std::vector<int32_t> blogs; // the diaries that show it
    PhotoState state = PhotoState::Pending;
    int32_t failedRuns = 0;     // runs in a row whose fetch failed
    std::string lastError;
    int32_t missingDays = 0;    // days on which the site answered that it has no such photo
    std::string lastMissingDay; // "YYYY-MM-DD"
};

// When a pending photo is given up as gone.
inline constexpr int32_t kMissingDaysUntilGone = 3;
inline constexpr int32_t kFailedRunsUntilGone = 10;

// A photo file counts as in place when it exists and is not empty.
bool IsPhotoFileInPlace(const std::string& path);

class CPhotoList {
  public:
    // Replaces the list with the file's; a missing or unreadable file gives an empty list.
    // An entry whose file is not a path inside the user folder is left out.
    void Load(const std::string& path);
    bool Save(const std::string& path, platform::Durability durability) const;
    void Clear();

    const PhotoEntry* Find(const std::string& url) const;
    PhotoEntry* Find(const std::string& url);
    // Lists a new address; an address already listed is returned as it is.
    PhotoEntry& Add(const std::string& url, const std::string& file, PhotoState state);
    // Notes that diary `blogId` shows the photo.
    static void AddDiary(PhotoEntry& entry, int32_t blogId);

    // Brings the states in line with the photo folder: a stored photo whose file is
    // missing or empty is pending again; a pending one whose file is in place (put there
    // by a pass that ended before it could save the list) is stored. `userFolder` has a
    // trailing backslash. True when anything changed.
    bool Repair(const std::string& userFolder);

    // Records one fetch of a pass on day `today` ("YYYY-MM-DD").
    void RecordOutcome(const std::string& url, const PhotoOutcome& outcome, const std::string& today);

    // The pending photos, in list order, with absolute local paths.
    std::vector<DownloadItem> PendingDownloads(const std::string& userFolder) const;
    size_t Count(PhotoState state) const;
    const std::vector<PhotoEntry>& Entries() const { return entries_; }

  private:
    std::vector<PhotoEntry> entries_;
    std::unordered_map<std::string, size_t> byUrl_;
};

} // namespace nook
