// CBackupServiceClient against the stand-in service: every kind of answer ends in the
// result code of the protocol with exactly one notification, and the session cookie of
// one answer goes with the next request.
#include "net/BackupServiceClient.h"

#include "md5/Md5.h"
#include "platform/CodePage.h"
#include "tests/net/support/StandinService.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <sstream>

namespace nook {
namespace {

struct Notification {
    int kind;
    int result;
    bool operator==(const Notification& other) const { return kind == other.kind && result == other.result; }
};

std::ostream& operator<<(std::ostream& out, const Notification& n) {
    return out << "(" << n.kind << ", " << n.result << ")";
}

// The records of a list answer as one text, to compare answers that travelled differently.
std::string Describe(const BlogListAnswer& answer) {
    std::ostringstream out;
    const BackupSummary& s = answer.summary;
    out << s.newBlogCount << "/" << s.updatedBlogCount << "/" << s.newCommentCount << "/" << s.newTwitterCount
        << "\n";
    for (const BlogEntry& b : answer.blogs)
        out << b.id << b.title << b.content << b.createTime << b.updateTime << b.blogClass << "\n";
    for (const CommentEntry& c : answer.comments)
        out << c.id << c.content << c.replyContent << c.time << "\n";
    for (const TwitterEntry& t : answer.twitters)
        out << t.id << t.content << t.createTime << "\n";
    return out.str();
}

class CRecordingClient : public CBackupServiceClient {
public:
    CRecordingClient() { SetServiceHost(test::StandinHost()); }
    ~CRecordingClient() override { Stop(); }

    bool WaitFor(size_t count) {
        std::unique_lock<std::mutex> guard(lock_);
        return arrived_.wait_for(guard, std::chrono::seconds(30),
                                 [&] { return notifications_.size() >= count; });
    }
    // Final once Stop has returned: no transfer thread is left to notify.
    std::vector<Notification> Notifications() {
        std::lock_guard<std::mutex> guard(lock_);
        return notifications_;
    }

    BlogSummaryAnswer summary;
    BlogListAnswer list;

protected:
    void OnBlogSummary(BlogSummaryAnswer answer) override {
        summary = answer;
        Note({kSummaryRequest, answer.result});
    }
    void OnBlogList(BlogListAnswer answer) override {
        list = std::move(answer);
        Note({kListRequest, list.result});
    }

private:
    void Note(Notification notification) {
        std::lock_guard<std::mutex> guard(lock_);
        notifications_.push_back(notification);
        arrived_.notify_all();
    }

    std::mutex lock_;
    std::condition_variable arrived_;
    std::vector<Notification> notifications_;
};

BackupRequest RequestFor(const std::string& user, const std::string& password) {
    std::string secret = user + password;
    return BackupRequest{user, Md5DigestText(secret.data(), secret.size()), 0, 0, 0, "2001-01-01 00:00:00"};
}

// How a request ends, which gives its result code and the request kind afterwards.
enum class Outcome { Success, Refused, Malformed, TransferFailed };

int ResultOf(Outcome outcome) {
    switch (outcome) {
    case Outcome::Success:
        return kBackupSuccess;
    case Outcome::Refused:
        return kBackupRefused;
    default:
        return kBackupFailed;
    }
}

int KindAfter(Outcome outcome) {
    return outcome == Outcome::Success || outcome == Outcome::TransferFailed ? 3 : 0;
}

struct AnswerCase {
    const char* user;
    const char* password;
    Outcome summary;
    Outcome list;
};

// One summary and one list request; each must end in one notification with its result.
void ExpectOutcomes(const AnswerCase& c, CRecordingClient& client) {
    SCOPED_TRACE(c.user);
    ASSERT_TRUE(client.GetBlogSummary(RequestFor(c.user, c.password)));
    ASSERT_TRUE(client.WaitFor(1));
    client.Stop();
    EXPECT_EQ(client.RequestKind(), KindAfter(c.summary));
    ASSERT_TRUE(client.GetBlogList(RequestFor(c.user, c.password)));
    ASSERT_TRUE(client.WaitFor(2));
    client.Stop();
    EXPECT_EQ(client.RequestKind(), KindAfter(c.list));
    EXPECT_EQ(client.Notifications(), (std::vector<Notification>{{kSummaryRequest, ResultOf(c.summary)},
                                                                 {kListRequest, ResultOf(c.list)}}));
    if (c.summary != Outcome::Success) {
        EXPECT_EQ(client.summary.summary.newBlogCount, 0);
    }
    if (c.list != Outcome::Success) {
        EXPECT_TRUE(client.list.blogs.empty() && client.list.comments.empty() &&
                    client.list.twitters.empty());
    }
}

TEST(BackupServiceClient, WhatTheServiceAnswersDecidesTheResult) {
    const AnswerCase cases[] = {
        {"tester", "test123", Outcome::Success, Outcome::Success},
        {"tester", "wrong", Outcome::Refused, Outcome::Refused},
        {"fault_refuse", "fault", Outcome::Refused, Outcome::Refused},
        {"fault_html", "fault", Outcome::Malformed, Outcome::Malformed},
        {"fault_notfound", "fault", Outcome::Malformed, Outcome::Malformed},
        {"fault_servererror", "fault", Outcome::Malformed, Outcome::Malformed},
        {"fault_nosummary", "fault", Outcome::Malformed, Outcome::Refused},
    };
    for (const AnswerCase& c : cases) {
        CRecordingClient client;
        ExpectOutcomes(c, client);
    }
}

TEST(BackupServiceClient, HowTheAnswerTravelsDecidesTheResult) {
    CRecordingClient plain;
    ExpectOutcomes({"tester", "test123", Outcome::Success, Outcome::Success}, plain);
    const std::string expected = Describe(plain.list);
    ASSERT_EQ(plain.list.blogs.size(), 12u);

    const AnswerCase cases[] = {
        {"fault_chunked", "fault", Outcome::Success, Outcome::Success}, // chunks split characters
        {"fault_close", "fault", Outcome::Success, Outcome::Success},
        {"fault_trickle", "fault", Outcome::Success, Outcome::Success},
        {"fault_slow", "fault", Outcome::Success, Outcome::Success},
        // All announced bytes arrive, but the XML is cut: the list's unended Backup root
        // loses its children to the parser's recovery, so its Summary is not found.
        {"fault_truncated", "fault", Outcome::Malformed, Outcome::Refused},
        {"fault_empty", "fault", Outcome::Malformed, Outcome::Malformed},
        {"fault_drop", "fault", Outcome::TransferFailed, Outcome::TransferFailed},
        {"fault_reset", "fault", Outcome::TransferFailed, Outcome::TransferFailed},
    };
    for (const AnswerCase& c : cases) {
        CRecordingClient client;
        ExpectOutcomes(c, client);
        if (c.list == Outcome::Success) {
            EXPECT_EQ(Describe(client.list), expected) << c.user;
        }
    }
}

TEST(BackupServiceClient, UnreachableServiceIsATransferFailure) {
    CRecordingClient client;
    client.SetServiceHost("127.0.0.1:1");
    ExpectOutcomes({"tester", "test123", Outcome::TransferFailed, Outcome::TransferFailed}, client);
}

TEST(BackupServiceClient, ListIsConvertedToCodePage936) {
    CRecordingClient client;
    ExpectOutcomes({"tester", "test123", Outcome::Success, Outcome::Success}, client);
    std::u16string title = platform::Utf8ToUtf16(u8"爸爸说：\"宝宝 & 妈妈 <最棒>\"");
    bool found = false;
    for (const BlogEntry& blog : client.list.blogs)
        if (blog.id == 103) found = blog.title == platform::Utf16ToAnsi(title);
    EXPECT_TRUE(found);
}

TEST(BackupServiceClient, CodePage936UserNameLogsIn) {
    CRecordingClient client;
    ExpectOutcomes({"\xB6\xB9\xB6\xB9\xC2\xE8\xC2\xE8", "doudou07", Outcome::Success, Outcome::Success},
                   client);
    EXPECT_EQ(client.summary.summary.newBlogCount, 40);
    EXPECT_EQ(client.list.twitters.size(), 60u);
}

TEST(BackupServiceClient, SessionCookieOfOneAnswerGoesWithTheNextRequest) {
    // The service refuses a request without the session cookie once the user's first
    // request has been answered.
    const BackupRequest request = RequestFor("fault_require_cookie", "fault");
    CRecordingClient client;
    ASSERT_TRUE(client.GetBlogSummary(request));
    ASSERT_TRUE(client.WaitFor(1));
    ASSERT_EQ(client.ServiceCookie().rfind("ASPSESSIONID", 0), 0u);
    ASSERT_TRUE(client.GetBlogList(request));
    ASSERT_TRUE(client.WaitFor(2));
    client.Stop();
    EXPECT_EQ(client.Notifications()[1], (Notification{kListRequest, kBackupSuccess}));

    CRecordingClient stranger;
    ASSERT_TRUE(stranger.GetBlogList(request));
    ASSERT_TRUE(stranger.WaitFor(1));
    stranger.Stop();
    EXPECT_EQ(stranger.Notifications(), (std::vector<Notification>{{kListRequest, kBackupRefused}}));
}

TEST(BackupServiceClient, RequestStillRunningReportsUnderItsOwnKind) {
    CRecordingClient client;
    ASSERT_TRUE(client.GetBlogSummary(RequestFor("fault_slow", "fault")));
    Sleep(test::kPendingMoment);
    ASSERT_TRUE(client.GetBlogList(RequestFor("tester", "test123")));
    ASSERT_TRUE(client.WaitFor(2));
    client.Stop();
    EXPECT_EQ(client.Notifications(),
              (std::vector<Notification>{{kSummaryRequest, kBackupFailed}, {kListRequest, kBackupSuccess}}));
}

} // namespace
} // namespace nook
