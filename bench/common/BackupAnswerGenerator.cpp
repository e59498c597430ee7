// Diary texts are made of common Chinese characters and punctuation, with the HTML of
// the service's editor (paragraphs, line breaks, bold, images) escaped into the
// attribute. Diaries run from 2 to 8 KB, most of them short.
#include "bench/common/BackupAnswerGenerator.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace nook::bench {

namespace {

// SplitMix64: small, fast and the same everywhere.
class Random {
public:
    explicit Random(uint64_t seed) : state_(seed) {}
    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int Between(int low, int high) { return low + static_cast<int>(Next() % static_cast<uint64_t>(high - low + 1)); }

private:
    uint64_t state_;
};

// Common characters of family diaries, all in code page 936.
constexpr std::string_view kCharacters =
    "的一是了我不人在他有这个上们来到时大地为子中你说生国年着就那和要她出也得里后自以会家可下而过天去能对小多然于心学么之都好看起发当没成只如事把还用第样道想作种开美总从无情己面最女但现前些所同日手又行意动方期它头经长儿回位分爱老因很给名法间斯知世什两次使身者被高已亲其进此话常与活正感"
    "宝贝妈妈爸爸今天宝宝幼儿园玩笑哭吃饭睡觉早晨晚上周末公园照片生日快乐礼物奶奶爷爷外婆外公朋友老师学校唱歌跳舞画画读书故事春夏秋冬雨雪风阳光花草树叶";
constexpr std::string_view kPunctuation[] = {"，", "。", "！", "？", "、", "：", "“", "”"};

class Writer {
public:
    explicit Writer(uint64_t seed) : random_(seed) {}

    std::string& Out() { return out_; }

    // Chinese text of about `bytes` bytes of UTF-8, with punctuation.
    void Chinese(size_t bytes) {
        const size_t count = kCharacters.size() / 3;
        const size_t end = out_.size() + bytes;
        int sinceStop = 0;
        while (out_.size() < end) {
            if (++sinceStop > random_.Between(6, 18)) {
                out_ += kPunctuation[random_.Next() % (sizeof kPunctuation / sizeof kPunctuation[0])];
                sinceStop = 0;
            } else {
                out_ += kCharacters.substr(3 * (random_.Next() % count), 3);
            }
        }
    }

    // The escaped HTML of one diary, about `bytes` bytes.
    void DiaryHtml(size_t bytes) {
        const size_t end = out_.size() + bytes;
        while (out_.size() < end) {
            out_ += "&lt;p&gt;";
            Chinese(std::min<size_t>(static_cast<size_t>(random_.Between(120, 600)), end - std::min(end, out_.size())));
            switch (random_.Next() % 4) {
            case 0: out_ += "&lt;br /&gt;"; break;
            case 1:
                out_ += "&lt;strong&gt;";
                Chinese(30);
                out_ += "&lt;/strong&gt;";
                break;
            case 2:
                Format("&lt;img src=&quot;http://photo.example.invalid/%04d/%02d/%08llx.jpg&quot; border=&quot;0&quot; /&gt;",
                       random_.Between(2006, 2009), random_.Between(1, 12),
                       static_cast<unsigned long long>(random_.Next() & 0xFFFFFFFF));
                break;
            default: out_ += " &amp;nbsp; "; break;
            }
            out_ += "&lt;/p&gt;";
        }
    }

    void Time() {
        Format("%04d-%02d-%02d %02d:%02d:%02d.%03d", random_.Between(2006, 2009), random_.Between(1, 12),
               random_.Between(1, 28), random_.Between(0, 23), random_.Between(0, 59), random_.Between(0, 59),
               random_.Between(0, 999));
    }

    void Attribute(const char* name, int value) { Format(" %s=\"%d\"", name, value); }

    // A time attribute: `fixed` when given, a random time otherwise.
    void TimeAttribute(const char* name, std::string_view fixed) {
        Attribute(name, [&] {
            if (fixed.empty())
                Time();
            else
                out_ += fixed;
        });
    }

    // One diary; `created` as TimeAttribute (also its update time when given).
    void Blog(int id, std::string_view created = {}) {
        out_ += "<Blog";
        Attribute("blog_id", id);
        Attribute("blog_class", random_.Between(0, 9));
        Attribute("character", random_.Between(0, 30));
        Attribute("mood", random_.Between(0, 20));
        Attribute("weather", random_.Between(0, 12));
        Attribute("title", [&] { Chinese(static_cast<size_t>(random_.Between(15, 60))); });
        Attribute("content", [&] {
            // 2 to 8 KB, most diaries nearer the short end
            const double u = static_cast<double>(random_.Next() >> 11) / 9007199254740992.0;
            DiaryHtml(2048 + static_cast<size_t>(6144 * u * u));
        });
        TimeAttribute("create_time", created);
        TimeAttribute("update_time", created);
        Attribute("comment_count", random_.Between(0, 40));
        Attribute("read_count", random_.Between(0, 5000));
        Attribute("is_memory", random_.Between(0, 1));
        Attribute("is_editor_choice", random_.Between(0, 20) == 0 ? 1 : 0);
        out_ += "/>\r\n";
    }

    // One comment; the diary it belongs to is drawn from `blogIds` ids from 100000 when
    // `blogId` is 0.
    void Comment(int id, int blogId, int blogIds, std::string_view written = {}) {
        out_ += "<Comment";
        Attribute("comment_id", id);
        Attribute("blog_id",
                  blogId != 0 ? blogId : 100000 + random_.Between(0, blogIds > 0 ? blogIds - 1 : 0));
        Attribute("guest_name", [&] { Chinese(static_cast<size_t>(random_.Between(6, 15))); });
        Attribute("user_name", [&] { Format("user%06d", random_.Between(0, 999999)); });
        Attribute("photo_name", [&] {
            Format("%08llx.jpg", static_cast<unsigned long long>(random_.Next() & 0xFFFFFFFF));
        });
        Attribute("comment_content", [&] { Chinese(static_cast<size_t>(random_.Between(30, 200))); });
        TimeAttribute("comment_datetime", written);
        Attribute("reply_content", [&] {
            if (random_.Next() % 2) Chinese(static_cast<size_t>(random_.Between(15, 90)));
        });
        TimeAttribute("reply_datetime", written);
        out_ += "/>\r\n";
    }

    void Twitter(int id, std::string_view created = {}) {
        out_ += "<Twitter";
        Attribute("id", id);
        Attribute("character", random_.Between(0, 30));
        Attribute("content", [&] { Chinese(static_cast<size_t>(random_.Between(60, 420))); });
        TimeAttribute("create_time", created);
        out_ += "/>\r\n";
    }

    void Begin(int blogs, int updatedBlogs, int comments, int twitters) {
        out_ += "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<Backup Result=\"0\">\r\n";
        Format("<Summary NewBlogCount=\"%d\" UpdatedBlogCount=\"%d\" NewCommentCount=\"%d\" "
               "NewTwitterCount=\"%d\"/>\r\n",
               blogs, updatedBlogs, comments, twitters);
        out_ += "<BlogList>\r\n";
    }
    void BeginComments() { out_ += "</BlogList>\r\n<CommentList>\r\n"; }
    void BeginTwitters() { out_ += "</CommentList>\r\n<TwitterList>\r\n"; }
    void End() { out_ += "</TwitterList>\r\n</Backup>\r\n"; }

    template <typename Fill>
    void Attribute(const char* name, Fill fill) {
        Format(" %s=\"", name);
        fill();
        out_ += '"';
    }

    template <typename... Args>
    void Format(const char* format, Args... args) {
        char buffer[256];
        const int n = std::snprintf(buffer, sizeof buffer, format, args...);
        out_.append(buffer, static_cast<size_t>(n));
    }

private:
    Random random_;
    std::string out_;
};

} // namespace

std::string GenerateBackupAnswer(const BackupAnswerShape& shape, uint64_t seed) {
    Writer w(seed);
    w.Out().reserve(static_cast<size_t>(shape.blogs) * 5600 + static_cast<size_t>(shape.comments) * 260 +
                    static_cast<size_t>(shape.twitters) * 260 + 4096);
    w.Begin(shape.blogs, shape.blogs / 10, shape.comments, shape.twitters);
    for (int i = 0; i < shape.blogs; ++i)
        w.Blog(100000 + i);
    w.BeginComments();
    for (int i = 0; i < shape.comments; ++i)
        w.Comment(500000 + i, 0, shape.blogs);
    w.BeginTwitters();
    for (int i = 0; i < shape.twitters; ++i)
        w.Twitter(900000 + i);
    w.End();
    return w.Out();
}

namespace {

// The creation time the answer gives diary `id`, or an empty text.
std::string_view CreateTimeOf(std::string_view answer, int id) {
    const std::string element = "<Blog blog_id=\"" + std::to_string(id) + "\"";
    const size_t at = answer.find(element);
    const std::string_view name = " create_time=\"";
    const size_t value = at == std::string_view::npos ? at : answer.find(name, at);
    if (value == std::string_view::npos) return {};
    const size_t begin = value + name.size();
    return answer.substr(begin, answer.find('"', begin) - begin);
}

} // namespace

std::string GenerateFollowUpAnswer(std::string_view earlier, const BackupAnswerShape& shape,
                                   const FollowUpShape& followUp, uint64_t seed) {
    Writer w(seed);
    const int spacing = shape.blogs / (followUp.updatedBlogs + followUp.comments + 1);
    w.Begin(followUp.newBlogs, followUp.updatedBlogs, followUp.comments, followUp.twitters);
    for (int i = 0; i < followUp.newBlogs; ++i)
        w.Blog(100000 + shape.blogs + i, kFollowUpTime);
    for (int i = 1; i <= followUp.updatedBlogs; ++i)
        w.Blog(100000 + i * spacing, CreateTimeOf(earlier, 100000 + i * spacing));
    w.BeginComments();
    for (int i = 0; i < followUp.comments; ++i)
        w.Comment(500000 + shape.comments + i, 100000 + (followUp.updatedBlogs + 1 + i) * spacing,
                  shape.blogs, kFollowUpTime);
    w.BeginTwitters();
    for (int i = 0; i < followUp.twitters; ++i)
        w.Twitter(900000 + shape.twitters + i, kFollowUpTime);
    w.End();
    return w.Out();
}

} // namespace nook::bench
