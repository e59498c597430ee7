// Makes archived diary pages show their photos offline: every image address in a
// diary's text gets a new local file name in the user's photo folder, the text is
// rewritten to point there, and a download from the web address to that file is queued.
// The downloads run later, after the whole backup is stored.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace nook {

struct DownloadItem {
    int32_t sequence = 0;  // position of the photo within its diary's text, from 0
    std::string url;       // exactly as it stood in the text
    std::string localPath; // photo folder + GUID text + extension
};

class CImageLocaliser {
  public:
    // Rewrites every "src=" address of `text` (found without regard to case, read from
    // the character after "src=" up to the next double quote) that is an http or https
    // address; an empty or other address stays as it is and is not queued. Each
    // occurrence gets a fresh GUID name in `imagesFolder` (trailing backslash), and
    // every place the address stands in the text is replaced by that path.
    void LocaliseImages(std::string& text, const std::string& imagesFolder);

    // Only grows while the program runs: each download pass is handed all of it.
    const std::vector<DownloadItem>& DownloadList() const { return downloads_; }

  private:
    std::vector<DownloadItem> downloads_;
};

// The address's extension: from its last "." to its end, cut before a "?" in that
// part; empty when there is no "." after the first character. An extension that is not
// letters and digits (a dot in the host name, a path after it) is dropped too, so a
// local name never holds a separator.
std::string PhotoExtension(const std::string& url);

} // namespace nook
