"""HTML pages the service answers with when something goes wrong, shaped like
the web server's own: a script error, page not found, server error. They are
in code page 936, as the server's Chinese error pages were."""

from html import escape

CHARSET = "gb2312"


def _page(title: str, body: str) -> bytes:
    return (
        '<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01//EN">\r\n'
        '<html><head><meta http-equiv="Content-Type" content="text/html; charset=%s">\r\n'
        "<title>%s</title></head>\r\n<body>\r\n%s\r\n</body></html>\r\n" % (CHARSET, title, body)
    ).encode("gbk", errors="replace")


def script_error_page(path: str) -> bytes:
    return _page("500 - 内部服务器错误", (
        '<font face="Arial" size=2><p>Microsoft VBScript 运行时错误</font> '
        "<font face=\"Arial\" size=2>错误 '800a000d'</font>\r\n"
        "<p><font face=\"Arial\" size=2>类型不匹配: 'CLng'</font>\r\n"
        '<p><font face="Arial" size=2>%s</font><font face="Arial" size=2>, 行 42</font>' % escape(path)))


def not_found_page(path: str) -> bytes:
    return _page("无法找到该页", (
        "<h1>无法找到该页</h1>\r\n<p>您正在搜索的页面可能已经删除、更名或暂时不可用。</p>\r\n"
        "<p>HTTP 错误 404 - 文件或目录未找到。<br>%s</p>" % escape(path)))


def server_error_page(path: str) -> bytes:
    return _page("无法显示网页", (
        "<h1>无法显示网页</h1>\r\n<p>服务器在处理请求时遇到了问题。</p>\r\n"
        "<p>HTTP 500 - 内部服务器错误<br>%s</p>" % escape(path)))


def bad_request_page(path: str, parameter: str) -> bytes:
    return _page("错误的请求", (
        "<h1>错误的请求</h1>\r\n<p>请求中含有无法识别的参数：%s</p>\r\n"
        "<p>HTTP 错误 400 - 请求无效。<br>%s</p>" % (escape(parameter), escape(path))))
