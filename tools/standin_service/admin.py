"""Admin paths under /admin/ for tests and the demo. All are GET requests with
UTF-8 query values and JSON answers; they are not written to the request log."""

from datetime import datetime
from typing import Callable

from faults import CONTENT_MODES, FAULT_USER_PASSWORD, FAULT_USER_PREFIX, TRANSPORT_MODES, DEFAULT_DELAY
from faults import FaultRule, check_delay, check_target, parse_modes
from request_target import Target, admin_text
from sample_family import PublishCounts
from standin_app import StandinApp

PREFIX = "/admin/"
MAX_PUBLISH = 10000


class AdminError(Exception):
    """A bad admin request; answered with status 400 and the message."""


def _text(target: Target, name: str, default: str | None = None) -> str | None:
    value = target.query.get(name)
    return admin_text(value) if value is not None else default


def _number(target: Target, name: str, default, kind=int):
    text = _text(target, name)
    if text is None or text == "":
        return default
    try:
        return kind(text)
    except ValueError:
        raise AdminError("%s must be a number" % name) from None


def _requests(app: StandinApp, target: Target) -> dict:
    return {"requests": app.log.entries(_number(target, "since", 0), _text(target, "clear") == "1")}


def _fault(app: StandinApp, target: Target) -> dict:
    mode = _text(target, "mode")
    if mode is None:
        raise AdminError("mode is required")
    user = _text(target, "user")
    if mode == "none":
        return {"cleared": app.faults.clear(user)}
    times = _number(target, "times", None)
    if times is not None and times < 1:
        raise AdminError("times must be at least 1")
    try:
        rule = FaultRule(parse_modes(mode), user=user, target=check_target(_text(target, "target", "any")),
                         remaining=times, delay=check_delay(_number(target, "delay", DEFAULT_DELAY, float)),
                         result=_text(target, "result", "-1"))
    except ValueError as error:
        raise AdminError(str(error)) from None
    app.faults.add(rule)
    return {"rule": rule.describe()}


def _faults(app: StandinApp, target: Target) -> dict:
    return {"rules": app.faults.rules(), "content_modes": CONTENT_MODES, "transport_modes": TRANSPORT_MODES}


def _publish(app: StandinApp, target: Target) -> dict:
    user = _text(target, "user")
    if user is None:
        raise AdminError("user is required")
    count = _number(target, "count", 1)
    counts = PublishCounts(*(_number(target, name, count) for name in ("diaries", "comments", "posts", "updates")),
                           old_comments=_number(target, "old_comments", 0))
    if not all(0 <= n <= MAX_PUBLISH for n in vars(counts).values()):
        raise AdminError("counts must be 0..%d" % MAX_PUBLISH)
    added = app.store.publish(user, counts, datetime.now())
    if added is None:
        raise AdminError("no such user: %s" % user)
    return {"user": user, "added": added}


def _users(app: StandinApp, target: Target) -> dict:
    return {
        "accounts": app.store.accounts(),
        "fault_users": {"prefix": FAULT_USER_PREFIX, "password": FAULT_USER_PASSWORD},
        "session_cookie_name": app.sessions.cookie_name,
        "photo_encoder": app.studio.encoder_name,
    }


def _reset(app: StandinApp, target: Target) -> dict:
    app.reset()
    return {"reset": True}


def _shutdown(app: StandinApp, target: Target) -> dict:
    app.stop()
    return {"stopping": True}


ROUTES: dict[str, Callable[[StandinApp, Target], dict]] = {
    "requests": _requests,
    "fault": _fault,
    "faults": _faults,
    "publish": _publish,
    "users": _users,
    "reset": _reset,
    "shutdown": _shutdown,
}


def handle(app: StandinApp, name: str, target: Target) -> tuple[int, dict]:
    route = ROUTES.get(name)
    if route is None:
        return 404, {"error": "unknown admin path", "paths": sorted(ROUTES)}
    try:
        return 200, route(app, target)
    except AdminError as error:
        return 400, {"error": str(error)}
