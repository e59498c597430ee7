"""Reading request targets as bytes.

The client's user name arrives as code page 936 bytes, percent-encoded or
raw, and the blank of the backup time as %20, "+" or a raw blank (which splits
the request line in more than three words). So the target is taken from the
raw request line and decoded to bytes before any text decoding.
"""

import re
from dataclasses import dataclass
from datetime import datetime
from urllib.parse import unquote_to_bytes

MAX_PARAMETERS = 64
_TIME = re.compile(r"^(\d{4})-(\d{1,2})-(\d{1,2}) (\d{1,2}):(\d{1,2}):(\d{1,2})(\.\d{1,7})?$")
_INTEGER = re.compile(r"^\s*([+-]?\d+)")
_INT32_MIN, _INT32_MAX = -2**31, 2**31 - 1


def split_request_line(line: bytes) -> tuple[bytes, bytes, bytes] | None:
    """Method, target and version of a request line whose target may hold blanks."""
    words = line.rstrip(b"\r\n").split(b" ")
    if len(words) < 3 or not words[-1].startswith(b"HTTP/"):
        return None
    return words[0], b" ".join(words[1:-1]), words[-1]


def clean_request_line(line: bytes) -> tuple[bytes, bytes | None]:
    """A request line the standard parser accepts, and the target as it was sent.

    White space inside the target is percent-encoded so that the line has
    three words; the raw target is kept for the log and the query.
    """
    parts = split_request_line(line)
    if parts is None:
        return line, None
    method, target, version = parts
    safe = target.replace(b" ", b"%20").replace(b"\t", b"%09")
    return b"%s %s %s\r\n" % (method, safe, version), target


@dataclass
class Target:
    path: bytes              # percent-decoded
    query: dict[str, bytes]  # names in lower case, values percent-decoded; the first of repeated names
    raw_query: bytes = b""   # the query as sent, after the first "?"


def parse_target(raw: bytes) -> Target:
    if raw.lower().startswith(b"http://"):
        slash = raw.find(b"/", 7)
        raw = raw[slash:] if slash >= 0 else b"/"
    path, _, query = raw.partition(b"?")
    params: dict[str, bytes] = {}
    for part in query.split(b"&")[:MAX_PARAMETERS]:
        name, _, value = part.partition(b"=")
        key = unquote_to_bytes(name.replace(b"+", b" ")).decode("latin-1").strip().lower()
        if key and key not in params:
            params[key] = unquote_to_bytes(value.replace(b"+", b" "))
    return Target(unquote_to_bytes(path), params, query)


def gbk_text(value: bytes) -> str | None:
    """The text of code page 936 bytes, or None when they are not valid."""
    try:
        return value.decode("gbk")
    except UnicodeDecodeError:
        return None


def admin_text(value: bytes) -> str:
    """Admin callers send UTF-8; code page 936 is accepted where UTF-8 fails."""
    try:
        return value.decode("utf-8")
    except UnicodeDecodeError:
        return value.decode("gbk", errors="replace")


def c_integer(value: bytes) -> int:
    """Like the C library's atol: leading digits, else 0; clamped to 32 bits."""
    match = _INTEGER.match(value.decode("latin-1"))
    if not match:
        return 0
    return max(_INT32_MIN, min(_INT32_MAX, int(match.group(1))))


def service_time(value: bytes) -> datetime | None:
    """A time written "YYYY-MM-DD HH:MM:SS", optionally with a fraction; None otherwise."""
    match = _TIME.match(value.decode("latin-1").strip())
    if not match:
        return None
    fraction = match.group(7)
    micro = int((fraction[1:] + "000000")[:6]) if fraction else 0
    try:
        return datetime(*(int(match.group(i)) for i in range(1, 7)), micro)
    except ValueError:
        return None
