// The stand-in backup service that the test fixture starts for the network tests, and
// what the tests ask of it besides the requests under test.
#pragma once

#include "tests/net/support/Json.h"

#include <string>
#include <string_view>
#include <vector>

namespace nook::test {

// The fault_slow users' answers start three seconds after the request. A test that stops
// such a fetch waits kPendingMoment for it to be under way; a stop that does not wait for
// the answer returns well within kPromptStop.
constexpr unsigned long kPendingMoment = 300;
constexpr unsigned long kPromptStop = 2000;

// "127.0.0.1:PORT"; fails the test when the service's port file cannot be read.
std::string StandinHost();
// "http://127.0.0.1:PORT" followed by `path`.
std::string StandinUrl(std::string_view path);

// A backup request for `user` with all marks zero and an extra parameter `probe`, which
// the service ignores and the tests use to find the request in the log. `service` is
// "getblogsummary" or "getbloglist"; the digest is made from `password`.
std::string BackupAddress(std::string_view service, const std::string& user, const std::string& password,
                          std::string_view probe);

// A plain synchronous GET, independent of the code under test (admin paths).
bool StandinGet(std::string_view path, std::string& body);

// The logged requests whose target contains `token`, oldest first.
std::vector<JsonValue> LoggedRequests(std::string_view token);

// The value of a request header in a log entry; empty when absent.
std::string LoggedHeader(const JsonValue& entry, std::string_view name);

} // namespace nook::test
