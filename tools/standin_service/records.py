"""Records of one family's blog as the service keeps them.

Texts are Python str; the answers encode them. Diary, comment, reply and post
contents and comment avatars may hold PHOTO_BASE, which is replaced by the
address the client reached us on when an answer is built.
"""

from dataclasses import dataclass, field
from datetime import datetime

PHOTO_BASE = "{PHOTO_BASE}"


@dataclass
class Stamp:
    """A service time: whole seconds plus optional milliseconds shown as a fraction."""

    when: datetime
    millis: int | None = None

    @classmethod
    def parse(cls, text: str) -> "Stamp":
        """A service time from "YYYY-MM-DD HH:MM:SS[.mmm]"."""
        whole, _, fraction = text.partition(".")
        return cls(datetime.strptime(whole, "%Y-%m-%d %H:%M:%S"), int(fraction) if fraction else None)

    def text(self) -> str:
        base = self.when.strftime("%Y-%m-%d %H:%M:%S")
        return base if self.millis is None else "%s.%03d" % (base, self.millis)

    def instant(self) -> datetime:
        return self.when.replace(microsecond=(self.millis or 0) * 1000)


@dataclass
class Diary:
    blog_id: int
    blog_class: int
    character: int
    mood: int
    weather: int
    title: str
    content: str
    create_time: Stamp
    update_time: Stamp
    read_count: int
    is_memory: bool = False
    is_editor_choice: bool = False
    comment_count: int = 0


@dataclass
class Comment:
    comment_id: int
    blog_id: int
    guest_name: str
    user_name: str
    photo_name: str
    content: str
    time: Stamp
    reply_content: str = ""
    reply_time: Stamp | None = None


@dataclass
class Post:
    post_id: int
    character: int
    content: str
    create_time: Stamp


@dataclass
class Family:
    """Everything one service account owns."""

    user: str
    password: str
    diaries: list[Diary] = field(default_factory=list)
    comments: list[Comment] = field(default_factory=list)
    posts: list[Post] = field(default_factory=list)

    def count_comments(self) -> None:
        per_diary: dict[int, int] = {}
        for comment in self.comments:
            per_diary[comment.blog_id] = per_diary.get(comment.blog_id, 0) + 1
        for diary in self.diaries:
            diary.comment_count = per_diary.get(diary.blog_id, 0)
