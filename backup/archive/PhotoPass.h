// What a photo pass is handed and what it reports back. The archive decides which photos
// a pass fetches (the pending ones of the current user's photo list) and records each
// outcome; the download worker only fetches. Plain types, so the worker links nothing of
// the archive.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace nook {

// One photo to fetch.
struct DownloadItem {
    int32_t sequence = 0;  // its position in the pass, from 0
    std::string url;       // the address to fetch, entity references already decoded
    std::string localPath; // absolute: the user's photo folder + GUID text + extension
};

enum class PhotoResult {
    Stored,  // a photo is in place at the local path
    Missing, // the server answered 404 or 410: it may be gone for good
    Failed,  // anything else: refused, cut short, silent too long, an error or HTML page
};

struct PhotoOutcome {
    PhotoResult result = PhotoResult::Failed;
    std::string error; // for the log and the photo list; empty when stored
};

// Told about a pass on the pass thread, which is the only thread that touches what the
// sink records while the pass runs.
class IPhotoPassSink {
  public:
    virtual ~IPhotoPassSink() = default;
    // After photo `index` of the pass was handled, before its progress message is posted.
    virtual void OnPhotoHandled(size_t index, const PhotoOutcome& outcome) = 0;
    // Once, when the pass ends: every photo handled, or stopped (the photo in progress is
    // then not reported).
    virtual void OnPassEnded() = 0;
};

} // namespace nook
