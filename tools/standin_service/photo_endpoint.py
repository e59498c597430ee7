"""Photo downloads under /photos/. Any name ending in .jpg or .jpeg is a
picture, except that a file name starting with "missing" answers 404 and one
starting with "broken" answers 500, both with HTML bodies."""

import html_pages
from delivery import Reply
from faults import FaultRule
from standin_app import StandinApp

PREFIX = "/photos/"
PICTURE_ENDINGS = (".jpg", ".jpeg")


def answer(app: StandinApp, name: str, shown_path: str) -> tuple[Reply, FaultRule | None]:
    rule = app.faults.take(None, "photos")
    modes = rule.modes if rule else frozenset()
    file_name = name.rsplit("/", 1)[-1].lower()
    if "notfound" in modes or file_name.startswith("missing") or not file_name.endswith(PICTURE_ENDINGS):
        return Reply(404, "text/html", html_pages.not_found_page(shown_path)), rule
    if "html" in modes:
        return Reply(500, "text/html", html_pages.script_error_page(shown_path)), rule
    if "servererror" in modes or file_name.startswith("broken"):
        return Reply(500, "text/html", html_pages.server_error_page(shown_path)), rule
    return Reply(200, "image/jpeg", app.studio.jpeg(name)), rule
