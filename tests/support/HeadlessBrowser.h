// Pages checked the way a user sees them: Debian's chromium, headless, each call with a
// fresh profile, nothing fetched from the network. Native builds only.
#pragma once

#include <string>

namespace nook::test {

// False when chromium is not installed; such tests skip.
bool BrowserAvailable();

// The page's DOM after its scripts ran (for `waitMs` of virtual time), as chromium's
// --dump-dom prints it; empty when the browser failed. `url` is a file:// address and
// may carry a fragment.
std::string DumpDom(const std::string& url, int waitMs = 2000);

// Prints the page to `pdfPath` (--print-to-pdf); false when no file came out.
bool PrintToPdf(const std::string& url, const std::string& pdfPath);

// What a printed page holds, by poppler-utils: false when they are not installed. The
// text in UTF-8 (pdftotext), and the table of its images (pdfimages -list); empty when
// the tool failed.
bool PdfToolsAvailable();
std::string PdfText(const std::string& pdfPath);
std::string PdfImageList(const std::string& pdfPath);

// A file:// address for a native path.
std::string FileUrl(const std::string& path);

// The native path of a path in the programs' form (backslashes), as the test helpers and
// the archive give them.
std::string NativePath(std::string path);

} // namespace nook::test
