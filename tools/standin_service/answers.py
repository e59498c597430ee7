"""The XML documents of the two backup requests.

Every value is an attribute. The summary answer is pure ASCII because the
client parses it without any charset conversion; the list answer is UTF-8.
Lines end with CR LF. Line breaks inside values are written as character
references, since a parser that normalises attribute white space would
otherwise turn them into blanks.
"""

from family_store import Selection
from records import PHOTO_BASE, Comment, Diary, Post

DECLARATION = '<?xml version="1.0" encoding="utf-8"?>'
CRLF = "\r\n"

_REFERENCES = {"&": "&amp;", "<": "&lt;", ">": "&gt;", '"': "&quot;", "\r": "&#13;", "\n": "&#10;", "\t": "&#9;"}


def _attribute_text(value: object) -> str:
    if isinstance(value, bool):
        value = int(value)
    out = []
    for ch in str(value):
        if ch in _REFERENCES:
            out.append(_REFERENCES[ch])
        elif ch >= " ":
            out.append(ch)
        # Other control characters cannot appear in XML at all and are dropped.
    return "".join(out)


def _element(name: str, attributes: list[tuple[str, object]]) -> str:
    return "<%s%s/>" % (name, "".join(' %s="%s"' % (key, _attribute_text(v)) for key, v in attributes))


def _summary(selection: Selection) -> str:
    return _element("Summary", [
        ("NewBlogCount", selection.new_diaries),
        ("UpdatedBlogCount", selection.updated_diaries),
        ("NewCommentCount", len(selection.comments)),
        ("NewTwitterCount", len(selection.posts)),
    ])


def _blog(diary: Diary, photo_base: str) -> str:
    return _element("Blog", [
        ("blog_id", diary.blog_id),
        ("blog_class", diary.blog_class),
        ("title", diary.title),
        ("content", diary.content.replace(PHOTO_BASE, photo_base)),
        ("character", diary.character),
        ("mood", diary.mood),
        ("weather", diary.weather),
        ("create_time", diary.create_time.text()),
        ("update_time", diary.update_time.text()),
        ("comment_count", diary.comment_count),
        ("read_count", diary.read_count),
        ("is_memory", diary.is_memory),
        ("is_editor_choice", diary.is_editor_choice),
        ("is_public", 1),  # the service has more columns than the client reads
    ])


def _comment(comment: Comment, photo_base: str) -> str:
    return _element("Comment", [
        ("comment_id", comment.comment_id),
        ("blog_id", comment.blog_id),
        ("guest_name", comment.guest_name),
        ("user_name", comment.user_name),
        ("photo_name", comment.photo_name.replace(PHOTO_BASE, photo_base)),
        ("comment_content", comment.content.replace(PHOTO_BASE, photo_base)),
        ("comment_datetime", comment.time.text()),
        ("reply_content", comment.reply_content.replace(PHOTO_BASE, photo_base)),
        ("reply_datetime", comment.reply_time.text() if comment.reply_time else ""),
    ])


def _post(post: Post, photo_base: str) -> str:
    return _element("Twitter", [
        ("id", post.post_id),
        ("character", post.character),
        ("content", post.content.replace(PHOTO_BASE, photo_base)),
        ("create_time", post.create_time.text()),
    ])


def _document(lines: list[str]) -> str:
    return CRLF.join([DECLARATION] + lines) + CRLF


def summary_answer(selection: Selection, with_summary: bool = True) -> bytes:
    lines = ['<Backup Result="0">']
    if with_summary:
        lines.append(_summary(selection))
    lines.append("</Backup>")
    return _document(lines).encode("ascii")


def refusal_answer(result: str, message: str) -> bytes:
    return _document([_element("Backup", [("Result", result), ("Message", message)])]).encode("ascii")


def _list(name: str, items: list[str]) -> list[str]:
    return ["<%s>" % name] + items + ["</%s>" % name]


def list_answer(selection: Selection, photo_base: str, with_summary: bool = True) -> bytes:
    lines = ['<Backup Result="0">']
    if with_summary:
        lines.append(_summary(selection))
    lines += _list("BlogList", [_blog(d, photo_base) for d in selection.diaries])
    lines += _list("CommentList", [_comment(c, photo_base) for c in selection.comments])
    lines += _list("TwitterList", [_post(p, photo_base) for p in selection.posts])
    lines.append("</Backup>")
    return _document(lines).encode("utf-8")
