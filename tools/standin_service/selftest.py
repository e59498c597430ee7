"""Self-test of the stand-in backup service: starts server.py on a free port
and checks the answers the client relies on, the session cookie, the fault
modes and the photos. Exit code 0 when every check passes.

    /usr/bin/python3 tools/standin_service/selftest.py
"""

import hashlib
import http.client
import io
import json
import os
import socket
import subprocess
import sys
import tempfile
import threading
import time
import unittest
import xml.etree.ElementTree as ElementTree
from dataclasses import dataclass
from datetime import datetime, timedelta
from urllib.parse import quote_from_bytes

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import jpeg_encoder  # noqa: E402
import photos  # noqa: E402
import sample_family  # noqa: E402
from handler import EXPECTED_USER_AGENT  # noqa: E402

try:
    from PIL import Image
except ImportError:
    Image = None

PYTHON = "/usr/bin/python3" if os.path.exists("/usr/bin/python3") else sys.executable
START_TIMEOUT = 15
IO_TIMEOUT = 10
SUMMARY_PATH = b"/app/backup/getblogsummary.asp"
LIST_PATH = b"/app/backup/getbloglist.asp"
CHINESE_USER = "豆豆妈妈"
ZERO_MARKS = (0, 0, 0, "2001-01-01 00:00:00")
PHOTO_DELAY = 0.4  # seconds, for the server started with --photo-delay


@dataclass
class Response:
    status: int
    headers: list[tuple[str, str]]
    body: bytes
    complete: bool  # the body had the length the headers announced and the connection ended cleanly

    def header(self, name: str) -> str | None:
        return next((v for k, v in self.headers if k.lower() == name.lower()), None)

    def all(self, name: str) -> list[str]:
        return [v for k, v in self.headers if k.lower() == name.lower()]


class Service:
    """The server under test, run as a subprocess as the tests and the demo run it."""

    def __init__(self, *options: str) -> None:
        self.folder = tempfile.TemporaryDirectory(prefix="standin-selftest-")
        port_file = os.path.join(self.folder.name, "port")
        self.process = subprocess.Popen(
            [PYTHON, os.path.join(HERE, "server.py"), "--port", "0", "--port-file", port_file, "--quiet", *options],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        deadline = time.monotonic() + START_TIMEOUT
        while not os.path.exists(port_file):
            if time.monotonic() > deadline or self.process.poll() is not None:
                self.stop()
                raise RuntimeError("the service did not start")
            time.sleep(0.05)
        with open(port_file, encoding="ascii") as f:
            self.port = int(f.read())
        self.ready_line = self.process.stdout.readline()

    def stop(self) -> None:
        self.process.terminate()
        try:
            self.process.wait(timeout=IO_TIMEOUT)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        self.process.stdout.close()
        self.folder.cleanup()

    def fetch(self, target: bytes, headers: tuple[str, ...] = ()) -> Response:
        """One GET over a fresh connection; tolerant of every broken answer the fault modes give."""
        lines = [b"GET " + target + b" HTTP/1.1", b"Host: 127.0.0.1:%d" % self.port,
                 b"User-Agent: " + EXPECTED_USER_AGENT.encode("ascii"), b"Connection: close"]
        lines += [h.encode("latin-1") for h in headers]
        data = bytearray()
        clean = True
        with socket.create_connection(("127.0.0.1", self.port), timeout=IO_TIMEOUT) as conn:
            conn.sendall(b"\r\n".join(lines) + b"\r\n\r\n")
            deadline = time.monotonic() + 3 * IO_TIMEOUT
            while time.monotonic() < deadline:
                try:
                    piece = conn.recv(65536)
                except ConnectionResetError:
                    clean = False
                    break
                if not piece:
                    break
                data += piece
        head, _, body = bytes(data).partition(b"\r\n\r\n")
        head_lines = head.decode("latin-1").split("\r\n")
        status_line = head_lines[0].split()
        status = int(status_line[1]) if len(status_line) > 1 else 0  # 0: nothing arrived
        headers_found = [tuple(part.strip() for part in line.split(":", 1)) for line in head_lines[1:]]
        response = Response(status, headers_found, body, clean)
        if (response.header("Transfer-Encoding") or "").lower() == "chunked":
            response.body, response.complete = _unchunk(body)
        elif response.header("Content-Length") is not None:
            response.complete = clean and len(body) == int(response.header("Content-Length"))
        return response

    def admin(self, path: str) -> dict:
        response = self.fetch(("/admin/" + path).encode("utf-8"))
        return json.loads(response.body.decode("utf-8"))

    def fetch_at_once(self, targets: list[bytes]) -> dict[bytes, tuple[Response, float]]:
        """Each target over its own connection, all at the same time; with the seconds each took."""
        answers: dict[bytes, tuple[Response, float]] = {}

        def fetch(target: bytes) -> None:
            started = time.monotonic()
            answer = self.fetch(target)
            answers[target] = (answer, time.monotonic() - started)

        threads = [threading.Thread(target=fetch, args=(target,)) for target in targets]
        for thread in threads:
            thread.start()
        for thread in threads:
            thread.join()
        return answers


def _unchunk(body: bytes) -> tuple[bytes, bool]:
    out = bytearray()
    while True:
        size_line, sep, rest = body.partition(b"\r\n")
        if not sep:
            return bytes(out), False
        size = int(size_line, 16)
        if size == 0:
            return bytes(out), True
        out += rest[:size]
        body = rest[size + 2:]


def digest(user: str, password: str) -> str:
    return hashlib.md5(user.encode("gbk") + password.encode("gbk")).hexdigest()


def service_target(path: bytes, user: str, password: str, marks=ZERO_MARKS, user_bytes: bytes | None = None,
                   time_text: bytes | None = None, password_digest: str | None = None) -> bytes:
    """The request target as the client builds it: name in code page 936, percent-encoded."""
    blog, comment, twitter, last_time = marks
    name = user_bytes if user_bytes is not None else quote_from_bytes(user.encode("gbk")).encode("ascii")
    when = time_text if time_text is not None else last_time.replace(" ", "%20").encode("ascii")
    return (path + b"?username=" + name + b"&password=" + (password_digest or digest(user, password)).encode()
            + b"&lastblogid=%d&lastcommentid=%d&lasttwitterid=%d&lastbackuptime=" % (blog, comment, twitter)
            + when)


def document(response: Response) -> ElementTree.Element:
    return ElementTree.fromstring(response.body)


def counts(root: ElementTree.Element) -> tuple[int, int, int, int]:
    summary = root.find("Summary")
    return tuple(int(summary.get(name)) for name in
                 ("NewBlogCount", "UpdatedBlogCount", "NewCommentCount", "NewTwitterCount"))


def listed(root: ElementTree.Element) -> tuple[list, list, list]:
    return root.findall("BlogList/Blog"), root.findall("CommentList/Comment"), root.findall("TwitterList/Twitter")


class StandinServiceTest(unittest.TestCase):
    service: Service
    delayed: Service  # another run, whose photo answers wait PHOTO_DELAY

    @classmethod
    def setUpClass(cls) -> None:
        cls.service = Service()
        cls.delayed = Service("--photo-delay", "%d" % (PHOTO_DELAY * 1000))

    @classmethod
    def tearDownClass(cls) -> None:
        cls.service.stop()
        cls.delayed.stop()

    def setUp(self) -> None:
        self.service.admin("reset")

    def ask(self, path: bytes, user: str = "tester", password: str = "test123", marks=ZERO_MARKS,
            headers: tuple[str, ...] = (), **options) -> Response:
        return self.service.fetch(service_target(path, user, password, marks, **options), headers)

    def assertCountsMatchList(self, user: str, password: str, marks) -> tuple:
        summary = document(self.ask(SUMMARY_PATH, user, password, marks))
        answer = self.ask(LIST_PATH, user, password, marks)
        root = document(answer)
        self.assertEqual(root.get("Result"), "0")
        blogs, comments, posts = listed(root)
        new = [b for b in blogs if int(b.get("blog_id")) > marks[0]]
        self.assertEqual(counts(summary), counts(root))
        self.assertEqual(counts(root), (len(new), len(blogs) - len(new), len(comments), len(posts)))
        return counts(root), blogs, comments, posts

    def test_ready_line_names_the_port(self) -> None:
        self.assertIn("http://127.0.0.1:%d" % self.service.port, self.service.ready_line)

    def test_summary_counts_match_the_list_for_each_set_of_marks(self) -> None:
        cases = [
            ("tester", "test123", ZERO_MARKS, (12, 0, 10, 14)),
            ("tester", "test123", (110, 210, 315, "2008-01-01 00:00:00"), (3, 3, 2, 2)),
            ("tester", "test123", (120, 215, 319, "2008-06-01 12:00:00"), (0, 2, 0, 0)),
            ("tester", "test123", (120, 215, 319, "2008-09-01 07:50:00"), (0, 1, 0, 0)),
            ("tester", "test123", (120, 215, 319, "2009-01-01 00:00:00"), (0, 0, 0, 0)),
            ("hostile", "hostile1", ZERO_MARKS, (5, 0, 8, 5)),
            ("hostile", "hostile1", (403, 505, 603, "2009-04-05 19:00:00"), (2, 0, 3, 2)),
            ("xiaoyu", "nook2008", ZERO_MARKS, None),
            (CHINESE_USER, "doudou07", ZERO_MARKS, None),
        ]
        for user, password, marks, expected in cases:
            with self.subTest(user=user, marks=marks):
                found, blogs, comments, posts = self.assertCountsMatchList(user, password, marks)
                if expected is not None:
                    self.assertEqual(found, expected)
                if marks == ZERO_MARKS:
                    self.assertGreater(len(blogs) * len(comments) * len(posts), 0)

    def test_list_holds_only_items_past_the_marks(self) -> None:
        marks = (110, 210, 315, "2008-01-01 00:00:00")
        blogs, comments, posts = listed(document(self.ask(LIST_PATH, marks=marks)))
        for blog in blogs:
            if int(blog.get("blog_id")) <= marks[0]:
                self.assertGreater(blog.get("update_time")[:19], marks[3])
        self.assertEqual([b.get("blog_id") for b in blogs], ["102", "108", "110", "111", "113", "120"])
        self.assertEqual([c.get("comment_id") for c in comments], ["212", "215"])
        self.assertEqual([p.get("id") for p in posts], ["318", "319"])

    def test_list_answer_is_utf8_xml_with_crlf_lines_and_every_value_an_attribute(self) -> None:
        answer = self.ask(LIST_PATH)
        self.assertEqual(answer.body.count(b"\n"), answer.body.count(b"\r\n"))
        root = document(answer)
        self.assertEqual([child.tag for child in root], ["Summary", "BlogList", "CommentList", "TwitterList"])
        blogs, comments, posts = listed(root)
        required = {
            "Blog": ("blog_id", "blog_class", "character", "mood", "weather", "title", "content", "create_time",
                     "update_time", "comment_count", "read_count", "is_memory", "is_editor_choice"),
            "Comment": ("comment_id", "blog_id", "guest_name", "user_name", "photo_name", "comment_content",
                        "comment_datetime", "reply_content", "reply_datetime"),
            "Twitter": ("id", "character", "content", "create_time"),
        }
        for element in blogs + comments + posts:
            self.assertFalse((element.text or "").strip())
            for name in required[element.tag]:
                self.assertIsNotNone(element.get(name), "%s lacks %s" % (element.tag, name))
        by_id = {b.get("blog_id"): b for b in blogs}
        self.assertEqual(by_id["102"].get("title"), "小宝的第一个春节")
        self.assertEqual(by_id["102"].get("update_time"), "2008-03-05 09:07:02.370")
        self.assertEqual(by_id["103"].get("blog_class"), "65537")
        self.assertEqual(by_id["103"].get("title"), '爸爸说："宝宝 & 妈妈 <最棒>"')
        self.assertIn("\r\n", by_id["107"].get("content"))
        base = "http://127.0.0.1:%d/photos/" % self.service.port
        self.assertIn('src="%stester/first steps.jpg"' % base, by_id["102"].get("content"))
        self.assertIn('src=""', by_id["104"].get("content"))
        self.assertIn('src="file:///x.jpg"', by_id["104"].get("content"))
        self.assertEqual(sum(b.get("is_editor_choice") == "1" for b in blogs), 2)
        no_reply = [c for c in comments if c.get("reply_content") == ""]
        self.assertTrue(no_reply and all(c.get("reply_datetime") == "" for c in no_reply))

    def test_summary_answer_is_plain_ascii(self) -> None:
        for user, password in (("tester", "test123"), (CHINESE_USER, "doudou07"), ("tester", "wrong")):
            with self.subTest(user=user, password=password):
                body = self.ask(SUMMARY_PATH, user, password).body
                self.assertTrue(all(b < 0x80 for b in body))
                self.assertEqual(document(self.ask(SUMMARY_PATH, user, password)).tag, "Backup")

    def test_credentials_and_parameters(self) -> None:
        gbk_name = CHINESE_USER.encode("gbk")
        cases = [
            ("right password", {}, "0"),
            ("wrong password", {"password": "nook2009"}, "-1"),
            ("unknown user", {"user": "nobody"}, "-1"),
            ("digest in capitals", {"password_digest": digest("tester", "test123").upper()}, "-1"),
            ("name percent-encoded in code page 936", {"user": CHINESE_USER, "password": "doudou07"}, "0"),
            ("name as raw code page 936 bytes", {"user": CHINESE_USER, "password": "doudou07",
                                                 "user_bytes": gbk_name}, "0"),
            ("name sent as UTF-8", {"user": CHINESE_USER, "password": "doudou07",
                                    "user_bytes": quote_from_bytes(CHINESE_USER.encode()).encode()}, "-1"),
            ("time without its time of day", {"time_text": b"2001-01-01"}, "-3"),
            ("time not a date", {"time_text": b"yesterday"}, "-3"),
        ]
        for name, options, result in cases:
            with self.subTest(name):
                user = options.pop("user", "tester")
                password = options.pop("password", "test123")
                root = document(self.ask(SUMMARY_PATH, user, password, **options))
                self.assertEqual(root.get("Result"), result)
                self.assertEqual(root.find("Summary") is not None, result == "0")

    def test_blank_of_the_time_may_come_encoded_as_plus_or_raw(self) -> None:
        marks = (110, 210, 315, "2008-01-01 00:00:00")
        bodies = {self.ask(LIST_PATH, marks=marks, time_text=form).body
                  for form in (b"2008-01-01%2000:00:00", b"2008-01-01+00:00:00", b"2008-01-01 00:00:00")}
        self.assertEqual(len(bodies), 1)
        self.assertEqual(counts(ElementTree.fromstring(bodies.pop())), (3, 3, 2, 2))

    def test_session_cookie_is_set_once_and_recognised_when_sent_back(self) -> None:
        first = self.ask(SUMMARY_PATH)
        (cookie,) = first.all("Set-Cookie")
        self.assertTrue(cookie.startswith("ASPSESSIONID"))
        pair = cookie.split(";")[0]
        second = self.ask(LIST_PATH, headers=("Cookie: " + pair,))
        self.assertEqual(second.all("Set-Cookie"), [])
        stale = self.ask(LIST_PATH, headers=("Cookie: ASPSESSIONIDAAAAAAAA=NOTISSUEDBYTHISSERVERXX",))
        self.assertEqual(len(stale.all("Set-Cookie")), 1)
        log = self.service.admin("requests")["requests"]
        self.assertEqual([e["session_cookie"] for e in log], ["missing", "returned", "unknown"])
        self.assertEqual(log[1]["cookie"], pair)
        self.assertTrue(all(e["user_agent_expected"] for e in log))
        self.assertTrue(log[0]["raw_target"].startswith("/app/backup/getblogsummary.asp?username=tester&"))
        self.assertIn(["Cookie", pair], log[1]["headers"])

    def test_keep_alive_connection_serves_several_requests(self) -> None:
        connection = http.client.HTTPConnection("127.0.0.1", self.service.port, timeout=IO_TIMEOUT)
        try:
            for path in (SUMMARY_PATH, LIST_PATH, SUMMARY_PATH):
                connection.request("GET", service_target(path, "tester", "test123").decode("ascii"))
                answer = connection.getresponse()
                self.assertEqual(ElementTree.fromstring(answer.read()).get("Result"), "0")
        finally:
            connection.close()

    def test_other_cookie_comes_before_the_session_cookie(self) -> None:
        self.service.admin("fault?mode=other_cookie&user=tester")
        cookies = self.ask(SUMMARY_PATH).all("Set-Cookie")
        self.assertEqual(len(cookies), 2)
        self.assertNotIn("ASPSESSIONID", cookies[0])
        self.assertTrue(cookies[1].startswith("ASPSESSIONID"))

    def test_require_cookie_refuses_a_later_request_without_the_cookie(self) -> None:
        self.service.admin("fault?mode=require_cookie&user=tester")
        first = self.ask(SUMMARY_PATH)
        self.assertEqual(document(first).get("Result"), "0")
        pair = first.all("Set-Cookie")[0].split(";")[0]
        self.assertEqual(document(self.ask(LIST_PATH)).get("Result"), "-2")
        self.assertEqual(document(self.ask(LIST_PATH, headers=("Cookie: " + pair,))).get("Result"), "0")
        self.assertEqual(document(self.ask(SUMMARY_PATH, "xiaoyu", "nook2008")).get("Result"), "0")

    def test_content_fault_modes(self) -> None:
        for mode, status, check in (
            ("refuse&result=00", 200, lambda r: self.assertEqual(document(r).get("Result"), "00")),
            ("refuse&result=", 200, lambda r: self.assertEqual(document(r).get("Result"), "")),
            ("html", 500, lambda r: self.assertIn(b"<html>", r.body)),
            ("servererror", 500, lambda r: self.assertIn(b"<html>", r.body)),
            ("notfound", 404, lambda r: self.assertIn(b"<html>", r.body)),
            ("nosummary", 200, lambda r: self.assertEqual(
                [c.tag for c in document(r)], ["BlogList", "CommentList", "TwitterList"])),
        ):
            with self.subTest(mode):
                self.service.admin("fault?mode=none")
                self.service.admin("fault?user=tester&target=list&mode=" + mode)
                self.assertEqual(document(self.ask(SUMMARY_PATH)).get("Result"), "0")
                answer = self.ask(LIST_PATH)
                self.assertEqual(answer.status, status)
                check(answer)

    def test_transport_fault_modes(self) -> None:
        whole = self.ask(LIST_PATH).body
        for mode, expect_complete, expect_whole in (
            ("chunked", True, True), ("close", True, True), ("slow&delay=0.3", True, True),
            ("trickle&delay=0.3", True, True), ("truncated", True, False), ("drop", False, False),
            ("reset", False, False), ("empty", True, False),
        ):
            with self.subTest(mode):
                self.service.admin("fault?mode=none")
                self.service.admin("fault?user=tester&mode=" + mode)
                started = time.monotonic()
                answer = self.ask(LIST_PATH)
                self.assertEqual(answer.status, 200)
                self.assertEqual(answer.complete, expect_complete)
                self.assertEqual(answer.body == whole, expect_whole)
                if "delay" in mode:
                    self.assertGreaterEqual(time.monotonic() - started, 0.25)
                if mode in ("chunked", "close"):
                    self.assertIsNone(answer.header("Content-Length"))
                if mode == "truncated":
                    self.assertTrue(whole.startswith(answer.body))
                    self.assertRaises(ElementTree.ParseError, document, answer)
                if mode == "empty":
                    self.assertEqual((answer.body, answer.header("Content-Length")), (b"", "0"))

    def test_fault_rule_scope_and_count(self) -> None:
        self.service.admin("fault?mode=html&user=tester&times=1")
        self.assertEqual(self.ask(SUMMARY_PATH, "xiaoyu", "nook2008").status, 200)
        self.assertEqual(self.ask(SUMMARY_PATH).status, 500)
        self.assertEqual(self.ask(SUMMARY_PATH).status, 200)
        self.assertEqual(self.service.admin("faults")["rules"], [])
        log = self.service.admin("requests")["requests"]
        self.assertEqual([e["fault"] for e in log], [[], ["html"], []])

    def test_fault_user_names_imply_their_modes(self) -> None:
        self.assertEqual(self.ask(SUMMARY_PATH, "fault_html", "fault").status, 500)
        self.assertEqual(document(self.ask(SUMMARY_PATH, "fault_refuse", "fault")).get("Result"), "-1")
        chunked = self.ask(LIST_PATH, "fault_chunked", "fault")
        self.assertEqual(counts(document(chunked)), (12, 0, 10, 14))
        self.assertEqual(self.service.admin("fault?mode=bogus").get("error"), "unknown fault mode: bogus")

    def test_photos_are_jpegs_with_the_same_bytes_in_every_run_and_other_bytes_for_other_names(self) -> None:
        names = (b"/photos/tester/101_1.jpg", b"/photos/tester/first%20steps.jpg", b"/photos/tester/first steps.jpg",
                 b"/photos/tester/IMG_0042.JPG?x=1", b"/photos/tester/IMG_0042.JPG", b"/photos/tester/102_1.jpg",
                 b"/photos/tester/102_3.jpg", b"/photos/xiaoyu/200601/1200007_1.jpg")
        other_run = self.delayed.fetch_at_once(list(names))
        bodies = []
        for name in names:
            with self.subTest(name=name):
                answer = self.service.fetch(name)
                self.assertEqual((answer.status, answer.header("Content-Type")), (200, "image/jpeg"))
                self.assertEqual(answer.body[:2], b"\xff\xd8")
                self.assertEqual(answer.body[-2:], b"\xff\xd9")
                self.assertTrue(1000 < len(answer.body) < 20000)
                if Image is not None:
                    self.assertEqual(Image.open(io.BytesIO(answer.body)).convert("RGB").size, (200, 150))
                self.assertEqual(self.service.fetch(name).body, answer.body)
                self.assertEqual(other_run[name][0].body, answer.body)
                bodies.append(answer.body)
        self.assertEqual(bodies[1], bodies[2])
        self.assertEqual(bodies[3], bodies[4])  # the query does not count
        self.assertEqual(len(set(bodies)), len(bodies) - 2)

    def test_photo_delay_holds_each_photo_answer_in_its_own_thread(self) -> None:
        cases = [  # target, status, delayed
            (b"/photos/tester/101_1.jpg", 200, True), (b"/photos/tester/102_1.jpg", 200, True),
            (b"/photos/tester/missing-105.jpg", 404, True), (b"/photos/tester/broken-105.jpg", 500, True),
            (b"/photos/tester/110_4.jpg?size=l&amp;v=2", 400, True),
            (service_target(SUMMARY_PATH, "tester", "test123"), 200, False),
        ]
        started = time.monotonic()
        answers = self.delayed.fetch_at_once([target for target, _, _ in cases])
        self.assertLess(time.monotonic() - started, 2 * PHOTO_DELAY)  # one after another would take 5 delays
        for target, status, delayed in cases:
            with self.subTest(target=target):
                answer, seconds = answers[target]
                self.assertEqual(answer.status, status)
                self.assertEqual(seconds >= PHOTO_DELAY, delayed)

    def test_photo_error_pages(self) -> None:
        for target, status, fault in (
            (b"/photos/tester/missing-105.jpg", 404, None), (b"/photos/tester/broken-105.jpg", 500, None),
            (b"/photos/tester/101_1.gif", 404, None), (b"/photos/tester/101_1.jpg", 404, "notfound"),
            (b"/photos/tester/101_1.jpg", 500, "servererror"),
        ):
            with self.subTest(target=target, fault=fault):
                self.service.admin("fault?mode=none")
                if fault:
                    self.service.admin("fault?target=photos&mode=" + fault)
                answer = self.service.fetch(target)
                self.assertEqual(answer.status, status)
                self.assertEqual(answer.header("Content-Type"), "text/html")
                self.assertIn(b"</html>", answer.body)

    def test_second_run_after_publishing_gets_only_what_is_new(self) -> None:
        user = [a for a in self.service.admin("users")["accounts"] if a["user"] == "xiaoyu"][0]
        before = (datetime.now() - timedelta(seconds=1)).strftime("%Y-%m-%d %H:%M:%S")
        marks = (user["max_blog_id"], user["max_comment_id"], user["max_twitter_id"], before)
        self.assertEqual(self.assertCountsMatchList("xiaoyu", "nook2008", marks)[0], (0, 0, 0, 0))
        added = self.service.admin("publish?user=xiaoyu&count=2&updates=3")["added"]
        found, blogs, comments, posts = self.assertCountsMatchList("xiaoyu", "nook2008", marks)
        self.assertEqual(found, (2, 3, 2, 2))
        self.assertEqual(sorted(int(b.get("blog_id")) for b in blogs), sorted(added["diaries"] + added["updated"]))
        self.assertEqual([int(c.get("comment_id")) for c in comments], added["comments"])
        self.assertEqual([int(p.get("id")) for p in posts], added["posts"])
        self.assertEqual(self.service.admin("publish?user=nobody").get("error"), "no such user: nobody")

    def test_old_comments_come_without_their_diaries(self) -> None:
        marks = (120, 215, 319, (datetime.now() - timedelta(seconds=1)).strftime("%Y-%m-%d %H:%M:%S"))
        for query, expected in (("count=1&updates=2&old_comments=3", (1, 2, 4, 1)),
                                ("count=0&updates=10&old_comments=4", (0, 10, 4, 0))):
            with self.subTest(query):
                self.service.admin("reset")
                added = self.service.admin("publish?user=tester&" + query)["added"]
                self.assertEqual(set(added), {"diaries", "updated", "comments", "posts", "old_comments"})
                self.assertEqual(len(added["old_comments"]), expected[2] - len(added["comments"]))
                self.assertTrue(all(old > new for old in added["old_comments"] for new in added["comments"]))
                found, blogs, comments, posts = self.assertCountsMatchList("tester", "test123", marks)
                self.assertEqual(found, expected)
                listed_ids = {int(b.get("blog_id")) for b in blogs}
                self.assertEqual(listed_ids, set(added["diaries"] + added["updated"]))
                self.assertEqual([int(c.get("comment_id")) for c in comments],
                                 added["comments"] + added["old_comments"])
                old_targets = {int(c.get("blog_id")) for c in comments
                               if int(c.get("comment_id")) in added["old_comments"]}
                self.assertTrue(old_targets and old_targets <= {101, 102, 103, 104, 105, 106, 107, 108, 110,
                                                                111, 113, 120})
                self.assertFalse(old_targets & listed_ids)
        self.assertEqual(len(old_targets), 2)  # only two diaries were left, each got two comments
        self.assertEqual(self.service.admin("publish?user=tester&count=2")["added"]["old_comments"], [])

    def test_hang_sends_nothing_and_holds_only_its_own_connection(self) -> None:
        self.service.admin("fault?mode=hang&target=photos&times=1")
        with socket.create_connection(("127.0.0.1", self.service.port), timeout=IO_TIMEOUT) as hanging:
            hanging.sendall(b"GET /photos/tester/101_1.jpg HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n")
            # Only once the hang has begun, or the other request could take the rule first.
            deadline = time.monotonic() + IO_TIMEOUT
            while not self.service.admin("requests")["requests"] and time.monotonic() < deadline:
                time.sleep(0.02)
            # Another request is answered meanwhile, and the rule has lapsed for it.
            other = self.service.fetch(b"/photos/tester/101_1.jpg")
            self.assertEqual((other.status, other.header("Content-Type")), (200, "image/jpeg"))
            self.assertEqual(self.service.admin("faults")["rules"], [])
            hanging.settimeout(0.3)
            self.assertRaises(socket.timeout, hanging.recv, 1)
            # When the client gives up, the server closes without having sent a byte.
            hanging.shutdown(socket.SHUT_WR)
            hanging.settimeout(IO_TIMEOUT)
            self.assertEqual(hanging.recv(1), b"")
        log = self.service.admin("requests")["requests"]
        self.assertEqual([(e["status"], e["fault"]) for e in log], [(None, ["hang"]), (200, [])])
        self.assertIn("hang", self.service.admin("faults")["transport_modes"])

    def test_photo_named_to_fail_answers_its_first_requests_with_those_modes(self) -> None:
        for name, first, then in (
            (b"fail2-servererror-a.jpg", [(500, "text/html", True)] * 2, (200, "image/jpeg", True)),
            (b"fail1-reset-a.jpg", [(200, "image/jpeg", False)], (200, "image/jpeg", True)),
            (b"FAIL1-notfound.drop-a.jpg", [(404, "text/html", False)], (200, "image/jpeg", True)),
            (b"fail0-servererror-a.jpg", [], (200, "image/jpeg", True)),
            (b"fail2-bogus-a.jpg", [], (200, "image/jpeg", True)),  # not a mode: a plain name
        ):
            with self.subTest(name=name):
                for folder in (b"/photos/one/", b"/photos/two/"):  # each path counts on its own
                    answers = [self.service.fetch(folder + name + b"?n=%d" % i) for i in range(len(first) + 2)]
                    found = [(a.status, a.header("Content-Type"), a.complete) for a in answers]
                    self.assertEqual(found, first + [then, then])
                    self.assertEqual(answers[-1].body[:2], b"\xff\xd8")
        log = self.service.admin("requests")["requests"]
        self.assertEqual([e["fault"] for e in log[:4]], [["servererror"], ["servererror"], [], []])
        self.service.admin("reset")  # the counts start again
        self.assertEqual(self.service.fetch(b"/photos/one/fail1-reset-a.jpg").complete, False)

    def test_photo_query_with_an_entity_reference_is_a_bad_request(self) -> None:
        blogs = listed(document(self.ask(LIST_PATH)))[0]
        content = next(b.get("content") for b in blogs if b.get("blog_id") == "110")
        base = "http://127.0.0.1:%d" % self.service.port
        self.assertIn('src="%s/photos/tester/110_4.jpg?size=l&amp;v=2"' % base, content)
        self.assertEqual(content.count("<img "), 4)
        for query in (b"size=l&amp;v=2", b"size=l&#38;v=2", b"size=l&AMP;v=2"):
            with self.subTest(query=query):
                answer = self.service.fetch(b"/photos/tester/110_4.jpg?" + query)
                self.assertEqual((answer.status, answer.header("Content-Type")), (400, "text/html"))
                self.assertIn(b"</html>", answer.body)
        decoded = self.service.fetch(b"/photos/tester/110_4.jpg?size=l&v=2")
        self.assertEqual((decoded.status, decoded.header("Content-Type")), (200, "image/jpeg"))
        self.assertEqual(decoded.body[:2], b"\xff\xd8")

    def test_hostile_family_shows_real_photos_in_every_kind_of_content(self) -> None:
        blogs, comments, posts = listed(document(self.ask(LIST_PATH, "hostile", "hostile1")))
        base = "http://127.0.0.1:%d/photos/hostile/" % self.service.port
        fields = {
            "diary 401": next(b.get("content") for b in blogs if b.get("blog_id") == "401"),
            "comment 502": next(c.get("comment_content") for c in comments if c.get("comment_id") == "502"),
            "reply 503": next(c.get("reply_content") for c in comments if c.get("comment_id") == "503"),
            "post 603": next(p.get("content") for p in posts if p.get("id") == "603"),
        }
        for name, html in fields.items():
            with self.subTest(name):
                self.assertNotIn("{PHOTO_BASE}", html)
                start = html.index('src="' + base) + len('src="')
                address = html[start:html.index('"', start)]
                photo = self.service.fetch(address[len("http://127.0.0.1:%d" % self.service.port):].encode("ascii"))
                self.assertEqual((photo.status, photo.header("Content-Type")), (200, "image/jpeg"))
        self.assertIn("<script>alert(1)</script>", fields["diary 401"])
        self.assertIn('href="java&#115;cript:alert(1)"', next(p.get("content") for p in posts if p.get("id") == "602"))


class OfflineTest(unittest.TestCase):
    def test_builtin_encoder_writes_a_decodable_baseline_jpeg(self) -> None:
        pixels = photos.draw_scene("tester/101_1.jpg", 40, 30)
        data = jpeg_encoder.encode_jpeg(40, 30, pixels)
        self.assertEqual((data[:2], data[-2:]), (b"\xff\xd8", b"\xff\xd9"))
        self.assertIn(b"\xff\xc0", data)
        if Image is not None:
            decoded = Image.open(io.BytesIO(data)).convert("RGB").tobytes()
            error = sum(abs(a - b) for a, b in zip(decoded, pixels)) / len(pixels)
            self.assertLess(error, 12)

    def test_both_encoders_tag_each_name_into_a_valid_jpeg(self) -> None:
        for use_pil in (True, False):
            with self.subTest(use_pil=use_pil):
                studio = photos.PhotoStudio(use_pil=use_pil, pool_size=1)
                first, again, other = (studio.jpeg(name) for name in ("a/1.jpg", "a/1.jpg", "a/2.jpg"))
                self.assertEqual(first, again)
                self.assertNotEqual(first, other)
                self.assertEqual((first[:4], first[-2:]), (b"\xff\xd8\xff\xe0", b"\xff\xd9"))
                if Image is not None:
                    pictures = [Image.open(io.BytesIO(data)).convert("RGB").tobytes() for data in (first, other)]
                    self.assertEqual(pictures[0], pictures[1])  # one scene in the pool, told apart by the tag
                    self.assertEqual(len(pictures[0]), 200 * 150 * 3)

    def test_generation_is_deterministic_and_follows_the_size(self) -> None:
        profile = sample_family.demo_profiles("300")[0]
        first, second = sample_family.generate(profile), sample_family.generate(profile)
        self.assertEqual(len(first.diaries), 300)
        self.assertEqual(first, second)
        self.assertEqual(sample_family.diary_count("large"), 1500)
        self.assertRaises(ValueError, sample_family.diary_count, "0")

    def test_server_refuses_a_non_loopback_address(self) -> None:
        result = subprocess.run([PYTHON, os.path.join(HERE, "server.py"), "--port", "0", "--host", "0.0.0.0"],
                                capture_output=True, timeout=IO_TIMEOUT)
        self.assertNotEqual(result.returncode, 0)


if __name__ == "__main__":
    sys.exit(0 if unittest.main(exit=False, verbosity=1).result.wasSuccessful() else 1)
