// Whether what the server sent for a photo address is a photo. A server that has lost a
// photo often answers with a page instead (a login or error page, sometimes with status
// 200), and a connection may end early; stored as a photo, either would look like one in
// the archive for good and never be fetched again.
#pragma once

#include "archive/PhotoPass.h"

#include <cstdint>
#include <string_view>

namespace nook {

// `status` is the answer's HTTP status, 0 when no answer arrived; `contentType` the
// Content-Type header as sent (empty without one); `firstBytes` the first bytes of the
// body (any number, empty for an empty body); `bodyBytes` how many body bytes arrived;
// `contentLength` the announced length, -1 when none was announced. Stored only for a
// 2xx answer that is not HTML and has a body no shorter than announced; 404 and 410 are
// Missing, the rest Failed, each with a short error text.
PhotoOutcome JudgePhotoAnswer(int status, std::string_view contentType, std::string_view firstBytes,
                              int64_t bodyBytes, int64_t contentLength);

} // namespace nook
