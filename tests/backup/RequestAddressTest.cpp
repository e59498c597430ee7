#include "service/RequestAddress.h"

#include <gtest/gtest.h>

namespace {

using nook::BackupRequest;

BackupRequest SampleRequest() {
    BackupRequest request;
    request.userName = "mimi";
    request.passwordDigest = "0123456789abcdef0123456789abcdef";
    request.lastBlogId = 12;
    request.lastCommentId = -3;
    request.lastTwitterId = 0;
    request.lastBackupTime = "2008-05-03 09:07:02";
    return request;
}

TEST(RequestAddress, SummaryAndListAddressesCarryTheMarksInOrder) {
    const std::string query =
        "?username=mimi&password=0123456789abcdef0123456789abcdef"
        "&lastblogid=12&lastcommentid=-3&lasttwitterid=0&lastbackuptime=2008-05-03%2009%3A07%3A02";
    EXPECT_EQ(nook::GetBlogSummaryAddress("www.nookdiary.com", SampleRequest()),
              "http://www.nookdiary.com/app/backup/getblogsummary.asp" + query);
    EXPECT_EQ(nook::GetBlogListAddress("localhost:8080", SampleRequest()),
              "http://localhost:8080/app/backup/getbloglist.asp" + query);
}

TEST(RequestAddress, UserNameThatWouldBreakTheQueryIsEncoded) {
    struct Case {
        const char* name;
        const char* encoded;
    } cases[] = {
        {"a&lastblogid=999", "a%26lastblogid%3D999"},
        {"tom jerry", "tom%20jerry"},
        {"100%#x", "100%25%23x"},
        {"\xb1\xa6\xb1\xa6", "%B1%A6%B1%A6"}, // code page 936 bytes, as the service decodes them
        {"a-b_c.d~e", "a-b_c.d~e"},
    };
    for (const Case& c : cases) {
        BackupRequest request = SampleRequest();
        request.userName = c.name;
        std::string address = nook::GetBlogListAddress("h", request);
        EXPECT_NE(address.find(std::string("?username=") + c.encoded + "&password="), std::string::npos)
            << address;
        EXPECT_NE(address.find("&lastblogid=12&"), std::string::npos) << address;
    }
}

} // namespace
