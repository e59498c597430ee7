// NookBackup.exe itself: one copy at a time, and the unattended backup's exit codes.
// These tests hold the program's single-instance mutex and so run one at a time.
#include "archive/PhotoList.h"
#include "platform/CodePage.h"
#include "platform/Files.h"
#include "tests/backup_app/support/ProgramFolder.h"
#include "tests/backup_app/support/ProgramProcess.h"
#include "tests/backup_app/support/Standin.h"
#include "tests/backup_app/support/TestText.h"
#include "tests/backup_app/support/UiWaits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <iterator>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace nook::test {
namespace {

using nook::CPhotoList;
using nook::PhotoEntry;
using nook::PhotoState;

constexpr DWORD kRunTimeoutMs = 90000;
constexpr DWORD kPhotosLeft = 5; // the exit code of a backup that left photos pending

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(NookBackupProgram, SecondCopyEndsSilentlyWhileTheFirstRuns) {
    CProgramFolder firstFolder("");
    CProgramProcess first(firstFolder.Path(), ""); // waits in its login window
    ASSERT_TRUE(first.Started());
    ASSERT_TRUE(WaitUntil([&] { return first.Window() != nullptr; }));

    // Had either run, it would have stored the command-line user at once.
    const std::string credentials = "/user tester /pass " + PasswordDigest("tester", "test123");
    const std::pair<std::string, DWORD> runs[] = {{credentials, 0}, {credentials + " /backup", 4}};
    for (const auto& [arguments, expectedCode] : runs) {
        SCOPED_TRACE(arguments);
        CProgramFolder secondFolder(StandinHost());
        CProgramProcess second(secondFolder.Path(), arguments);
        DWORD code = 0;
        ASSERT_TRUE(second.WaitForExit(kUiTimeoutMs, code)) << "the second copy kept running";
        EXPECT_EQ(code, expectedCode);
        EXPECT_FALSE(secondFolder.Exists("tester.xml"));
    }
    DWORD code = 0;
    EXPECT_FALSE(first.WaitForExit(0, code)) << "the first copy ended";
}

struct UnattendedCase {
    const char* name;
    const char* user;     // empty: no credentials at all
    const char* password; // plain; sent as its digest
    const char* listFault; // a failure of the list request for this user, or null
    DWORD exitCode;
};

void PrintTo(const UnattendedCase& c, std::ostream* os) { *os << c.name; }

class UnattendedBackupRun : public ::testing::TestWithParam<UnattendedCase> {};

TEST_P(UnattendedBackupRun, EndsByItselfWithTheExitCodeOfWhatHappened) {
    const UnattendedCase& c = GetParam();
    if (c.listFault) {
        std::string answer;
        ASSERT_TRUE(StandinAdmin(std::string("/admin/fault?mode=") + c.listFault + "&user=" + c.user + "&target=list",
                                 answer));
    }
    CProgramFolder folder(StandinHost());
    std::string arguments = "/backup";
    if (*c.user) arguments = std::string("/user ") + c.user + " /pass " + PasswordDigest(c.user, c.password) + " /backup";
    CProgramProcess program(folder.Path(), arguments);
    DWORD code = 0;
    ASSERT_TRUE(program.WaitForExit(kRunTimeoutMs, code)) << "the backup did not end by itself";
    EXPECT_EQ(code, c.exitCode);

    const bool backedUp = c.exitCode == 0 || c.exitCode == kPhotosLeft;
    EXPECT_EQ(folder.Exists(std::string(c.user) + "\\BlogList.xml"), backedUp && *c.user);
    if (backedUp && *c.user) {
        EXPECT_TRUE(Contains(folder.Read(std::string(c.user) + ".xml"), "LastBlogID=\"120\""));
        EXPECT_GT(folder.CountFiles(std::string(c.user) + "\\images"), 0);
        // Nothing new the second time: only the photos left are tried again, and fail again.
        CProgramProcess again(folder.Path(), "/backup");
        ASSERT_TRUE(again.WaitForExit(kRunTimeoutMs, code));
        EXPECT_EQ(code, kPhotosLeft);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, UnattendedBackupRun,
    // The tester family's diary 105 shows a photo the site has lost and one it fails to send.
    ::testing::Values(UnattendedCase{"BackedUpButForTwoPhotos", "tester", "test123", nullptr, kPhotosLeft},
                      UnattendedCase{"LoginFailed", "tester", "wrong", nullptr, 1},
                      UnattendedCase{"BackupFailed", "fault_other_cookie", "fault", "servererror", 2},
                      UnattendedCase{"NoCredentials", "", "", nullptr, 3}),
    [](const auto& info) { return std::string(info.param.name); });

// The archive in a folder config.xml names: a backup goes there, with the templates its
// pages link to; with the folder gone (a disk not connected) the next run stops before
// sending anything, makes no folder and keeps the marks.
TEST(NookBackupProgram, ArchiveLivesInTheFolderConfigNames) {
    CProgramFolder folder(StandinHost());
    const std::string archive = folder.Path() + Gbk(u8"家庭日记") + "\\";
    ASSERT_EQ(platform::MakeDirectory(archive), platform::MakeDirResult::Created);
    folder.WriteConfig(StandinHost(), "", 0, "<Archive Path=\"" + platform::AnsiToUtf8(archive) + "\"/>\n");
    CProgramProcess program(folder.Path(), "/user tester /pass " + PasswordDigest("tester", "test123") + " /backup");
    DWORD code = 0;
    ASSERT_TRUE(program.WaitForExit(kRunTimeoutMs, code));
    EXPECT_EQ(code, kPhotosLeft);
    EXPECT_TRUE(folder.Exists(Gbk(u8"家庭日记") + "\\tester\\BlogList.xml"));
    EXPECT_TRUE(folder.Exists(Gbk(u8"家庭日记") + "\\Templates\\diary.css"));
    EXPECT_GT(folder.CountFiles(Gbk(u8"家庭日记") + "\\tester\\Images"), 0);
    EXPECT_FALSE(folder.Exists("tester\\BlogList.xml"));

    const std::string moved = folder.Path() + "unplugged\\";
    ASSERT_TRUE(platform::MoveFileReplacing(archive, moved));
    const std::string marks = folder.Read("tester.xml");
    CProgramProcess again(folder.Path(), "/backup");
    ASSERT_TRUE(again.WaitForExit(kRunTimeoutMs, code));
    EXPECT_EQ(code, 6u);
    EXPECT_FALSE(platform::DirectoryExists(archive));
    EXPECT_EQ(folder.Read("tester.xml"), marks);
}

// Posts are kept in TwitterList.xml alone: with the file gone, the next run asks for
// every post again, and the archive holds them all once more.
TEST(NookBackupProgram, PostsOfALostIndexAreFetchedAgain) {
    CProgramFolder folder(StandinHost());
    DWORD code = 0;
    {
        CProgramProcess first(folder.Path(), "/user tester /pass " + PasswordDigest("tester", "test123") + " /backup");
        ASSERT_TRUE(first.WaitForExit(kRunTimeoutMs, code));
    }
    const std::string posts = folder.Read("tester\\TwitterList.xml");
    ASSERT_NE(posts.find("<Twitter "), std::string::npos);
    ASSERT_TRUE(platform::RemoveFile(folder.Path() + "tester\\TwitterList.xml"));
    CProgramProcess second(folder.Path(), "/backup");
    ASSERT_TRUE(second.WaitForExit(kRunTimeoutMs, code));
    EXPECT_EQ(folder.Read("tester\\TwitterList.xml"), posts);
}

// The photo list of a program folder's user, as the program left it.
CPhotoList PhotoListOf(const CProgramFolder& folder, const std::string& user) {
    CPhotoList list;
    list.Load(folder.Path() + user + "\\PhotoList.xml");
    return list;
}

const PhotoEntry* EntryEndingWith(const CPhotoList& list, const std::string& end) {
    for (const PhotoEntry& entry : list.Entries())
        if (entry.url.size() >= end.size() && entry.url.compare(entry.url.size() - end.size(), end.size(), end) == 0)
            return &entry;
    return nullptr;
}

void Admin(const std::string& path) {
    std::string answer;
    ASSERT_TRUE(StandinAdmin(path, answer)) << path;
}

// Photos that failed stay pending, and the next run, with nothing new on the service,
// fetches them; an address written with "&amp;" in the diary is fetched decoded.
TEST(NookBackupProgram, PhotosThatFailedAreFetchedByTheNextRun) {
    Admin("/admin/fault?mode=notfound&target=photos");
    CProgramFolder folder(StandinHost());
    const std::string arguments = "/user tester /pass " + PasswordDigest("tester", "test123") + " /backup";
    DWORD code = 0;
    {
        CProgramProcess first(folder.Path(), arguments);
        ASSERT_TRUE(first.WaitForExit(kRunTimeoutMs, code));
    }
    Admin("/admin/fault?mode=none");
    EXPECT_EQ(code, kPhotosLeft);
    const CPhotoList before = PhotoListOf(folder, "tester");
    ASSERT_GE(before.Entries().size(), 12u);
    EXPECT_EQ(before.Count(PhotoState::Pending), before.Entries().size());
    EXPECT_EQ(folder.CountFiles("tester\\images"), 0);

    CProgramProcess second(folder.Path(), "/backup");
    ASSERT_TRUE(second.WaitForExit(kRunTimeoutMs, code));
    EXPECT_EQ(code, kPhotosLeft);
    const CPhotoList after = PhotoListOf(folder, "tester");
    EXPECT_EQ(after.Count(PhotoState::Pending), 2u); // diary 105's lost and broken photos
    EXPECT_EQ(after.Count(PhotoState::Stored), before.Entries().size() - 2);
    EXPECT_EQ(folder.CountFiles("tester\\images"), static_cast<int>(before.Entries().size() - 2));
    const PhotoEntry* query = EntryEndingWith(after, "110_4.jpg?size=l&v=2");
    ASSERT_NE(query, nullptr);
    EXPECT_EQ(query->state, PhotoState::Stored);
    EXPECT_EQ(EntryEndingWith(after, "missing-105.jpg")->lastError, "HTTP 404");
}

// A photo that never answers costs the configured silence and no more; the others are
// stored, and the silent one is left for the next run.
TEST(NookBackupProgram, SilentPhotoFailsAfterTheTimeoutWhileTheOthersAreStored) {
    CProgramFolder folder(StandinHost());
    // One connection, so that the three photo requests that hang are one photo's three tries.
    folder.WriteConfig(StandinHost(), "", 0, "<Download Timeout=\"3\" Connections=\"1\"/>");
    Admin("/admin/fault?mode=hang&target=photos&times=3");
    const DWORD start = GetTickCount();
    CProgramProcess program(folder.Path(),
                            "/user tester /pass " + PasswordDigest("tester", "test123") + " /backup");
    DWORD code = 0;
    ASSERT_TRUE(program.WaitForExit(kRunTimeoutMs, code)) << "the backup hung";
    Admin("/admin/fault?mode=none");
    EXPECT_EQ(code, kPhotosLeft);
    EXPECT_LT(GetTickCount() - start, 60000u);
    const CPhotoList list = PhotoListOf(folder, "tester");
    EXPECT_EQ(list.Count(PhotoState::Pending), 3u);
    size_t timedOut = 0;
    for (const PhotoEntry& entry : list.Entries())
        timedOut += entry.lastError == "timeout";
    EXPECT_EQ(timedOut, 1u);
    EXPECT_EQ(folder.CountFiles("tester\\images"), static_cast<int>(list.Entries().size() - 3));
}

// The hostile family's diaries, comments, replies and posts are written by attackers.
// Whatever the page templates hold themselves, nothing of theirs may reach a page in a
// form that runs, loads or leaves the archive; the formatting around it and the photos
// in every kind of content must.

// Markup and text no content may bring into a page: elements that run or load something,
// comments (the browser control runs conditional ones), script addresses (also written
// with character references), script code and the attackers' host. Lower case.
constexpr const char* kNeverFromContent[] = {
    "<script",  "</script",    "<iframe",     "<object",     "<embed",      "<applet", "<style",
    "<link",    "<meta",       "<base",       "<form",       "<input",      "<svg",    "<!--",
    "<![endif", "javascript:", "&#115;cript", "&#x73;cript", "expression(", "alert(",  "evil.example"};
// Attributes whose value is an address the browser follows or loads.
constexpr const char* kAddressAttributes[] = {"href",       "src",      "action",    "formaction", "data",
                                              "background", "lowsrc",   "dynsrc",    "poster",     "cite",
                                              "longdesc",   "codebase", "xlink:href"};
// Addresses that run script, reach another host without naming a scheme, or open local files.
constexpr const char* kUnsafeAddressStarts[] = {
    "javascript:", "vbscript:", "livescript:", "data:", "file:", "//", "\\\\", "/\\", "\\/"};
constexpr const char* kActiveStyle[] = {"expression(", "javascript:", "behavior:", "-moz-binding"};
constexpr char kLocalPhoto[] = "src=\"../../Images/";

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string LowerAscii(std::string text) {
    for (char& c : text)
        c = LowerAscii(c);
    return text;
}

bool StartsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

std::string WithLf(std::string text) {
    for (size_t cr = text.find("\r\n"); cr != std::string::npos; cr = text.find("\r\n", cr))
        text.erase(cr, 1);
    return text;
}

std::string Excerpt(const std::string& text, size_t at) {
    if (at >= text.size()) return std::string();
    const size_t from = at < 60 ? 0 : at - 60;
    return text.substr(from, 160);
}

struct Attribute {
    std::string name;  // lower case
    std::string value; // as written, without its quotes
};

struct StartTag {
    std::string name; // lower case
    std::vector<Attribute> attributes;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// The start tags of a page as a browser reads them: a quoted value may hold "<" and ">";
// comments, declarations and end tags are skipped. Code page 936 needs no care here:
// no second byte is a quote, "<", ">" or a blank.
std::vector<StartTag> StartTags(const std::string& page) {
    std::vector<StartTag> tags;
    const size_t end = page.size();
    size_t i = 0;
    while ((i = page.find('<', i)) != std::string::npos) {
        ++i;
        if (page.compare(i, 3, "!--") == 0) {
            i = page.find("-->", i + 3);
            if (i == std::string::npos) break;
            continue;
        }
        if (i >= end || !std::isalpha(static_cast<unsigned char>(page[i]))) continue;
        StartTag tag;
        while (i < end && !IsBlank(page[i]) && page[i] != '/' && page[i] != '>')
            tag.name += LowerAscii(page[i++]);
        for (;;) {
            while (i < end && (IsBlank(page[i]) || page[i] == '/'))
                ++i;
            if (i >= end || page[i] == '>') break;
            Attribute attribute;
            while (i < end && !IsBlank(page[i]) && page[i] != '/' && page[i] != '>' && page[i] != '=')
                attribute.name += LowerAscii(page[i++]);
            while (i < end && IsBlank(page[i]))
                ++i;
            if (i < end && page[i] == '=') {
                ++i;
                while (i < end && IsBlank(page[i]))
                    ++i;
                if (i < end && (page[i] == '"' || page[i] == '\'')) {
                    const size_t close = std::min(page.find(page[i], i + 1), end);
                    attribute.value = page.substr(i + 1, close - i - 1);
                    i = std::min(close + 1, end);
                } else {
                    while (i < end && !IsBlank(page[i]) && page[i] != '>')
                        attribute.value += page[i++];
                }
            }
            if (!attribute.name.empty()) tag.attributes.push_back(std::move(attribute));
        }
        tags.push_back(std::move(tag));
    }
    return tags;
}

unsigned long DigitValue(char c) {
    return static_cast<unsigned long>(std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                                                                                  : LowerAscii(c) - 'a' + 10);
}

// An attribute value as a browser reads an address or a style from it: character
// references decoded, blanks and control characters dropped, in lower case.
std::string AddressForm(const std::string& value) {
    static const std::pair<std::string, char> kNamed[] = {
        {"colon;", ':'}, {"tab;", '\t'}, {"newline;", '\n'}, {"sol;", '/'},
        {"bsol;", '\\'}, {"lpar;", '('}, {"rpar;", ')'},     {"amp;", '&'}};
    std::string out;
    for (size_t i = 0; i < value.size(); ++i) {
        char c = value[i];
        if (c == '&' && value.compare(i + 1, 1, "#") == 0) {
            const bool hex = i + 2 < value.size() && LowerAscii(value[i + 2]) == 'x';
            size_t j = i + (hex ? 3 : 2);
            unsigned long code = 0;
            const size_t digits = j;
            for (; j < value.size() && (hex ? std::isxdigit(static_cast<unsigned char>(value[j]))
                                            : std::isdigit(static_cast<unsigned char>(value[j])));
                 ++j)
                code = std::min(code * (hex ? 16 : 10) + DigitValue(value[j]), 0x110000ul);
            if (j > digits) {
                c = code < 0x80 ? static_cast<char>(code) : '?';
                i = j < value.size() && value[j] == ';' ? j : j - 1;
            }
        } else if (c == '&') {
            for (const auto& [name, plain] : kNamed)
                if (LowerAscii(value.substr(i + 1, name.size())) == name) {
                    c = plain;
                    i += name.size();
                    break;
                }
        }
        if (static_cast<unsigned char>(c) > ' ') out += LowerAscii(c);
    }
    return out;
}

// The page without the template text that holds markup of kNeverFromContent (the head
// with its <meta>, <link> and mark of the web): each literal piece of a template between
// its placeholders that holds any is taken out wherever it stands.
std::string ContentPart(std::string page, const std::vector<std::string>& templates) {
    for (const std::string& text : templates) {
        std::vector<std::string> pieces;
        size_t start = 0;
        for (size_t open = text.find('{'); open != std::string::npos; open = text.find('{', open + 1)) {
            size_t close = open + 1;
            while (close < text.size() && std::isalpha(static_cast<unsigned char>(text[close])))
                ++close;
            if (close == open + 1 || close >= text.size() || text[close] != '}') continue;
            pieces.push_back(text.substr(start, open - start));
            start = close + 1;
        }
        pieces.push_back(text.substr(start));
        for (const std::string& piece : pieces) {
            const std::string lower = LowerAscii(piece);
            const bool watched = std::any_of(std::begin(kNeverFromContent), std::end(kNeverFromContent),
                                             [&](const char* never) { return Contains(lower, never); });
            if (!watched || piece.empty()) continue;
            for (size_t at = page.find(piece); at != std::string::npos; at = page.find(piece, at))
                page.erase(at, piece.size());
        }
    }
    return page;
}

// `templates`: the page's own template and the one of the items listed in it.
void ExpectNoActiveMarkup(const std::string& page, const std::vector<std::string>& templates) {
    const std::string content = LowerAscii(ContentPart(page, templates));
    for (const char* never : kNeverFromContent) {
        const size_t at = content.find(never);
        EXPECT_EQ(at, std::string::npos) << never << " in: " << Excerpt(content, at);
    }
    for (const StartTag& tag : StartTags(page)) {
        for (const Attribute& attribute : tag.attributes) {
            const std::string where = "<" + tag.name + " " + attribute.name + "=\"" + attribute.value + "\"";
            EXPECT_FALSE(StartsWith(attribute.name, "on")) << where;
            const std::string form = AddressForm(attribute.value);
            const bool address = std::any_of(std::begin(kAddressAttributes), std::end(kAddressAttributes),
                                             [&](const char* name) { return attribute.name == name; });
            for (const char* start : kUnsafeAddressStarts)
                EXPECT_FALSE(address && StartsWith(form, start)) << where;
            EXPECT_FALSE(attribute.name == "src" && (StartsWith(form, "http:") || StartsWith(form, "https:")))
                << "a picture left on the web: " << where;
            for (const char* active : kActiveStyle)
                EXPECT_FALSE(attribute.name == "style" && Contains(form, active)) << where;
        }
    }
}

TEST(NookBackupProgram, HostileFamilysPagesHoldNoActiveMarkupButKeepFormattingAndPhotos) {
    Admin("/admin/fault?mode=none");
    CProgramFolder folder(StandinHost());
    CProgramProcess program(folder.Path(),
                            "/user hostile /pass " + PasswordDigest("hostile", "hostile1") + " /backup");
    DWORD code = 0;
    ASSERT_TRUE(program.WaitForExit(kRunTimeoutMs, code)) << "the backup did not end by itself";
    EXPECT_EQ(code, 0u); // every photo of the family exists

    struct Page {
        const char* file;              // in the user folder
        size_t localPhotos;            // pictures that must show local files
        std::vector<const char*> kept; // UTF-8: formatting and text that must survive
    };
    const Page pages[] = {
        // Diary photo (onload), comments 501 and 506 with their replies.
        {"2009\\3\\401.html",
         1,
         {"<p>", "<b>小石头</b>", "#c06", "<br", "&nbsp;&nbsp;", "<ul>", "<li>秋千</li>", "<table",
          "<td>身高</td>", "回家路上睡着了", "<b>真可爱</b>", "<i>谢谢奶奶</i>",
          "href=\"http://example.com/ok\"", "<b>收到</b>"}},
        {"2009\\3\\402.html",
         0,
         {"<b>妈妈收藏的链接</b>", "<li>", "链接一", "链接六", "href=\"http://example.com/ok\"", "好链接",
          "坏图片后面的字", "#c06", "红字", "好的"}},
        // The photo of comment 502; comment 508 ends in an unclosed script.
        {"2009\\4\\403.html",
         1,
         {"宽度是<b>表达式</b>", "#c06", "第二行", "<table", "<li>列表</li>", "<b>也很可爱</b>", "誠心",
          "祝福"}},
        // The diary photo's alt ends in 錦 right before its quote, ahead of its src.
        {"2009\\5\\404.html",
         1,
         {"<b>表单</b>", "誠心的祝福", "宝宝", "好運", "<li>一</li>", "<td>三</td>", "<li>谢谢</li>"}},
        // The photo of the reply to 503.
        {"2009\\6\\405.html",
         1,
         {"<b>没有关上的粗体", "<i>和斜体", "红色的字", "<li>第一", "格子", "<b>回复</b>"}},
        {"2009\\3\\TwitterList.html", 0, {"<b>晴天</b>", "去公园", "下雨了"}},
        // The photo of post 603.
        {"2009\\4\\TwitterList.html", 1, {"今天的照片", "#c06", "<b>宽</b>", "<li>一"}},
    };
    // Beside the pages: the year's book and the index, which show the same content.
    std::vector<std::string> expectedFiles = {"hostile\\2009\\book.html", "hostile\\index.html"};
    for (const Page& page : pages)
        expectedFiles.push_back(std::string("hostile\\") + page.file);
    std::sort(expectedFiles.begin(), expectedFiles.end());
    const std::vector<std::string> files = folder.Files("hostile", "*.html");
    EXPECT_EQ(files, expectedFiles);

    auto templatesOf = [&](const std::string& file) {
        std::vector<const char*> names = {"BlogView.html", "Comment.html", "Navigation.html"};
        if (Contains(file, "TwitterList.html")) names = {"TwitterList.html", "Twitter.html", "Navigation.html"};
        if (Contains(file, "index.html")) names = {"Index.html"};
        if (Contains(file, "book.html"))
            names = {"YearBook.html", "BookMonth.html", "BookDiary.html", "BookPosts.html", "Comment.html",
                     "Twitter.html"};
        std::vector<std::string> templates;
        for (const char* name : names) templates.push_back(WithLf(folder.Read(std::string("Templates\\") + name)));
        // The book marks each diary's section, so that a later backup can reuse it.
        if (Contains(file, "book.html")) templates.insert(templates.end(), {"<!--nook:", "<!--nook:end-->"});
        return templates;
    };
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        ExpectNoActiveMarkup(WithLf(folder.Read(file)), templatesOf(file));
    }

    std::set<std::string> shownPhotos; // "Images\<file>", as the photo list names them
    for (const Page& page : pages) {
        SCOPED_TRACE(page.file);
        const std::string text = folder.Read(std::string("hostile\\") + page.file);
        for (const char* kept : page.kept)
            EXPECT_TRUE(Contains(text, Gbk(kept))) << kept;
        size_t localPhotos = 0;
        for (size_t at = text.find(kLocalPhoto); at != std::string::npos;
             at = text.find(kLocalPhoto, at + 1)) {
            const size_t name = at + sizeof(kLocalPhoto) - 1;
            const std::string photo = "Images\\" + text.substr(name, text.find('"', name) - name);
            EXPECT_TRUE(folder.Exists("hostile\\" + photo)) << photo;
            shownPhotos.insert(photo);
            ++localPhotos;
        }
        EXPECT_EQ(localPhotos, page.localPhotos);
    }

    // Diaries 401 and 404, comment 502, the reply to 503 and post 603 show one photo each.
    const CPhotoList photos = PhotoListOf(folder, "hostile");
    std::set<std::string> listedPhotos;
    for (const PhotoEntry& entry : photos.Entries()) {
        listedPhotos.insert(entry.file);
        EXPECT_EQ(entry.state, PhotoState::Stored) << entry.url;
    }
    for (const char* end : {"/200903/401_1.jpg", "/200905/404_1.jpg", "/200904/comment_502.jpg",
                            "/200906/reply_503.jpg", "/200904/post_603.jpg"})
        EXPECT_NE(EntryEndingWith(photos, end), nullptr) << end;
    EXPECT_EQ(photos.Entries().size(), 5u);
    EXPECT_EQ(listedPhotos, shownPhotos);
    EXPECT_EQ(folder.CountFiles("hostile\\Images"), 5);
}

} // namespace
} // namespace nook::test
