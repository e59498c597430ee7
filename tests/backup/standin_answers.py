#!/usr/bin/env python3
"""Backup-list answers of the stand-in service's families for the browser tests, as the
service sends them (UTF-8 XML), made by the service's own family store and answer writer
without starting a server.

    standin_answers.py OUT_DIR

writes OUT_DIR/xiaoyu-1.xml (everything of the demo family), OUT_DIR/xiaoyu-2.xml (the
next backup after a round of publishing: new and updated diaries, new comments, comments
on old diaries, posts) and OUT_DIR/hostile.xml (the family whose HTML attackers wrote)."""

import os
import sys
from datetime import datetime, timedelta

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "standin_service"))

from answers import list_answer  # noqa: E402
from family_store import FamilyStore, Marks  # noqa: E402
from sample_family import PublishCounts  # noqa: E402

# Nothing is fetched: port 9 (discard) on loopback.
PHOTO_BASE = "http://127.0.0.1:9/photos"
FROM_THE_START = Marks(0, 0, 0, datetime(2001, 1, 1))


def write(folder: str, name: str, answer: bytes) -> None:
    with open(os.path.join(folder, name), "wb") as out:
        out.write(answer)


def main() -> int:
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    store = FamilyStore("small")
    first = store.select("xiaoyu", FROM_THE_START)
    write(folder, "xiaoyu-1.xml", list_answer(first, PHOTO_BASE))

    backup_time = datetime.now().replace(microsecond=0)
    store.publish("xiaoyu", PublishCounts(diaries=3, comments=3, posts=3, updates=3, old_comments=3),
                  backup_time + timedelta(seconds=1))
    marks = Marks(first.diaries[-1].blog_id, first.comments[-1].comment_id, first.posts[-1].post_id, backup_time)
    write(folder, "xiaoyu-2.xml", list_answer(store.select("xiaoyu", marks), PHOTO_BASE))

    write(folder, "hostile.xml", list_answer(store.select("hostile", FROM_THE_START), PHOTO_BASE))
    return 0


if __name__ == "__main__":
    sys.exit(main())
