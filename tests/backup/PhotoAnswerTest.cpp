#include "archive/PhotoAnswer.h"

#include <gtest/gtest.h>

namespace {

using nook::JudgePhotoAnswer;
using nook::PhotoOutcome;
using nook::PhotoResult;

const char kJpegStart[] = "\xFF\xD8\xFF\xE0";

struct Case {
    const char* what;
    int status;
    const char* contentType;
    const char* firstBytes;
    int64_t bodyBytes;
    int64_t contentLength;
    PhotoResult result;
    const char* error;
};

TEST(JudgePhotoAnswer, OnlyAWholeNonHtmlBodyOfA2xxAnswerIsStored) {
    const Case cases[] = {
        {"photo", 200, "image/jpeg", kJpegStart, 2400, 2400, PhotoResult::Stored, ""},
        {"photo without a length", 200, "image/jpeg", kJpegStart, 2400, -1, PhotoResult::Stored, ""},
        {"photo without a type", 200, "", kJpegStart, 2400, 2400, PhotoResult::Stored, ""},
        {"other 2xx", 203, "image/png", "\x89PNG", 900, 900, PhotoResult::Stored, ""},
        {"text that is not HTML", 200, "text/plain", "GIF89a", 10, 10, PhotoResult::Stored, ""},
        {"HTML with parameters and capitals", 200, " Text/HTML ; charset=gb2312", "\r\n<html>", 500, 500,
         PhotoResult::Failed, "HTML page"},
        {"HTML type alone", 200, "text/html", "GIF89a", 500, 500, PhotoResult::Failed, "HTML page"},
        {"markup under a photo type", 200, "image/jpeg", "<!DOCTYPE html>", 500, 500, PhotoResult::Failed,
         "HTML page"},
        {"a blank before the markup is not skipped", 200, "image/jpeg", " <html>", 500, 500,
         PhotoResult::Stored, ""},
        {"empty", 200, "image/jpeg", "", 0, 0, PhotoResult::Failed, "empty"},
        {"empty without a length", 200, "image/jpeg", "", 0, -1, PhotoResult::Failed, "empty"},
        {"no content", 204, "", "", 0, -1, PhotoResult::Failed, "empty"},
        {"cut short", 200, "image/jpeg", kJpegStart, 1200, 2400, PhotoResult::Failed, "cut short"},
        {"nothing of an announced body", 200, "image/jpeg", "", 0, 2400, PhotoResult::Failed, "cut short"},
        {"not found", 404, "text/html", "<html>", 300, 300, PhotoResult::Missing, "HTTP 404"},
        {"gone", 410, "", "", 0, 0, PhotoResult::Missing, "HTTP 410"},
        {"not found under a photo type", 404, "image/jpeg", kJpegStart, 2400, 2400, PhotoResult::Missing,
         "HTTP 404"},
        {"server error", 500, "text/html", "<html>", 300, 300, PhotoResult::Failed, "HTTP 500"},
        {"forbidden", 403, "image/jpeg", kJpegStart, 2400, 2400, PhotoResult::Failed, "HTTP 403"},
        {"redirect left unfollowed", 302, "text/html", "", 0, 0, PhotoResult::Failed, "HTTP 302"},
        {"informational", 199, "image/jpeg", kJpegStart, 2400, 2400, PhotoResult::Failed, "HTTP 199"},
        {"just past 2xx", 300, "image/jpeg", kJpegStart, 2400, 2400, PhotoResult::Failed, "HTTP 300"},
        {"no answer", 0, "", "", 0, -1, PhotoResult::Failed, "connection failed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PhotoOutcome outcome =
            JudgePhotoAnswer(c.status, c.contentType, c.firstBytes, c.bodyBytes, c.contentLength);
        EXPECT_EQ(outcome.result, c.result);
        EXPECT_EQ(outcome.error, c.error);
    }
}

} // namespace
