"""Session cookies in the style of the classic ASP host: one cookie name
"ASPSESSIONID" plus eight capital letters for the server's life, a value of
24 capital letters per session. A request without a known session cookie is
answered with a new one."""

import random
import string
import threading
from collections import OrderedDict

MAX_SESSIONS = 10000
OTHER_COOKIE = "NookPrefs=skin%3Dpastel%26lang%3Dzh-cn; path=/"

RETURNED = "returned"  # the request carried a cookie this server issued
MISSING = "missing"    # no session cookie at all
UNKNOWN = "unknown"    # a session cookie, but not one of ours (or a stale one)


def _letters(rng: random.Random, count: int) -> str:
    return "".join(rng.choice(string.ascii_uppercase) for _ in range(count))


def cookie_pairs(header: str) -> list[tuple[str, str]]:
    pairs = []
    for part in header.split(";"):
        name, sep, value = part.strip().partition("=")
        if sep:
            pairs.append((name.strip(), value.strip()))
    return pairs


class SessionBook:
    def __init__(self, seed: int = 2008) -> None:
        self._lock = threading.Lock()
        self._rng = random.Random(seed)
        self.cookie_name = "ASPSESSIONID" + _letters(self._rng, 8)
        self._issued: OrderedDict[str, None] = OrderedDict()

    def issue(self) -> str:
        """A fresh Set-Cookie value for a new session."""
        with self._lock:
            value = _letters(self._rng, 24)
            self._issued[value] = None
            while len(self._issued) > MAX_SESSIONS:
                self._issued.popitem(last=False)
        return "%s=%s; path=/" % (self.cookie_name, value)

    def status(self, cookie_header: str) -> str:
        found = UNKNOWN if "ASPSESSIONID" in cookie_header.upper() else MISSING
        with self._lock:
            for name, value in cookie_pairs(cookie_header):
                if name == self.cookie_name and value in self._issued:
                    return RETURNED
        return found
