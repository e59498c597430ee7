"""The hand-written family of the "tester" account.

Small and fixed so that tests can name exact ids and values; every oddity the
client has to cope with appears here at least once (see README.md).
"""

from datetime import date

from records import PHOTO_BASE, Comment, Diary, Family, Post, Stamp

TESTER_USER = "tester"
TESTER_PASSWORD = "test123"
TESTER_CHILD = "小宝"
TESTER_BIRTH = date(2006, 10, 1)
TESTER_SLUG = "tester"
# The fourth photo of diary 110 as its HTML holds it: the "&" of the query written as a
# character reference. A client fetches it as "110_4.jpg?size=l&v=2"; sent undecoded,
# the photo service answers 400.
TESTER_110_4_IN_HTML = "110_4.jpg?size=l&amp;v=2"


_t = Stamp.parse


def _photo(name: str) -> str:
    return "%s/%s/%s" % (PHOTO_BASE, TESTER_SLUG, name)


def _diary(blog_id, created, updated, codes, title, content, read_count,
           memory=False, editor=False) -> Diary:
    blog_class, character, mood, weather = codes
    return Diary(blog_id=blog_id, blog_class=blog_class, character=character, mood=mood, weather=weather,
                 title=title, content=content, create_time=_t(created), update_time=_t(updated),
                 read_count=read_count, is_memory=memory, is_editor_choice=editor)


def _diaries() -> list[Diary]:
    return [
        _diary(101, "2007-01-05 20:10:00", "2007-01-05 20:10:00", (1, 2, 1, 1), "新年第一篇日记",
               '<p>新的一年开始了，小宝三个月了。</p><p style="text-align: center;"><img src="%s" alt="小宝" '
               'border="0" /></p><p>愿小宝平平安安。</p>' % _photo("101_1.jpg"), 120),
        _diary(102, "2007-02-17 21:00:00.370", "2008-03-05 09:07:02.370", (3, 2, 3, 5), "小宝的第一个春节",
               '<p>除夕夜，外面下着雪。</p><p><img src="%s" alt="红棉袄" /></p><p><img src="%s" alt="第一步" /></p>'
               '<p><img src="%s" alt="烟花" /></p>' % (_photo("102_1.jpg"), _photo("first steps.jpg"),
                                                        _photo("102_3.jpg")), 356, memory=True),
        _diary(103, "2007-03-08 19:45:10", "2007-03-08 19:45:10", (65537, 4, 0, 7),
               '爸爸说："宝宝 & 妈妈 <最棒>"',
               "<p>今天是妇女节，爸爸送了妈妈一束花&nbsp;&nbsp;还说&lt;宝宝&gt;也要送。</p>"
               "<p>妈妈说：'谢谢'。</p>", 42),
        _diary(104, "2007-05-20 22:30:45", "2007-05-20 22:30:45", (9, 0, 8, 0), "三张奇怪的照片",
               '<p>第一张：<img src="" alt="空地址" /></p><p>第二张：<img src="file:///x.jpg" alt="本地" /></p>'
               '<p>第三张：<IMG SRC="%s" ALT="大写"></p>' % _photo("IMG_0042.JPG?x=1"), 15),
        _diary(105, "2007-08-01 10:00:00", "2007-08-01 10:00:00", (12, 1, 2, 2), "找不到的照片",
               '<p><img src="%s" /></p><p><img src="%s" /></p><p>这两张照片服务器上出了问题。</p>'
               % (_photo("missing-105.jpg"), _photo("broken-105.jpg")), 77, editor=True),
        _diary(106, "2007-10-10 21:21:21", "2007-10-10 21:21:21", (6, 3, 2, 1), "我会走路啦（宝宝口吻）",
               '<p><a href="%s"><img src="%s" alt="点开看大图" /></a></p><p>我是小宝，我一岁了！</p>'
               % (_photo("106_1.jpg"), _photo("106_1.jpg")), 208, memory=True),
        _diary(107, "2007-12-24 23:59:59", "2007-12-25 08:00:00", (7, 2, 4, 3), "妈妈的繁体字练习：誠、運、錦",
               "<p>圣诞夜，妈妈在练习写繁体字：誠心、好運、錦繡。</p>\r\n<p>小宝在旁边睡得正香。</p>\r\n"
               "<p>路径里的反斜杠：C:\\Nook\\小宝</p>", 33),
        _diary(108, "2008-01-15 08:05:00", "2008-01-15 08:05:00", (1, 1, 7, 5), "生病了",
               "<p>小宝发烧了，一晚上没睡。</p>", 0),
        _diary(110, "2008-02-07 00:00:01", "2008-02-07 00:00:01", (8, 2, 1, 1), "春节彩信",
               "".join('<p><img src="%s" /></p>' % _photo(name) for name in (
                   "110_1.jpg", "110_2.jpg", "110_3.jpg", TESTER_110_4_IN_HTML)), 99),
        _diary(111, "2008-03-05 09:07:02.370", "2008-06-01 12:00:00", (5, 2, 5, 2), "一岁半体检",
               "<p>身高82.5厘米，体重11.2公斤。</p>", 18),
        _diary(113, "2008-06-01 15:30:00", "2008-06-01 15:30:00", (2, 1, 2, 6), "Happy Children's Day",
               "<p>It's 小宝's first 儿童节 party!</p>", 61),
        _diary(120, "2008-09-01 07:50:00.003", "2008-09-01 07:50:00.003", (6, 2, 3, 1), "第一天上幼儿园",
               '<p><img src="%s" /></p><p><img src="%s" /></p><p>小宝背着新书包去幼儿园了。</p>'
               % (_photo("120_1.jpg"), _photo("120_2.jpg")), 450, editor=True),
    ]


def _comment(comment_id, blog_id, who, content, time, reply="", reply_time=None) -> Comment:
    guest_name, user_name, avatar = who
    photo = "%s/avatars/%s" % (PHOTO_BASE, avatar) if avatar else ""
    return Comment(comment_id, blog_id, guest_name, user_name, photo, content, _t(time), reply,
                   _t(reply_time) if reply_time else None)


NAINAI = ("奶奶", "nainai1952", "nainai.jpg")
VISITOR = ("游客", "", "")


def _comments() -> list[Comment]:
    return [
        _comment(201, 101, NAINAI, "小宝真可爱！", "2007-01-05 21:00:00", "谢谢奶奶！", "2007-01-05 21:30:00"),
        _comment(202, 101, VISITOR, "路过，祝宝宝健康成长。", "2007-01-06 09:12:13"),
        _comment(203, 102, ("小姨", "xiaoyi_1984", "xiaoyi.jpg"), "红棉袄真好看", "2007-02-18 10:00:00.127",
                 "是奶奶做的", "2007-02-18 11:11:11.997"),
        _comment(204, 103, ("乐乐妈", "lelemama", "lelemama.jpg"), "宝宝 & 妈妈 <3 \"好\"",
                 "2007-03-09 08:00:00", "<b>谢谢</b>乐乐妈", "2007-03-09 09:00:00"),
        _comment(206, 105, ("香港姑媽", "hk_aunt", "hk_aunt.jpg"), "誠心祝福，好運連連！",
                 "2007-08-02 12:00:00"),
        _comment(207, 106, ("舅舅", "jiujiu_chen", "jiujiu.jpg"), "小宝走得真稳 😊", "2007-10-11 07:30:00",
                 "哈哈，谢谢舅舅", "2007-10-11 12:00:00"),
        _comment(209, 110, ("豆豆爸", "doudoubaba", "doudoubaba.jpg"), "新年快乐！", "2008-02-07 10:00:00",
                 "同乐！\r\n祝豆豆新年快乐。", "2008-02-07 11:00:00"),
        _comment(210, 102, ("外婆", "waipo_zhang", "waipo.jpg"), "今天又翻出来看了一遍", "2008-04-01 20:00:00",
                 "外婆想小宝了吧", "2008-04-01 21:00:00"),
        _comment(212, 120, NAINAI, "小宝长大了", "2008-09-01 20:00:00"),
        _comment(215, 120, ("姑姑", "gugu77", "gugu.jpg"), "书包真漂亮", "2008-09-02 08:00:00.500",
                 "姑姑买的呀", "2008-09-02 09:00:00"),
    ]


def _posts() -> list[Post]:
    return [
        Post(301, 2, "小宝今天喝了150毫升奶。", _t("2007-01-06 08:00:00")),
        Post(302, 1, "半夜醒了两次。", _t("2007-01-20 03:10:00.250")),
        Post(303, 2, "第一次翻身！", _t("2007-02-02 16:00:00")),
        Post(305, 0, "代码 0 的发帖人", _t("2007-04-01 12:00:00")),
        Post(306, 4, "代码 4 的发帖人", _t("2007-06-15 12:00:00")),
        Post(307, 3, "我是小宝 <我会打字了> & 妈妈帮我", _t("2007-09-09 09:09:09")),
        Post(308, 2, "Plain ASCII post", _t("2007-12-31 23:59:59")),
        Post(310, 2, "新年快乐", _t("2008-01-01 00:00:00")),
        Post(311, 1, "下雪了", _t("2008-01-28 18:00:00")),
        Post(312, 2, "小宝会说“谢谢”了", _t("2008-03-03 10:00:00.999")),
        Post(314, 2, "体重11公斤", _t("2008-05-05 10:00:00")),
        Post(315, 1, "幼儿园报名成功", _t("2008-07-01 10:00:00")),
        Post(318, 2, "第一天上幼儿园没哭", _t("2008-09-01 18:00:00")),
        Post(319, 2, "第二天哭了", _t("2008-09-02 18:00:00")),
    ]


def tester_family() -> Family:
    family = Family(TESTER_USER, TESTER_PASSWORD, _diaries(), _comments(), _posts())
    family.count_comments()
    return family
