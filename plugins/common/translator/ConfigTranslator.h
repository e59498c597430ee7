#pragma once

#include "common/translator/ConfigSchema.h"

#include <string>

namespace nook {

// The local file name of a remote resource: the MD5 hex digest of the trimmed address,
// so the same address always maps to the same cache file.
std::string CacheName(const std::string& address);

// Rewrites the UTF-8 configuration file at `configPath` so that every remote address
// the schema names points at `cachePrefix` + CacheName(address), and returns the
// download list: <files> with one <file url=".." src=".."/> per address, in table
// order. A file that cannot be read, parsed, held in code page 936 without loss, or
// that lacks the schema's root element is left alone and gives an empty list.
std::string TranslateConfiguration(const std::string& configPath, const std::string& cachePrefix,
                                   const ConfigSchema& schema);

} // namespace nook
