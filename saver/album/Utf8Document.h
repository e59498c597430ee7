// XML files the saver reads that other programs wrote in UTF-8 (album files, the
// suite's config.xml), parsed as code page 936 like every text inside the programs.
#pragma once

#include "xml/XmlDocument.h"

#include <cstddef>
#include <string>

namespace nook {

// Larger files are refused unread: no settings or album file comes near it, and a
// hostile one must not take the saver's memory.
inline constexpr size_t kLargestSettingsFile = 4 << 20;

// Parses the file at `path` (a UTF-8 byte order mark is allowed) into `doc`. False for
// a file that cannot be read, is larger than kLargestSettingsFile or is not well-formed.
bool LoadUtf8Document(const std::string& path, CXmlDocument& doc);

} // namespace nook
