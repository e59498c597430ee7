"""Fault rules: which requests get a broken answer, and how it is broken.

A rule names one or more modes, optionally a user and a target (which
requests it hits) and optionally how many requests it hits before it lapses.
Rules come from the admin path, or are implied by a user name of the form
"fault_<mode>[.<mode>...]" (password "fault", tester's data) or by a photo's
file name of the form "fail<N>-<mode>[.<mode>...]-<rest>" (its first N
requests). Content modes change what is answered; at most one transport mode
per rule changes how the answer travels.
"""

import re
import threading
from dataclasses import dataclass, field

CONTENT_MODES = {
    "refuse": "Result other than 0 (the value of result=, default -1)",
    "html": "an ASP script error page (HTML, status 500) instead of XML",
    "nosummary": "Result 0 but no Summary element",
    "notfound": "status 404 with an HTML page",
    "servererror": "status 500 with an HTML page",
    "require_cookie": "a request after the user's first one without the session cookie gets Result -2",
    "other_cookie": "another cookie is set before the session cookie",
}
TRANSPORT_MODES = {
    "truncated": "the body is cut at about 60 percent; Content-Length matches the cut body",
    "drop": "Content-Length of the whole body, half the body, then the connection is closed",
    "reset": "like drop, but the connection is reset instead of closed, 0.3 s after the half body",
    "slow": "the answer waits delay seconds before it starts",
    "trickle": "the body comes in ten pieces spread over delay seconds",
    "chunked": "chunked transfer coding, no Content-Length",
    "close": "no Content-Length; the body ends when the connection is closed",
    "empty": "status 200 with an empty body",
    "hang": "nothing is sent, not even a status line; the connection stays open until the client closes it"
            " (at most 600 seconds)",
}
TARGETS = ("any", "xml", "summary", "list", "photos")
FAULT_USER_PREFIX = "fault_"
FAULT_USER_PASSWORD = "fault"
# "fail2-servererror-p.jpg": the first 2 requests for this photo get a server error.
FAILING_PHOTO = re.compile(r"^fail(\d{1,3})-([a-z_.]+)-")
MAX_DELAY = 120.0
DEFAULT_DELAY = 3.0


def parse_modes(text: str) -> frozenset[str]:
    """Modes separated by "," or "."; raises ValueError for unknown or clashing ones."""
    modes = frozenset(m.strip() for m in text.replace(".", ",").split(",") if m.strip())
    unknown = sorted(modes - CONTENT_MODES.keys() - TRANSPORT_MODES.keys())
    if not modes or unknown:
        raise ValueError("unknown fault mode: %s" % (", ".join(unknown) or "(none)"))
    if len(modes & TRANSPORT_MODES.keys()) > 1:
        raise ValueError("at most one transport mode per rule")
    return modes


@dataclass
class FaultRule:
    modes: frozenset[str]
    user: str | None = None  # None: every user, and photo requests
    target: str = "any"
    remaining: int | None = None  # requests still to hit; None: no limit
    delay: float = DEFAULT_DELAY
    result: str = "-1"
    rule_id: int = 0
    answered_users: set[str] = field(default_factory=set)

    @property
    def transport(self) -> str | None:
        return next(iter(self.modes & TRANSPORT_MODES.keys()), None)

    def hits(self, user: str | None, target: str) -> bool:
        if self.user is not None and self.user != user:
            return False
        return self.target in ("any", target) or (self.target == "xml" and target in ("summary", "list"))

    def describe(self) -> dict:
        return {"id": self.rule_id, "modes": sorted(self.modes), "user": self.user, "target": self.target,
                "remaining": self.remaining, "delay": self.delay, "result": self.result}


def check_target(target: str) -> str:
    if target not in TARGETS:
        raise ValueError("target must be one of " + ", ".join(TARGETS))
    return target


def check_delay(delay: float) -> float:
    if not 0 <= delay <= MAX_DELAY:
        raise ValueError("delay must be 0..%g seconds" % MAX_DELAY)
    return delay


class FaultBook:
    def __init__(self) -> None:
        self._lock = threading.Lock()
        self._rules: list[FaultRule] = []
        self._user_rules: dict[str, FaultRule] = {}
        self._photo_requests: dict[str, int] = {}  # per failing photo's path: requests so far
        self._next_id = 1

    def add(self, rule: FaultRule) -> int:
        with self._lock:
            rule.rule_id = self._next_id
            self._next_id += 1
            self._rules.append(rule)
            return rule.rule_id

    def clear(self, user: str | None = None) -> int:
        with self._lock:
            kept = [r for r in self._rules if user is not None and r.user != user]
            removed = len(self._rules) - len(kept)
            self._rules = kept
            if user is None:
                self._user_rules.clear()
                self._photo_requests.clear()
            return removed

    def rules(self) -> list[dict]:
        with self._lock:
            return [r.describe() for r in self._rules]

    def take(self, user: str | None, target: str) -> FaultRule | None:
        """The rule for this request, one use of it spent; admin rules before implied ones."""
        with self._lock:
            for rule in self._rules:
                if rule.hits(user, target):
                    if rule.remaining is not None:
                        rule.remaining -= 1
                        if rule.remaining <= 0:
                            self._rules.remove(rule)
                    return rule
            return self._user_rule(user) if target != "photos" else None

    def photo_rule(self, path: str) -> FaultRule | None:
        """The rule a photo's file name implies for this request of it, one request counted:
        "fail<N>-<modes>-..." hits the first N requests of the path (the query aside)."""
        found = FAILING_PHOTO.match(path.rsplit("/", 1)[-1].lower())
        if found is None:
            return None
        try:
            modes = parse_modes(found.group(2))
        except ValueError:
            return None
        with self._lock:
            served = self._photo_requests.get(path, 0)
            self._photo_requests[path] = served + 1
        return FaultRule(modes, target="photos") if served < int(found.group(1)) else None

    def note_answered(self, rule: FaultRule, user: str) -> bool:
        """Records that user was answered under rule; true if that had happened before."""
        with self._lock:
            seen = user in rule.answered_users
            rule.answered_users.add(user)
            return seen

    def _user_rule(self, user: str | None) -> FaultRule | None:
        if not user or not user.startswith(FAULT_USER_PREFIX):
            return None
        rule = self._user_rules.get(user)
        if rule is None:
            try:
                modes = parse_modes(user[len(FAULT_USER_PREFIX):])
            except ValueError:
                return None
            rule = FaultRule(modes, user=user, target="xml")
            self._user_rules[user] = rule
        return rule


def is_fault_user(user: str) -> bool:
    """True for a user name that implies fault modes (and so uses the tester's data)."""
    if not user.startswith(FAULT_USER_PREFIX):
        return False
    try:
        parse_modes(user[len(FAULT_USER_PREFIX):])
    except ValueError:
        return False
    return True
