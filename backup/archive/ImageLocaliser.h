// Makes archived diary pages show their photos offline and wherever the archive is
// copied: every web image address in a diary's text is given a local file in the user's
// photo folder, kept in the photo list, and the text is rewritten to point at that file
// relative to the page ("../../Images/<name>"), so a user folder copied with
// "Templates" beside it to another computer, drive or stick still shows every photo.
//
// An address already in the photo list keeps its file: an updated diary fetches nothing
// it already has. New addresses are listed as pending; the photo pass fetches them.
#pragma once

#include "archive/PhotoList.h"

#include <cstdint>
#include <string>
#include <vector>

namespace nook {

// How a page refers to the photo folder: pages lie two folders below the user folder.
inline constexpr char kPagePhotoFolder[] = "../../Images/";

// The "diary" of a picture in a mini-diary post: none.
inline constexpr int32_t kShownByPost = 0;

class CImageLocaliser {
  public:
    // `photos` is not owned.
    explicit CImageLocaliser(CPhotoList& photos) : photos_(photos) {}

    // Rewrites every double-quoted "src" attribute address of `text` (found without
    // regard to case; the sanitiser writes every attribute so) that is an http or https
    // address once its entity references are decoded; other addresses stay as they are.
    // Every place the address stands in the text (links too) points at the local file.
    // `blogId` is noted as showing the photo, unless it is kShownByPost.
    // `earlierFiles`, for an archive whose pages predate the photo list: the photo file
    // names the diary's old page showed, in order (empty where that file is missing);
    // the n-th web address not yet listed takes the n-th of them as stored.
    void LocaliseImages(std::string& text, int32_t blogId, const std::vector<std::string>& earlierFiles = {});

  private:
    CPhotoList& photos_;
};

// The address's extension: from its last "." to its end, cut before a "?" in that
// part; empty when there is no "." after the first character. An extension that is not
// letters and digits (a dot in the host name, a path after it) is dropped too, so a
// local name never holds a separator.
std::string PhotoExtension(const std::string& url);

} // namespace nook
