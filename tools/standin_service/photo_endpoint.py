"""Photo downloads under /photos/. Any name ending in .jpg or .jpeg is a
picture, except that a file name starting with "missing" answers 404 and one
starting with "broken" answers 500, both with HTML bodies, and one of the form
"fail<N>-<mode>[.<mode>...]-<rest>" answers its first N requests with those
fault modes (then the picture). The query is ignored, except that one holding
an HTML character reference for "&" (as in "?size=l&amp;v=2", copied from HTML
source without decoding) answers 400: the server does not know the parameter
"amp;v". Every answer waits until the photo delay has passed since the request
arrived, only in its own thread."""

import re
import time

import html_pages
from delivery import Reply
from faults import FaultRule
from standin_app import StandinApp

PREFIX = "/photos/"
PICTURE_ENDINGS = (".jpg", ".jpeg")
# "&amp;", "&#38;", "&#x26;" (any case, leading zeros) where the query should have "&".
_ENTITY_AMPERSAND = re.compile(rb"&(amp|#0*38|#x0*26);", re.IGNORECASE)


def unknown_parameter(raw_query: bytes) -> str | None:
    """The name of the parameter a character reference in the query makes, or None."""
    found = _ENTITY_AMPERSAND.search(raw_query)
    if found is None:
        return None
    name = raw_query[found.start() + 1:].split(b"&", 1)[0].partition(b"=")[0]
    return name.decode("latin-1")


def answer(app: StandinApp, name: str, shown_path: str, raw_query: bytes = b"") -> tuple[Reply, FaultRule | None]:
    due = time.monotonic() + app.photo_delay
    outcome = _decide(app, name, shown_path, raw_query)
    time.sleep(max(0.0, due - time.monotonic()))
    return outcome


def _decide(app: StandinApp, name: str, shown_path: str, raw_query: bytes) -> tuple[Reply, FaultRule | None]:
    rule = app.faults.take(None, "photos") or app.faults.photo_rule(name)
    modes = rule.modes if rule else frozenset()
    file_name = name.rsplit("/", 1)[-1].lower()
    parameter = unknown_parameter(raw_query)
    if parameter is not None:
        return Reply(400, "text/html", html_pages.bad_request_page(shown_path, parameter)), rule
    if "notfound" in modes or file_name.startswith("missing") or not file_name.endswith(PICTURE_ENDINGS):
        return Reply(404, "text/html", html_pages.not_found_page(shown_path)), rule
    if "html" in modes:
        return Reply(500, "text/html", html_pages.script_error_page(shown_path)), rule
    if "servererror" in modes or file_name.startswith("broken"):
        return Reply(500, "text/html", html_pages.server_error_page(shown_path)), rule
    return Reply(200, "image/jpeg", app.studio.jpeg(name)), rule
