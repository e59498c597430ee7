// The stand-in backup service that the CTest fixture of these tests starts: its address,
// and its admin paths for what a test arranges beside the requests under test.
#pragma once

#include <string>
#include <string_view>

namespace nook::test {

// "127.0.0.1:PORT"; fails the test when the fixture's port file cannot be read.
std::string StandinHost();

// A plain GET of an admin path ("/admin/...").
bool StandinAdmin(std::string_view pathAndQuery, std::string& body);

} // namespace nook::test
