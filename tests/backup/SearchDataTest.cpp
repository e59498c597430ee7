// The search data of the index page: text as a script's string literal, what a reader
// sees of other people's HTML as text, and the year files with their records.
#include "archive/SearchData.h"

#include "archive/PlainText.h"
#include "archive/ScriptString.h"
#include "tests/backup/ArchiveTestSupport.h"
#include "tests/backup_app/support/TestText.h"

#include <gtest/gtest.h>

namespace nook {
namespace {

using test::Gbk;

TEST(ScriptString, IsAsciiThatNoQuoteScriptEndOrLineBreakCanLeave) {
    const struct {
        const char* what;
        std::u16string text;
        const char* literal;
    } cases[] = {
        {"plain ASCII", u"a b-c.d,e:f{g}", "\"a b-c.d,e:f{g}\""},
        {"quotes", u"say \"hi\" 'there'", "\"say \\u0022hi\\u0022 \\u0027there\\u0027\""},
        {"backslashes", u"C:\\x\\u0041", "\"C:\\u005cx\\u005cu0041\""},
        {"the end of a script", u"</script><script>", "\"\\u003c/script\\u003e\\u003cscript\\u003e\""},
        {"an ampersand", u"&amp;", "\"\\u0026amp;\""},
        {"line breaks", u"a\r\nb\u2028c\u2029d", "\"a\\u000d\\u000ab\\u2028c\\u2029d\""},
        {"control characters and DEL", std::u16string(u"\0\t\x7f", 3), "\"\\u0000\\u0009\\u007f\""},
        {"Chinese", u"宝宝", "\"\\u5b9d\\u5b9d\""},
        {"above U+FFFF: its surrogate pair", u"\U0001F60A!", "\"\\ud83d\\ude0a!\""},
        {"empty", u"", "\"\""},
    };
    for (const auto& c : cases) {
        std::string literal = "kept:";
        AppendScriptString(literal, c.text);
        EXPECT_EQ(literal, std::string("kept:") + c.literal) << c.what;
    }
}

TEST(PlainText, IsTheTextAnArchivedPageShows) {
    const struct {
        const char* what;
        std::string html;
        std::u16string text;
    } cases[] = {
        {"paragraphs and line breaks part words", "<p>one</p><p>two<br>three</p>", u"one two three"},
        {"inline elements do not", "a<b>b</b><span style=\"x\">c</span><a href=\"http://x/\">d</a>", u"abcd"},
        {"dropped tags leave their neighbours together", "\xb1\xa6<o:p></o:p><blink>\xb1\xa6</blink>", u"宝宝"},
        {"scripts, styles and what is no page text go", "a<script>alert(1)</script>b<style>p{}</style>c"
                                                        "<textarea>t</textarea>d<title>x</title>e",
         u"abcde"},
        {"an unclosed script takes the rest", "a<script>alert(1)", u"a"},
        {"plaintext takes the rest", "a<plaintext>b<p>c", u"a"},
        {"comments go", "a<!-- b --><!--[if IE]><script>x()</script><![endif]-->c", u"ac"},
        {"references are decoded", "&lt;b&gt; &amp; &quot;&#39; &#128522; &#x4e2d;&copy;",
         u"<b> & \"' \U0001F60A 中©"},
        {"half a surrogate pair is a substitute", "&#xD800;x", u"\uFFFDx"},
        {"a stray ampersand is itself", "a & b &nope; c", u"a & b &nope; c"},
        {"white space runs are one blank, none at the ends", "  a \r\n\t b&nbsp;&nbsp;c\xa1\xa1" "d  ",
         u"a b c d"},
        {"a lead byte without its trail byte goes", "a\xb1", u"a"},
        {"handlers and addresses are no text", "<img src=x onerror=alert(1)>t<a href=\"javascript:x\">u</a>",
         u"tu"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlainTextOfHtml(c.html), c.text) << c.what;
    EXPECT_EQ(PlainTextOf("  <b>&amp;</b>\r\n" + Gbk(u8"标题") + " "), u"<b>&amp;</b> 标题") << "plain text stays as written";
    EXPECT_EQ(PlainTextOf(Gbk(u8"标") + "&#128512;&#54620;&#65;&#128512"), u"标\U0001F600\uD55C&#65;&#128512")
        << "references the answer keeps for characters the code page lacks are the characters";
}

CommentEntry Said(int32_t id, const std::string& content, const std::string& reply = std::string()) {
    CommentEntry comment;
    comment.id = id;
    comment.blogId = 7;
    comment.content = content;
    comment.replyContent = reply;
    return comment;
}

// A record appended after what the text held.
std::string DiarySearchLine(const BlogEntry& blog, const std::vector<CommentEntry>& comments) {
    std::string line = "before|";
    AppendDiarySearchLine(line, blog, comments);
    EXPECT_EQ(line.rfind("before|", 0), 0u);
    return line.substr(7);
}

std::string PostSearchLine(int32_t id, const TwitterIndexEntry& post) {
    std::string line = "before|";
    AppendPostSearchLine(line, id, post);
    EXPECT_EQ(line.rfind("before|", 0), 0u);
    return line.substr(7);
}

TEST(SearchData, ADiaryIsOneLineOfPlainTextThatNoMarkupCanLeave) {
    const BlogEntry blog = nook::test::DiaryEntry(7, "</script><script>alert(\"1\")</script>\\", "2008-05-03 09:07:02",
                                 "<p>" + Gbk(u8"宝宝会走路了") + "</p><script>steal()</script>\r\nline&#x2028;two");
    const std::vector<CommentEntry> comments = {
        Said(101, "<b onclick=\"x()\">nice</b>", "<i>thanks</i>"),
        Said(102, "<iframe src=\"//evil.example\"></iframe>"), // nothing a reader sees
        Said(103, "&#128522;"),
    };
    EXPECT_EQ(DiarySearchLine(blog, comments),
              "{k:\"d\",id:7,d:\"2008-05-03\",u:\"2008/5/7.html\","
              "t:\"\\u003c/script\\u003e\\u003cscript\\u003ealert(\\u00221\\u0022)\\u003c/script\\u003e\\u005c\","
              "x:\"\\u5b9d\\u5b9d\\u4f1a\\u8d70\\u8def\\u4e86 line two\","
              "c:\"nice\\u000athanks\\u000a\\ud83d\\ude0a\"}");
}

TEST(SearchData, APostLinksItsMonthAndAnUndatedItemHasNoDay) {
    TwitterIndexEntry post;
    post.content = "<p>a</p>b & <b>c</b>";
    post.time = "2008-12-31 23:59:59";
    EXPECT_EQ(PostSearchLine(30, post),
              "{k:\"p\",id:30,d:\"2008-12-31\",u:\"2008/12/TwitterList.html\",x:\"a b \\u0026 c\"}");
    post.time = "";
    EXPECT_EQ(PostSearchLine(-4, post), "{k:\"p\",id:-4,d:\"\",u:\"0/0/TwitterList.html\",x:\"a b \\u0026 c\"}");
}

// The file's text in place of what the string held.
std::string TextOf(int year, const SearchLines& lines) {
    std::string text = "left over";
    SearchDataText(year, lines, text);
    return text;
}

TEST(SearchData, AYearFileCallsTheGlobalFunctionAndReadsBackItsLines) {
    SearchLines lines;
    EXPECT_EQ(TextOf(2008, lines),
              "// NookBackup's search data of 2008 for index.html: one diary or mini-diary post a line.\n"
              "NookSearchYear(2008, [\n]);\n");
    lines[{kPostSearchRecord, 30}] = "{k:\"p\",id:30,x:\"b\"}";
    lines[{kDiarySearchRecord, -2}] = "{k:\"d\",id:-2,x:\"a\"}";
    lines[{kDiarySearchRecord, 9}] = "{k:\"d\",id:9,x:\"]);\"}";
    const std::string text = TextOf(2008, lines);
    EXPECT_EQ(text,
              "// NookBackup's search data of 2008 for index.html: one diary or mini-diary post a line.\n"
              "NookSearchYear(2008, [\n"
              "{k:\"d\",id:-2,x:\"a\"},\n"
              "{k:\"d\",id:9,x:\"]);\"},\n"
              "{k:\"p\",id:30,x:\"b\"}\n"
              "]);\n");
    SearchLines read;
    EXPECT_TRUE(ReadSearchData(text, 2008, read));
    EXPECT_EQ(read, lines);
    const std::string empty = TextOf(2008, {});
    EXPECT_TRUE(ReadSearchData(empty, 2008, read));
    EXPECT_TRUE(read.empty());
}

// A file that is not exactly as written is not patched: its year is written anew.
TEST(SearchData, AnyOtherTextIsNotReadAsTheYearsLines) {
    SearchLines lines;
    lines[{kDiarySearchRecord, 7}] = "{k:\"d\",id:7,x:\"a\"}";
    lines[{kPostSearchRecord, 30}] = "{k:\"p\",id:30,x:\"b\"}";
    const std::string text = TextOf(2008, lines);
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string changed = text;
        changed.replace(changed.find(from), from.size(), to);
        return changed;
    };
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"another year's file", TextOf(2007, lines)},
        {"cut short", text.substr(0, text.size() - 5)},
        {"without its end", replaced("]);\n", "")},
        {"text after the end", text + "x\n"},
        {"an id written otherwise", replaced("id:7,", "id:007,")},
        {"an id beyond 32 bits", replaced("id:7,", "id:99999999999,")},
        {"another kind", replaced("k:\"p\"", "k:\"x\"")},
        {"a line that is no record", replaced("{k:\"p\",id:30,x:\"b\"}", "alert(1)")},
        {"a record not closed", replaced("x:\"b\"}", "x:\"b\"")},
        {"empty", ""},
    };
    for (const auto& c : cases) {
        SearchLines read;
        read[{kPostSearchRecord, 1}] = "left over";
        EXPECT_FALSE(ReadSearchData(c.text, 2008, read)) << c.what;
        EXPECT_TRUE(read.empty()) << c.what;
    }
}

} // namespace
} // namespace nook
