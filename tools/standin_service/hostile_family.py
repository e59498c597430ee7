"""The hand-written family of the "hostile" account.

Its diaries, comments, owner's replies and posts are HTML written by attackers:
scripts, event handlers, script addresses, frames, plug-ins, style sheets,
forms, page-level tags, conditional comments and broken markup, each mixed
with ordinary formatting and real photos that a backup has to keep. The
payloads call alert() or point at evil.example (the handlers on real photos
call x()), so a page that holds either text still holds something active.

A lone code page 936 lead byte cannot travel in the UTF-8 answer, so the
attribute values that end right before their quote end in 誠 or 錦 (second
byte 0x5C, a backslash) or 宝 (second byte 0xA6, itself a lead byte) instead.
"""

from datetime import date

from records import PHOTO_BASE, Comment, Diary, Family, Post, Stamp

HOSTILE_USER = "hostile"
HOSTILE_PASSWORD = "hostile1"
HOSTILE_CHILD = "小石头"
HOSTILE_BIRTH = date(2008, 2, 29)
HOSTILE_SLUG = "hostile"


def _photo(name: str) -> str:
    return "%s/%s/%s" % (PHOTO_BASE, HOSTILE_SLUG, name)


def _diary(blog_id, created, codes, title, content) -> Diary:
    blog_class, character, mood, weather = codes
    return Diary(blog_id=blog_id, blog_class=blog_class, character=character, mood=mood, weather=weather,
                 title=title, content=content, create_time=Stamp.parse(created),
                 update_time=Stamp.parse(created), read_count=blog_id % 97)


def _diaries() -> list[Diary]:
    return [
        _diary(401, "2009-03-02 20:00:00", (1, 2, 1, 1), "去公园<script>x()</script>",
               '<p>今天带<b>小石头</b>去公园。</p><script>alert(1)</script>'
               '<p style="text-align: center;"><img src="%s" onload="x()" alt="公园" /></p>'
               '<SCRIPT src=//evil.example/x.js></SCRIPT>'
               '<p>他说：<span style="color:#c06">我要荡秋千！</span><br />&nbsp;&nbsp;我们一直玩到天黑。</p>'
               '<!--[if IE]><script>alert(1)</script><![endif]-->'
               '<ul><li>秋千</li><li>滑梯</li></ul>'
               '<table border="1"><tr><td>身高</td><td>95厘米</td></tr></table>'
               '<p>回家路上睡着了。</p><script>alert("没有关上")' % _photo("200903/401_1.jpg")),
        _diary(402, "2009-03-18 21:30:00", (3, 2, 3, 5), "几个链接",
               '<p><b>妈妈收藏的链接</b>：</p><ul>'
               '<li><a href="javascript:alert(1)">链接一</a></li>'
               '<li><a href=" JaVaScRiPt:alert(1)">链接二</a></li>'
               '<li><a href="java&#115;cript:alert(1)">链接三</a></li>'
               '<li><a href="//evil.example/x">链接四</a></li>'
               r'<li><a href="\\evil.example\share\x">链接五</a></li>'
               '<li><a href="file:///C:/Windows/win.ini">链接六</a></li>'
               '<li><a href="http://example.com/ok">好链接</a></li></ul>'
               '<p><img src=x onerror=alert(1)>坏图片后面的字<br />&nbsp;<span style="color:#c06">完</span></p>'),
        _diary(403, "2009-04-05 19:00:00", (6, 3, 2, 1), "视频和插件",
               '<p>视频：<iframe src="http://evil.example"></iframe></p>'
               '<object data="x.swf"></object><embed src="x.swf">'
               '<style>body{background:url(javascript:alert(1))}</style>'
               '<p style="width:expression(alert(1))">宽度是<b>表达式</b>。</p>'
               '<p><span style="color:#c06">红字</span><br />&nbsp;&nbsp;第二行</p>'
               '<table><tr><td>一</td><td>二</td></tr></table><ul><li>列表</li></ul>'),
        _diary(404, "2009-05-12 08:30:00", (2, 1, 2, 6), "整页的标签",
               '<meta http-equiv="refresh" content="0;url=http://evil.example">'
               '<base href="http://evil.example/">'
               '<p><b>表单</b>：</p><form action="http://evil.example"><input name=p></form>'
               '<svg onload=alert(1)><circle r="1" /></svg>'
               '<p title="誠">誠心的祝福</p>'
               '<p><img alt="錦" src="%s" onerror="alert(1)" /></p>'
               '<p><span title="宝宝" onmouseover="alert(1)">宝宝</span><br />&nbsp;<span style="color:#c06">好運</span></p>'
               '<ul><li>一</li><li>二</li></ul><table><tr><td>三</td></tr></table>' % _photo("200905/404_1.jpg")),
        # Broken markup only: whatever a sanitiser makes of it, nothing here may run.
        _diary(405, "2009-06-01 10:00:00", (5, 2, 5, 2), "没有关上的标签",
               '<p><b>没有关上的粗体<i>和斜体'
               '<div><span style="color:#c06">红色的字<br />&nbsp;还有'
               '<ul><li>第一<li>第二'
               '<table><tr><td>格子'
               '<p>最后<a href="http://example.com/ok" title="没有结束的引号>引号后面的字</a>'),
    ]


def _comment(comment_id, blog_id, who, content, time, reply="", reply_time=None) -> Comment:
    guest_name, user_name, avatar = who
    photo = "%s/avatars/%s" % (PHOTO_BASE, avatar) if avatar else ""
    return Comment(comment_id, blog_id, guest_name, user_name, photo, content, Stamp.parse(time), reply,
                   Stamp.parse(reply_time) if reply_time else None)


NAINAI = ("奶奶", "nainai1950", "nainai.jpg")
XIAOYI = ("小姨", "xiaoyi_1985", "xiaoyi.jpg")
JIUJIU = ("舅舅", "jiujiu_li", "jiujiu.jpg")
LELEMAMA = ("乐乐妈", "lelemama", "lelemama.jpg")
VISITOR = ("游客", "", "")


def _comments() -> list[Comment]:
    return [
        _comment(501, 401, NAINAI, "<b>真可爱</b>！<script>alert(1)</script>", "2009-03-02 21:00:00",
                 "<i>谢谢奶奶</i><img src=x onerror=alert(1)>", "2009-03-02 21:30:00"),
        _comment(502, 403, XIAOYI, '<p>看我家的：<img src="%s" onload="x()" alt="我家" /></p><p><b>也很可爱</b></p>'
                 % _photo("200904/comment_502.jpg"), "2009-04-05 20:00:00",
                 '<a href="javascript:alert(1)">点这里</a>看', "2009-04-05 20:30:00"),
        _comment(503, 405, JIUJIU, '<a href="//evil.example/x">看看</a><iframe src="http://evil.example"></iframe>',
                 "2009-06-01 12:00:00",
                 '<p>这是<b>回复</b>里的照片：<br /><img src="%s" onload="x()" /></p><embed src="x.swf">'
                 % _photo("200906/reply_503.jpg"), "2009-06-01 12:30:00"),
        _comment(504, 402, VISITOR, '<style>*{color:red}</style><span style="color:#c06">红字</span>',
                 "2009-03-19 09:00:00"),
        _comment(505, 404, LELEMAMA, '<svg onload=alert(1)></svg>'
                 '<meta http-equiv="refresh" content="0;url=http://evil.example">好', "2009-05-12 09:00:00",
                 '<form action="http://evil.example"><input name=p></form><ul><li>谢谢</li></ul>',
                 "2009-05-12 10:00:00"),
        _comment(506, 401, XIAOYI, '<a href=" JaVaScRiPt:alert(1)">链接</a>&nbsp;<a href="http://example.com/ok">好链接</a>',
                 "2009-03-03 08:00:00", "<!--[if IE]><script>alert(1)</script><![endif]--><b>收到</b>",
                 "2009-03-03 09:00:00"),
        _comment(507, 402, NAINAI, '<object data="x.swf"></object><p style="width:expression(alert(1))">宽</p>',
                 "2009-03-19 20:00:00", '<base href="http://evil.example/">好的', "2009-03-19 21:00:00"),
        _comment(508, 403, LELEMAMA, '<span title="誠">誠心</span>祝福<script>alert(1)', "2009-04-06 08:00:00"),
    ]


def _posts() -> list[Post]:
    return [
        Post(601, 2, "<b>晴天</b><script>alert(1)</script>&nbsp;去公园", Stamp.parse("2009-03-03 08:00:00")),
        Post(602, 1, '<a href="java&#115;cript:alert(1)">链接</a><img src=x onerror=alert(1)><br />下雨了',
             Stamp.parse("2009-03-20 18:00:00")),
        Post(603, 2, '今天的照片<br /><img src="%s" onload="x()" /><span style="color:#c06">好看</span>'
             % _photo("200904/post_603.jpg"), Stamp.parse("2009-04-01 18:00:00")),
        Post(604, 3, '<iframe src="http://evil.example"></iframe><p style="width:expression(alert(1))"><b>宽</b></p>'
             '<embed src="x.swf">', Stamp.parse("2009-04-10 18:00:00")),
        Post(605, 2, '<svg onload=alert(1)></svg><ul><li>一<li>二</ul><b>没有关上<a title="没有结束的引号>后面',
             Stamp.parse("2009-04-20 18:00:00")),
    ]


def hostile_family() -> Family:
    family = Family(HOSTILE_USER, HOSTILE_PASSWORD, _diaries(), _comments(), _posts())
    family.count_comments()
    return family
