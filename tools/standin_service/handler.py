"""HTTP request handling: request-line repair, routing and the request log.

The request line is repaired before the standard parser sees it, because the
client may send blanks and code page 936 bytes unencoded in the target.
"""

import json
import re
import socket
import time
from http.server import BaseHTTPRequestHandler

import admin
import backup_endpoint
import html_pages
import photo_endpoint
from delivery import Reply, deliver
from faults import FaultRule
from request_target import Target, admin_text, clean_request_line, parse_target

EXPECTED_USER_AGENT = ("Mozilla/4.0 (compatible; MSIE 7.0; Windows NT 5.1; .NET CLR 2.0.50727; .NET CLR 1.1.4322;"
                       " .NET CLR 3.0.04506.648; .NET CLR 3.5.21022; InfoPath.1)")
SERVICE_PATHS = {
    "/app/backup/getblogsummary.asp": backup_endpoint.SUMMARY,
    "/app/backup/getbloglist.asp": backup_endpoint.LIST,
}
MAX_REQUESTS_PER_CONNECTION = 500
_HOST = re.compile(r"^(\[[0-9A-Fa-f:.]+\]|[A-Za-z0-9.-]+)(:\d{1,5})?$")


class StandinHandler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "Microsoft-IIS/6.0"
    timeout = 30  # an idle keep-alive connection is closed after this many seconds

    raw_target: bytes | None = None

    def handle(self) -> None:
        self.close_connection = True
        self.handle_one_request()
        served = 1
        while not self.close_connection and served < MAX_REQUESTS_PER_CONNECTION:
            self.handle_one_request()
            served += 1

    def parse_request(self) -> bool:
        self.raw_requestline, self.raw_target = clean_request_line(self.raw_requestline)
        return super().parse_request()

    def version_string(self) -> str:
        return self.server_version

    def log_request(self, code="-", size="-") -> None:
        """Requests are recorded by the request log instead."""

    def log_message(self, format: str, *args) -> None:
        # Only protocol errors and time-outs come here.
        if not self.server.app.log.quiet:
            super().log_message(format, *args)

    def _photo_base(self) -> str:
        host = self.headers.get("Host", "")
        if not _HOST.match(host):
            address, port = self.server.server_address[:2]
            host = "%s:%d" % (address, port)
        return "http://%s/photos" % host

    def _send_json(self, status: int, document: dict) -> None:
        body = json.dumps(document, ensure_ascii=False, indent=1).encode("utf-8")
        deliver(self, Reply(status, "application/json; charset=utf-8", body), None, 0)

    def _log_entry(self, raw: bytes, path: str) -> dict:
        user_agent = self.headers.get("User-Agent", "")
        cookie_header = self.headers.get("Cookie", "")
        return {
            "received": time.monotonic(),
            "method": self.command,
            "raw_target": raw.decode("latin-1"),
            "path": path,
            "headers": [[name, value] for name, value in self.headers.items()],
            "user_agent": user_agent,
            "user_agent_expected": user_agent == EXPECTED_USER_AGENT,
            "cookie": cookie_header,
            "session_cookie": self.server.app.sessions.status(cookie_header),
            "client": self.client_address[0],
        }

    def _answer(self, target: Target, path: str, entry: dict) -> tuple[Reply, FaultRule | None]:
        """The reply for a service, photo or unknown path; notes what was decided in entry."""
        app = self.server.app
        kind = SERVICE_PATHS.get(path.lower())
        if kind is not None:
            outcome = backup_endpoint.answer(app, kind, target, entry["cookie"], self._photo_base(), path)
            entry.update(kind=kind, user=outcome.user, result=outcome.result,
                         params={k: admin_text(v) if k != "username" else outcome.user
                                 for k, v in target.query.items()},
                         username_hex=target.query.get("username", b"").hex())
            return outcome.reply, outcome.rule
        if path.startswith(photo_endpoint.PREFIX):
            entry.update(kind="photo")
            return photo_endpoint.answer(app, path[len(photo_endpoint.PREFIX):], path, target.raw_query)
        entry.update(kind="other")
        return Reply(404, "text/html", html_pages.not_found_page(path)), None

    def do_GET(self) -> None:
        raw = self.raw_target if self.raw_target is not None else self.path.encode("latin-1")
        target = parse_target(raw)
        path = admin_text(target.path)
        if path.startswith(admin.PREFIX):
            self._send_json(*admin.handle(self.server.app, path[len(admin.PREFIX):], target))
            return

        entry = self._log_entry(raw, path)
        reply, rule = self._answer(target, path, entry)
        transport = rule.transport if rule else None
        entry.update(status=reply.status, set_cookie=list(reply.cookies),
                     fault=sorted(rule.modes) if rule else [])
        if transport == "hang":
            # Logged when the hang begins, so that a test sees the request arrive; nothing is sent.
            entry.update(status=None, set_cookie=[], body_bytes=0)
            self.server.app.log.add(entry)
            deliver(self, reply, transport, 0)
            return
        try:
            entry["body_bytes"] = deliver(self, reply, transport, rule.delay if rule else 0)
        except (ConnectionError, socket.timeout) as error:
            entry["body_bytes"] = None
            entry["error"] = str(error)
            self.close_connection = True
        entry["answered"] = time.monotonic()
        self.server.app.log.add(entry)
