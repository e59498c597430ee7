"""The two backup requests: session cookie, fault rule, credentials, high-water
marks, and the answer document."""

import hashlib
from dataclasses import dataclass

import answers
import html_pages
from delivery import Reply
from faults import FAULT_USER_PASSWORD, FaultRule, is_fault_user
from family_store import Marks
from request_target import Target, c_integer, gbk_text, service_time
from sessions import OTHER_COOKIE, RETURNED
from standin_app import StandinApp
from tester_family import TESTER_USER

SUMMARY, LIST = "summary", "list"
MARK_PARAMETERS = ("lastblogid", "lastcommentid", "lasttwitterid", "lastbackuptime")


@dataclass
class Outcome:
    reply: Reply
    rule: FaultRule | None
    user: str | None
    result: str | None  # the Result attribute sent, if the answer was a service document


def _xml(kind: str, body: bytes, cookies: list[str]) -> Reply:
    content_type = "text/xml; charset=utf-8" if kind == LIST else "text/xml"
    return Reply(200, content_type, body, cookies)


def _refusal(result: str, message: str, cookies: list[str]) -> tuple[Reply, str]:
    return _xml(SUMMARY, answers.refusal_answer(result, message), cookies), result


def _account(user: str | None) -> tuple[str | None, str | None]:
    """The data owner and the password for a user name."""
    if user is not None and is_fault_user(user):
        return TESTER_USER, FAULT_USER_PASSWORD
    return user, None


def _answer_document(app: StandinApp, kind: str, target: Target, user: str | None, photo_base: str,
                     with_summary: bool, cookies: list[str]) -> tuple[Reply, str]:
    query = target.query
    owner, password = _account(user)
    password = password or (app.store.password(owner) if owner is not None else None)
    user_bytes = query.get("username", b"")
    digest = query.get("password", b"").decode("latin-1")
    if password is None or digest != hashlib.md5(user_bytes + password.encode("gbk")).hexdigest():
        return _refusal("-1", "wrong user name or password", cookies)
    missing = [name for name in MARK_PARAMETERS if name not in query]
    if missing:
        return _refusal("-3", "missing parameter: " + ", ".join(missing), cookies)
    last_time = service_time(query["lastbackuptime"])
    if last_time is None:
        return _refusal("-3", "lastbackuptime is not YYYY-MM-DD HH:MM:SS", cookies)
    marks = Marks(c_integer(query["lastblogid"]), c_integer(query["lastcommentid"]),
                  c_integer(query["lasttwitterid"]), last_time)
    selection = app.store.select(owner, marks)
    if selection is None:
        return _refusal("-1", "wrong user name or password", cookies)
    if kind == SUMMARY:
        return _xml(kind, answers.summary_answer(selection, with_summary), cookies), "0"
    return _xml(kind, answers.list_answer(selection, photo_base, with_summary), cookies), "0"


def answer(app: StandinApp, kind: str, target: Target, cookie_header: str, photo_base: str,
           script_path: str) -> Outcome:
    user = gbk_text(target.query.get("username", b""))
    rule = app.faults.take(user, kind)
    modes = rule.modes if rule else frozenset()
    session = app.sessions.status(cookie_header)

    cookies = [OTHER_COOKIE] if "other_cookie" in modes else []
    if session != RETURNED:
        cookies.append(app.sessions.issue())

    result = None
    if "html" in modes:
        reply = Reply(500, "text/html", html_pages.script_error_page(script_path), cookies)
    elif "notfound" in modes:
        reply = Reply(404, "text/html", html_pages.not_found_page(script_path), cookies)
    elif "servererror" in modes:
        reply = Reply(500, "text/html", html_pages.server_error_page(script_path), cookies)
    elif "refuse" in modes:
        reply, result = _refusal(rule.result, "refused by a fault rule", cookies)
    elif "require_cookie" in modes and app.faults.note_answered(rule, user or "") and session != RETURNED:
        reply, result = _refusal("-2", "session cookie missing", cookies)
    else:
        reply, result = _answer_document(app, kind, target, user, photo_base, "nosummary" not in modes, cookies)
    return Outcome(reply, rule, user, result)
