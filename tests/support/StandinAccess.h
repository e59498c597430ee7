// How the Windows tests reach the stand-in service beside the code under test: the
// address its CTest fixture wrote to a port file, and plain requests through WinInet.
#pragma once

#include <string>

namespace nook::test {

// "127.0.0.1:PORT" from the fixture's port file; empty when it holds no port.
std::string StandinHostIn(const std::string& portFile);

// A plain synchronous GET of `url`, independent of the code under test; false when it
// could not be sent or its answer not read to the end.
bool PlainGet(const std::string& url, std::string& body);

} // namespace nook::test
