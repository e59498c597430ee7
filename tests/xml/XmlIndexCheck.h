// Checks that a document's element index describes its text: the links of the index
// agree with each other, and an edited index equals that of a fresh parse of the text.
// Shared by the tests and the fuzzer.
#pragma once

#include "xml/XmlDocument.h"

#include <string>

namespace nook::test {

// The first fault found, or an empty text.
std::string CheckLinks(const CXmlDocument& doc);

// Compares with a fresh parse of the same text, walking both trees side by side since
// records added by edits come last. `strict`: also depths and error flags, which edits
// of a malformed document do not recompute.
std::string CompareWithFreshParse(const CXmlDocument& doc, bool strict);

} // namespace nook::test
