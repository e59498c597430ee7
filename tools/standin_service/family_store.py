"""All accounts of the service and the questions the backup requests ask of them.

One lock guards the families: publishing changes them while answers are
being built on other threads, so every selection hands out copies.
"""

import copy
import threading
from dataclasses import dataclass
from datetime import date, datetime

import hostile_family
import sample_family
import tester_family
from records import Comment, Diary, Family, Post


@dataclass(frozen=True)
class Marks:
    """The high-water marks a client sends: what it has already backed up."""

    last_blog_id: int
    last_comment_id: int
    last_twitter_id: int
    last_backup_time: datetime


@dataclass
class Selection:
    new_diaries: int
    updated_diaries: int
    diaries: list[Diary]  # updated and new, ascending id
    comments: list[Comment]
    posts: list[Post]


@dataclass(frozen=True)
class _Child:
    name: str
    birth: date
    slug: str


def _copies(records: list) -> list:
    # Shallow copies suffice: publishing replaces field values, it never edits them in place.
    return [copy.copy(record) for record in records]


class FamilyStore:
    def __init__(self, size: str) -> None:
        self._size = size
        self._lock = threading.Lock()
        self._families: dict[str, Family] = {}
        self._children: dict[str, _Child] = {}
        self._publish_rounds: dict[str, int] = {}
        self.reset()

    def reset(self) -> None:
        families = {tester_family.TESTER_USER: tester_family.tester_family(),
                    hostile_family.HOSTILE_USER: hostile_family.hostile_family()}
        children = {
            tester_family.TESTER_USER: _Child(tester_family.TESTER_CHILD, tester_family.TESTER_BIRTH,
                                              tester_family.TESTER_SLUG),
            hostile_family.HOSTILE_USER: _Child(hostile_family.HOSTILE_CHILD, hostile_family.HOSTILE_BIRTH,
                                                hostile_family.HOSTILE_SLUG),
        }
        for profile in sample_family.demo_profiles(self._size):
            families[profile.user] = sample_family.generate(profile)
            children[profile.user] = _Child(profile.child, profile.birth, profile.slug)
        with self._lock:
            self._families = families
            self._children = children
            self._publish_rounds = {}

    def password(self, user: str) -> str | None:
        with self._lock:
            family = self._families.get(user)
            return family.password if family else None

    def select(self, user: str, marks: Marks) -> Selection | None:
        with self._lock:
            family = self._families.get(user)
            if family is None:
                return None
            updated = [d for d in family.diaries
                       if d.blog_id <= marks.last_blog_id and d.update_time.instant() > marks.last_backup_time]
            new = [d for d in family.diaries if d.blog_id > marks.last_blog_id]
            comments = [c for c in family.comments if c.comment_id > marks.last_comment_id]
            posts = [p for p in family.posts if p.post_id > marks.last_twitter_id]
            return Selection(
                new_diaries=len(new),
                updated_diaries=len(updated),
                diaries=_copies(sorted(updated + new, key=lambda d: d.blog_id)),
                comments=_copies(sorted(comments, key=lambda c: c.comment_id)),
                posts=_copies(sorted(posts, key=lambda p: p.post_id)),
            )

    def publish(self, user: str, counts: sample_family.PublishCounts, now: datetime) -> dict | None:
        with self._lock:
            family = self._families.get(user)
            if family is None:
                return None
            round_number = self._publish_rounds.get(user, 0) + 1
            self._publish_rounds[user] = round_number
            child = self._children[user]
            return sample_family.publish(family, child.name, child.birth, child.slug, round_number, counts, now)

    def accounts(self) -> list[dict]:
        with self._lock:
            return [{
                "user": family.user,
                "password": family.password,
                "diaries": len(family.diaries),
                "comments": len(family.comments),
                "posts": len(family.posts),
                "max_blog_id": max((d.blog_id for d in family.diaries), default=0),
                "max_comment_id": max((c.comment_id for c in family.comments), default=0),
                "max_twitter_id": max((p.post_id for p in family.posts), default=0),
            } for family in self._families.values()]
