#include "archive/HtmlSanitiser.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;
using nook::SanitiseHtml;

struct Case {
    const char* what;
    std::string html; // std::string, so that rows may hold NULs
    std::string safe;
};

// Code page 936 text: 中文, 宋体, and 誠 and 寍 whose second bytes are "\" and "|".
#define ZHONGWEN "\xD6\xD0\xCE\xC4"
#define SONGTI "\xCB\xCE\xCC\xE5"
#define BACKSLASH_TRAIL "\xD5\x5C"
#define BAR_TRAIL "\x8C\x7C"

// What the diaries of the service look like; it must come through as it is, except
// for the one form of void elements ("<br>", "<img ...>").
const Case kOrdinary[] = {
    {"text", "<p>" ZHONGWEN "</p>", "<p>" ZHONGWEN "</p>"},
    {"indents", "<p>&nbsp;&nbsp;&nbsp;&nbsp;" ZHONGWEN "</p>\r\n<div>a</div>",
     "<p>&nbsp;&nbsp;&nbsp;&nbsp;" ZHONGWEN "</p>\r\n<div>a</div>"},
    {"line breaks", "one<br />\r\ntwo<br/>three<BR>", "one<br>\r\ntwo<br>three<br>"},
    {"coloured spans", "<span style=\"color:#c06\">a</span><span style=\"color: #ff6699;\">b</span>",
     "<span style=\"color:#c06\">a</span><span style=\"color: #ff6699;\">b</span>"},
    {"centred photo",
     "<p style=\"text-align: center;\"><img src=\"http://photos.example/x/200601/1001_1.jpg\" alt=\"" ZHONGWEN
     "\" border=\"0\" /></p>",
     "<p style=\"text-align: center;\"><img src=\"http://photos.example/x/200601/1001_1.jpg\" alt=\"" ZHONGWEN
     "\" border=\"0\"></p>"},
    {"alt before src", "<img alt=\"cap\" src=\"http://p.example/b.jpg\" width=\"160\" height=\"120\">",
     "<img alt=\"cap\" src=\"http://p.example/b.jpg\" width=\"160\" height=\"120\">"},
    {"photo in a link",
     "<a href=\"http://p.example/big.jpg\"><img src=\"http://p.example/big.jpg\" alt=\"x\" /></a>",
     "<a href=\"http://p.example/big.jpg\" target=\"_blank\"><img src=\"http://p.example/big.jpg\" "
     "alt=\"x\"></a>"},
    {"references in an address", "<img src=\"http://p.example/110_4.jpg?size=l&amp;v=2\">",
     "<img src=\"http://p.example/110_4.jpg?size=l&amp;v=2\">"},
    {"blank in an address", "<img src=\"http://p.example/first steps.jpg\" />",
     "<img src=\"http://p.example/first steps.jpg\">"},
    {"mail link", "<a href=\"MAILTO:mama@example.com\">m</a>",
     "<a href=\"MAILTO:mama@example.com\" target=\"_blank\">m</a>"},
    {"trail bytes that look like markup", "a" BACKSLASH_TRAIL BAR_TRAIL "<b>" BACKSLASH_TRAIL "</b>",
     "a" BACKSLASH_TRAIL BAR_TRAIL "<b>" BACKSLASH_TRAIL "</b>"},
    {"references", "&lt;" ZHONGWEN "&gt; &amp; &#20013;&#x4E2D;&quot;&hellip;",
     "&lt;" ZHONGWEN "&gt; &amp; &#20013;&#x4E2D;&quot;&hellip;"},
    {"quotes in text", "\"a\" 'b'", "\"a\" 'b'"},
    {"table",
     "<table border=\"1\" cellpadding=\"2\" cellspacing=\"0\" width=\"100%\"><tbody><tr valign=\"top\">"
     "<td colspan=\"2\" align=\"center\">c</td></tr></tbody></table>",
     "<table border=\"1\" cellpadding=\"2\" cellspacing=\"0\" width=\"100%\"><tbody><tr valign=\"top\">"
     "<td colspan=\"2\" align=\"center\">c</td></tr></tbody></table>"},
    {"font", "<font color=\"#ff0000\" size=\"+1\" face=\"" SONGTI "\">f</font>",
     "<font color=\"#ff0000\" size=\"+1\" face=\"" SONGTI "\">f</font>"},
    {"blocks",
     "<h1 align=\"center\">t</h1><ul><li>a</li></ul><ol><li><em>b</em></li></ol><blockquote>q</blockquote>"
     "<pre>p</pre><sub>1</sub><sup>2</sup><center><u>c</u><s>d</s><strike>e</strike><i>f</i></center><hr>",
     "<h1 align=\"center\">t</h1><ul><li>a</li></ul><ol><li><em>b</em></li></ol><blockquote>q</blockquote>"
     "<pre>p</pre><sub>1</sub><sup>2</sup><center><u>c</u><s>d</s><strike>e</strike><i>f</i></center><hr>"},
    {"styles within the list",
     "<span style=\"font-family: " SONGTI
     "; font-size: 14px; width: 50%; margin-left: 2px; border: 1px solid "
     "rgb(0, 0, 0)\">x</span>",
     "<span style=\"font-family: " SONGTI
     "; font-size: 14px; width: 50%; margin-left: 2px; border: 1px solid "
     "rgb(0, 0, 0)\">x</span>"},
    {"the archive's own photos",
     "<img src=\"../../Images/0f8fad5b-d9cb-469f-a165-70867728950e.jpg\"><img src=\"../../Images/a_1\">",
     "<img src=\"../../Images/0f8fad5b-d9cb-469f-a165-70867728950e.jpg\"><img src=\"../../Images/a_1\">"},
    {"names in capitals", "<P ALIGN=\"Center\">x</P>", "<p align=\"Center\">x</p>"},
};

const Case kHostile[] = {
    // Scripts and styles go with their content, also when never closed.
    {"script", "a<script>alert(1)</script>b", "ab"},
    {"script in capitals", "<SCRIPT SRC=http://evil.example/x.js></SCRIPT >b", "b"},
    {"script that writes an end tag", "<script>document.write('</scr'+'ipt>')</script>c", "c"},
    {"script never closed", "a<script>alert(1)<b>b</b>", "a"},
    {"style", "<style>body{background:url(javascript:alert(1))}</style>after", "after"},
    {"style never closed", "a<style>p{}", "a"},
    {"content that is no page text",
     "<title>t</title><noscript><img src=\"http://a.example/x\"></noscript><textarea><b>t</b></textarea>"
     "<xmp><i>x</i></xmp><noembed>e</noembed><noframes>f</noframes>k",
     "k"},
    {"plaintext", "a<plaintext></plaintext><b>b</b>", "a"},
    // Handlers.
    {"image handler without a source", "<img src=x onerror=alert(1)>", ""},
    {"image handlers", "<img src=\"http://a.example/x.jpg\" onerror=\"alert(1)\" ONLOAD=alert(2)>",
     "<img src=\"http://a.example/x.jpg\">"},
    {"link handler", "<a href=\"http://a.example/\" onclick=\"alert(1)\" target=\"_top\">ok</a>",
     "<a href=\"http://a.example/\" target=\"_blank\">ok</a>"},
    // Scripting schemes, however written.
    {"javascript link", "<a href=\"javascript:alert(1)\">click</a>", "click"},
    {"blanks and capitals", "<a href=\" JaVaScRiPt:alert(1)\">a</a>", "a"},
    {"references in the scheme",
     "<a href=\"java&#115;cript:alert(1)\">a</a><a href=\"jav&#x09;ascript:alert(1)\">b</a>"
     "<a href=\"&#106;avascript:alert(1)\">c</a><a href=\"javascript&colon;alert(1)\">d</a>",
     "abcd"},
    {"controls in the scheme",
     "<a href=\"jav\tascript:alert(1)\">a</a><a href=\"\x01javascript:alert(1)\">b</a>", "ab"},
    {"other schemes",
     "<a href=\"vbscript:msgbox(1)\">a</a><img src=\"data:image/png;base64,AA\"><a "
     "href=\"data:text/html,x\">b</a>",
     "ab"},
    {"a scheme that only looks like the web",
     "<a href=\"http:evil.example\">a</a><a href=\"&#x10068;ttp://b\">b</a>", "ab"},
    // Addresses that reach files or shares.
    {"link addresses",
     "<a href=\"//evil.example/x\">a</a><a href=\"\\\\evil\\share\\x\">b</a><a href=\"/\\evil\\x\">c</a>"
     "<a href=\"file:///C:/x.jpg\">d</a><a href=\"x.html\">e</a><a href=\"\">f</a><a>g</a>",
     "abcdefg"},
    {"image addresses",
     "<img src=\"//evil.example/x.jpg\"><img src=\"\\\\evil\\share\\x.jpg\"><img src=\"\\/evil/x.jpg\">"
     "<img src=\"FILE://evil/x.jpg\"><img src=\"x.jpg\"><img src=\"\"><img>",
     ""},
    {"lead byte before back slashes", "<a href=\"\xD6\\\\evil\\x\">y</a>", "y"},
    {"paths the archive does not write",
     "<img src=\"../../Images/../../x.jpg\"><img src=\"../../Images/sub/x.jpg\"><img "
     "src=\"../../images/a.jpg\">"
     "<img src=\"../../Images/a.b.jpg\"><img src=\"../../Images/.jpg\"><img src=\"../../Images/a.\">"
     "<img src=\"../..&#9;/Images/a.jpg\">",
     ""},
    {"blanks around the archive's path", "<img src=\" ../../Images/a.jpg \">",
     "<img src=\"../../Images/a.jpg\">"},
    // Frames, plug-ins, forms and page-wide elements: the tags go, visible text stays.
    {"frames",
     "<iframe src=\"http://evil.example/\">inner <b>x</b></iframe>a<frameset><frame src=x></frameset>", "a"},
    {"plug-ins",
     "<object data=\"x.swf\"><param name=\"movie\" value=\"x.swf\"><embed src=\"x.swf\">fallback</object>"
     "<applet code=x>j</applet>",
     "fallbackj"},
    {"form",
     "<form action=\"http://evil.example/\"><input "
     "name=\"p\"><button>Go</button><select><option>o</select></form>",
     "Goo"},
    {"page-wide elements",
     "<meta http-equiv=\"refresh\" content=\"0;url=http://evil.example/\"><base "
     "href=\"http://evil.example/\">"
     "<link rel=\"stylesheet\" href=\"http://evil.example/x.css\">x",
     "x"},
    {"svg and math",
     "<svg onload=\"alert(1)\"><circle r=\"1\"/>s<script>alert(2)</script></svg><math><mi>m</mi></math>",
     "sm"},
    // Styles.
    {"expression", "<div style=\"width:expression(alert(1))\">x</div>", "<div>x</div>"},
    {"one bad declaration drops the style",
     "<span style=\"color: red; behavior: url(x.htc)\">y</span><p style=\"-moz-binding:url(x.xml#b)\">z</p>",
     "<span>y</span><p>z</p>"},
    {"hidden by escapes, comments, references and a comment opened in a string",
     "<div style=\"w\\idth: exp/**/ression(alert(1))\">a</div><div style=\"color: \\65 xpression(1)\">b</div>"
     "<div style=\"background-color: &#117;rl(x.png)\">c</div>"
     "<div style='font-family: \"/*\"; behavior: url(x.htc); x: \"*/\"'>d</div>",
     "<div>a</div><div>b</div><div>c</div><div>d</div>"},
    {"a word joined across a comment opened in a string",
     "<p style='font-family: \"beha/*\"; color: red; x: \"*/vior\"'>a</p>", "<p>a</p>"},
    {"taking a declaration out must not join a word across a comment",
     "<p style=\"color: ex/*; x: y */ z; color: */pression\">a</p>", "<p>a</p>"},
    {"escaped back slashes before a word", "<p style=\"color:\\\\\\\\\\\\\\behavior:x\">a</p>", "<p>a</p>"},
    {"full-width letters",
     "<div "
     "style=\"width:\xA3\xE5\xA3\xF8\xA3\xF0\xA3\xF2\xA3\xE5\xA3\xF3\xA3\xF3\xA3\xE9\xA3\xEF\xA3\xEE(1)\">a</"
     "div>",
     "<div>a</div>"},
    {"functions other than colours", "<p style=\"width: calc(100px); color: attr(title)\">a</p>", "<p>a</p>"},
    {"properties off the list",
     "<div style=\"color: red; position: fixed; top: 0; background: red; width: 9em\">a</div>",
     "<div style=\"color: red\">a</div>"},
    {"a declaration hidden behind a reference", "<div style=\"color: red&#59;position: fixed\">a</div>",
     "<div style=\"color: red\">a</div>"},
    // Attributes.
    {"attributes off the list", "<p id=\"x\" class=\"c\" name=n onmouseover=x data-x=1>a</p>", "<p>a</p>"},
    {"values that are not plain",
     "<img src=\"http://a.example/x.jpg\" width=\"100;x\" height=\"50%\" border=\"x\" align=\"javascript\" "
     "title=\"t\">"
     "<font color=\"red;x\" size=\"9\">f</font><td colspan=2 rowspan=\"x\" nowrap>t</td>",
     "<img src=\"http://a.example/x.jpg\" height=\"50%\" title=\"t\"><font>f</font><td colspan=\"2\">t</td>"},
    {"the first of the same name counts",
     "<img src=\"javascript:x\" src=\"http://a.example/1.jpg\"><img src=\"http://a.example/2.jpg\" "
     "src=\"x\">",
     "<img src=\"http://a.example/2.jpg\">"},
    // Broken quoting.
    {"stray quote before a handler", "<img src=\"http://a.example/x.jpg\" alt=\"x\" \"onerror=\"alert(1)\">",
     "<img src=\"http://a.example/x.jpg\" alt=\"x\">"},
    {"unquoted values", "<img src=http://a.example/x.jpg alt=x onerror=alert(1)>",
     "<img src=\"http://a.example/x.jpg\" alt=\"x\">"},
    {"attributes without blanks", "<a href=\"http://a.example/\"title=\"t\"onclick=\"x\">q</a>",
     "<a href=\"http://a.example/\" title=\"t\" target=\"_blank\">q</a>"},
    {"quotes and markup inside values",
     "<img alt='a\"b' src=\"http://a.example/x.jpg\" title=\"<script>alert(1)</script>\" align=`left`>",
     "<img alt=\"a&quot;b\" src=\"http://a.example/x.jpg\" title=\"&lt;script&gt;alert(1)&lt;/script&gt;\">"},
    {"value never closed", "a<img src=\"http://a.example/x.jpg onerror=alert(1)>b</p>", "a"},
    {"tag never closed", "a<b title=x", "a"},
    // Lead bytes without their trail byte never reach a quote or a "<".
    {"lead byte before a closing quote",
     "<img src=\"http://a.example/x.jpg\" alt=\"\xD6\" onerror=\"alert(1)\">",
     "<img src=\"http://a.example/x.jpg\" alt=\"\">"},
    {"lead byte after a blank at the end of an address", "<img src=\"http://a.example/x.jpg \xB7\">",
     "<img src=\"http://a.example/x.jpg\">"},
    {"lead byte in an address and in text", "<a href=\"http://a.example/\xD6\">x\xD6</a>\xD6",
     "<a href=\"http://a.example/\" target=\"_blank\">x</a>"},
    {"lead byte before a quote in an unquoted value", "<img src=http://a.example/x.jpg alt=\xD6\"x\">",
     "<img src=\"http://a.example/x.jpg\" alt=\"&quot;x&quot;\">"},
    {"lead byte before a script", "\xD6<script>alert(1)</script>" ZHONGWEN, ZHONGWEN},
    // Comments and declarations.
    {"comment", "a<!-- <script>alert(1)</script> -->b<!-->c<!--->d", "abcd"},
    {"conditional comment", "a<!--[if IE]><script>alert(1)</script><![endif]-->b<![if !IE]>c<![endif]>",
     "abc"},
    {"comment never closed", "a<!-- b <b>c</b>", "a"},
    {"declarations", "<!DOCTYPE html><?xml version=\"1.0\"?>x<![CDATA[<script>y</script>]]>z</ x></>", "xz"},
    // Stray markup characters.
    {"stray characters", "a < b > c & d &amp e &bogus; &#0; &#x110000; &Lt; 1<2 <3",
     "a &lt; b &gt; c &amp; d &amp;amp e &amp;bogus; &amp;#0; &amp;#x110000; &amp;Lt; 1&lt;2 &lt;3"},
    {"a run of <", "<<<<b>x", "&lt;&lt;&lt;<b>x</b>"},
    {"back quote in a value", "<img src=\"http://a.example/x.jpg\" alt=\"`x\">",
     "<img src=\"http://a.example/x.jpg\" alt=\"&#96;x\">"},
    // Nesting.
    {"misnested", "<b><i>x</b>y</i>", "<b><i>x</i></b>y"},
    {"end tags without start tags", "</div>a</p></br></img>", "a"},
    {"never closed", "<p>a<b>b<i>c", "<p>a<b>b<i>c</i></b></p>"},
    {"a link in a link", "<a href=\"http://a.example/\">a<a href=\"http://b.example/\">b</a>c</a>",
     "<a href=\"http://a.example/\" target=\"_blank\">a</a><a href=\"http://b.example/\" "
     "target=\"_blank\">b</a>c"},
    {"link without an address in a link", "<a href=\"http://a.example/\">a<a href=\"x\">b</a>c</a>",
     "<a href=\"http://a.example/\" target=\"_blank\">ab</a>c"},
    // NULs.
    {"NULs", "<scr\0ipt>alert(1)</script>a\0b<img src=\"java\0script:x\">"s, "ab"},
};

// Every tag of `html` closed in order, no markup but tags; empty when so.
std::string WellFormedFault(const std::string& html) {
    std::vector<std::string> open;
    for (size_t lt = html.find('<'); lt != std::string::npos; lt = html.find('<', lt + 1)) {
        const size_t gt = html.find('>', lt);
        if (gt == std::string::npos) return "tag not ended";
        const bool end = html[lt + 1] == '/';
        const std::string tag = html.substr(lt + (end ? 2 : 1), gt - lt - (end ? 2 : 1));
        const std::string name = tag.substr(0, tag.find(' '));
        if (name.empty() || !std::isalpha(static_cast<unsigned char>(name[0]))) return "markup <" + tag + ">";
        if (end) {
            if (open.empty() || open.back() != name) return "</" + name + "> out of order";
            open.pop_back();
        } else if (name != "br" && name != "hr" && name != "img") {
            open.push_back(name);
        }
    }
    return open.empty() ? std::string() : "<" + open.back() + "> left open";
}

TEST(SanitiseHtml, KeepsTheServicesFormattingExactly) {
    for (const Case& c : kOrdinary)
        EXPECT_EQ(SanitiseHtml(c.html), c.safe) << c.what;
}

TEST(SanitiseHtml, DropsWhatCouldRunFetchOrEscapeTheMarkup) {
    for (const Case& c : kHostile)
        EXPECT_EQ(SanitiseHtml(c.html), c.safe) << c.what;
}

TEST(SanitiseHtml, SanitisingTheResultChangesNothing) {
    auto expectStable = [](const Case& c) {
        const std::string once = SanitiseHtml(c.html);
        EXPECT_EQ(SanitiseHtml(once), once) << c.what;
    };
    for (const Case& c : kOrdinary)
        expectStable(c);
    for (const Case& c : kHostile)
        expectStable(c);
}

// Any two rows one after the other: the result is still well-formed and stable, so no
// row leaves state (an open tag, quote, comment or lead byte) that spoils the next.
TEST(SanitiseHtml, JoinedRowsStayWellFormedAndStable) {
    std::vector<std::string> rows;
    for (const Case& c : kOrdinary)
        rows.push_back(c.html);
    for (const Case& c : kHostile)
        rows.push_back(c.html);
    for (const std::string& first : rows) {
        for (const std::string& second : rows) {
            const std::string once = SanitiseHtml(first + second);
            ASSERT_EQ(WellFormedFault(once), "") << first << second << "\n" << once;
            ASSERT_EQ(SanitiseHtml(once), once) << first << second;
        }
    }
}

// A megabyte of what makes naive scanners quadratic: it must finish at once (the test
// run's timeout catches a quadratic scan) with depth and output bounded.
TEST(SanitiseHtml, PathologicalInputStaysLinear) {
    const size_t kSize = 1 << 20;
    auto times = [](const std::string& piece, size_t count) {
        std::string text;
        for (size_t i = 0; i < count; ++i)
            text += piece;
        return text;
    };
    auto repeat = [&](const std::string& piece) {
        return times(piece, (kSize + piece.size() - 1) / piece.size());
    };

    EXPECT_EQ(SanitiseHtml(std::string(kSize, '<')), times("&lt;", kSize));
    EXPECT_EQ(SanitiseHtml(repeat("<div>")), times("<div>", 100) + times("</div>", 100));
    EXPECT_EQ(SanitiseHtml(repeat("<b>") + repeat("</i>")).size(), 100 * 7u);
    EXPECT_EQ(SanitiseHtml("<b" + repeat(" a title=x") + ">"), "<b title=\"x\"></b>");
    EXPECT_EQ(SanitiseHtml("<script>" + repeat("</scrip")), "");
    EXPECT_EQ(SanitiseHtml("<!--" + repeat("-")), "");
    EXPECT_EQ(SanitiseHtml(repeat("<a<a")), "");
    EXPECT_EQ(SanitiseHtml("<p style=\"" + repeat("/*") + "\">"), "<p></p>");
    EXPECT_EQ(SanitiseHtml(repeat("&#")).size(), kSize / 2 * 6);
}

} // namespace
