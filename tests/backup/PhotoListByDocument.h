// The photo list as the XML document class writes it: the way the archive wrote
// PhotoList.xml before it wrote it directly, kept as the reference the direct writer
// must equal byte for byte.
#pragma once

#include "archive/PhotoList.h"

#include <string>

namespace nook::test {

bool SavePhotoListByDocument(const std::string& path, const CPhotoList& list);

} // namespace nook::test
