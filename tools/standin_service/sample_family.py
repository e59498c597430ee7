"""Deterministic sample families: generated diaries, comments and mini-diary
posts over a span of years, and the new items that publishing adds later.

The same profile always yields the same family; publishing round k of a user
always yields the same texts and ids (only the times are the real time, so that
the client's last backup time lies before them).
"""

import random
from dataclasses import dataclass
from datetime import date, datetime, timedelta

import diary_text as text
from diary_writer import DiaryWriter, avatar_url, photo_url
from records import Comment, Diary, Family, Post, Stamp


@dataclass(frozen=True)
class FamilyProfile:
    user: str
    password: str
    child: str
    birth: date
    slug: str  # folder of the family's photos
    first_day: date
    last_day: date
    diaries: int
    posts: int
    first_blog_id: int
    first_comment_id: int
    first_post_id: int


SIZES = {"small": 150, "large": 1500}
MAX_DIARIES = 100000


def diary_count(size: str) -> int:
    """Number of diaries of the main demo user for a --size value."""
    count = SIZES[size] if size in SIZES else int(size)
    if not 1 <= count <= MAX_DIARIES:
        raise ValueError("size must be small, large or 1..%d" % MAX_DIARIES)
    return count


def demo_profiles(size: str) -> list[FamilyProfile]:
    diaries = diary_count(size)
    return [
        FamilyProfile("xiaoyu", "nook2008", "小雨", date(2006, 1, 8), "xiaoyu",
                      date(2006, 1, 8), date(2008, 12, 31), diaries, diaries * 3 // 2,
                      1200001, 3400001, 560001),
        FamilyProfile("豆豆妈妈", "doudou07", "豆豆", date(2007, 4, 20), "doudou",
                      date(2007, 4, 20), date(2008, 12, 31), 40, 60,
                      1800001, 4600001, 880001),
    ]


COMMENTER_WEIGHTS = (30, 18, 10, 6, 8, 8, 6, 6, 4, 4)
assert len(COMMENTER_WEIGHTS) == len(text.COMMENTERS)


def stamp(rng: random.Random, when: datetime, fraction_share: float = 0.3) -> Stamp:
    millis = rng.randrange(1, 1000) if rng.random() < fraction_share else None
    return Stamp(when.replace(microsecond=0), millis)


def _diary_times(rng: random.Random, profile: FamilyProfile) -> list[datetime]:
    span = (profile.last_day - profile.first_day).days + 1
    times = []
    for _ in range(profile.diaries):
        day = profile.first_day + timedelta(days=rng.randrange(span))
        hour = rng.choice((9, 10, 12, 13, 14, 20, 21, 21, 22, 22, 23))
        times.append(datetime(day.year, day.month, day.day, hour, rng.randrange(60), rng.randrange(60)))
    return sorted(times)


def _later(rng: random.Random, when: datetime, minutes_low: int, minutes_high: int) -> datetime:
    return when + timedelta(minutes=rng.randint(minutes_low, minutes_high), seconds=rng.randrange(60))


def _codes(rng: random.Random, topic: text.Topic, when: datetime) -> dict[str, int]:
    winter = when.month in (12, 1, 2)
    codes = {
        "blog_class": topic.blog_class if rng.random() < 0.9 else rng.randrange(9),
        "character": rng.choices((1, 2, 3), (30, 62, 8))[0],
        "mood": rng.choices(range(1, 8), (34, 20, 12, 12, 14, 5, 3))[0],
        "weather": rng.choices(range(1, 7), (40, 25, 12, 12, 5 if winter else 0, 6))[0],
    }
    if rng.random() < 1 / 30:
        field = rng.choice(("blog_class", "character", "mood", "weather"))
        codes[field] = rng.choice({"blog_class": (9, 12, 65537), "character": (0, 4),
                                   "mood": (0, 8), "weather": (0, 7)}[field])
    return codes


def _make_diary(rng: random.Random, writer: DiaryWriter, slug: str, blog_id: int, when: datetime,
                last_day: date) -> Diary:
    topic = writer.pick_topic(when)
    values = writer.values(when)
    codes = _codes(rng, topic, when)
    photo_count = rng.randint(2, 4) if codes["blog_class"] == 3 else (rng.randint(1, 2) if rng.random() < 0.35 else 0)
    photos = [photo_url(slug, when, blog_id, n) for n in range(1, photo_count + 1)]
    created = stamp(rng, when)
    roll = rng.random()
    if roll < 0.7:
        updated = created
    elif roll < 0.9:
        updated = stamp(rng, _later(rng, when, 5, 600))
    else:
        updated = stamp(rng, _later(rng, when, 3 * 1440, 200 * 1440))
    days_old = max(0, (last_day - when.date()).days)
    return Diary(
        blog_id=blog_id,
        title=writer.title(topic, values),
        content=writer.content(topic, codes["weather"], codes["mood"], photos, values),
        create_time=created,
        update_time=updated,
        read_count=int(rng.uniform(0.5, 1.5) * (20 + days_old * 0.6)),
        is_memory=rng.random() < 0.08,
        is_editor_choice=rng.random() < 0.03,
        **codes,
    )


def _make_comment(rng: random.Random, writer: DiaryWriter, diary_id: int, when: datetime,
                  reply_share: float) -> Comment:
    commenter = rng.choices(text.COMMENTERS, COMMENTER_WEIGHTS)[0]
    comment = Comment(
        comment_id=0,
        blog_id=diary_id,
        guest_name=commenter.guest_name,
        user_name=commenter.user_name,
        photo_name=avatar_url(commenter),
        content=writer.comment(commenter, writer.values(when)),
        time=stamp(rng, when, 0.25),
    )
    if rng.random() < reply_share:
        comment.reply_content = writer.reply(commenter)
        comment.reply_time = stamp(rng, _later(rng, when, 10, 2880), 0.25)
    return comment


def _post_character(rng: random.Random) -> int:
    return rng.choices((2, 1, 3, 0, 4), (55, 35, 8, 1, 1))[0]


def generate(profile: FamilyProfile) -> Family:
    rng = random.Random("%s/%d" % (profile.user, profile.diaries))
    writer = DiaryWriter(rng, profile.child, profile.birth)
    family = Family(profile.user, profile.password)

    blog_id = profile.first_blog_id
    for when in _diary_times(rng, profile):
        family.diaries.append(_make_diary(rng, writer, profile.slug, blog_id, when, profile.last_day))
        blog_id += rng.randint(1, 7)
    # Keep every flag represented however small the family.
    family.diaries[len(family.diaries) // 3].is_editor_choice = True
    family.diaries[len(family.diaries) // 2].is_memory = True

    comments = []
    for diary in family.diaries:
        for _ in range(rng.choices(range(7), (25, 20, 20, 14, 10, 6, 5))[0]):
            when = _later(rng, diary.create_time.when, 10, rng.choice((120, 1440, 7200)))
            comments.append(_make_comment(rng, writer, diary.blog_id, when, 0.7))
    comments.sort(key=lambda c: c.time.instant())
    comment_id = profile.first_comment_id
    for comment in comments:
        comment.comment_id = comment_id
        comment_id += rng.randint(1, 6)
    family.comments = comments

    span = int((datetime.combine(profile.last_day, datetime.max.time())
                - datetime.combine(profile.first_day, datetime.min.time())).total_seconds())
    start = datetime.combine(profile.first_day, datetime.min.time())
    post_times = sorted(start + timedelta(seconds=rng.randrange(span)) for _ in range(profile.posts))
    post_id = profile.first_post_id
    for when in post_times:
        family.posts.append(Post(post_id, _post_character(rng), writer.post(when), stamp(rng, when)))
        post_id += rng.randint(1, 5)

    family.count_comments()
    return family


@dataclass
class PublishCounts:
    diaries: int = 1
    comments: int = 1
    posts: int = 1
    updates: int = 1
    old_comments: int = 0  # comments on diaries neither new nor updated in the round


def spread(items: list, count: int) -> list:
    """count picks from items, evenly spread over them (each item once before any twice)."""
    if not items:
        return []
    distinct = min(count, len(items))
    return [items[((2 * (k % distinct) + 1) * len(items)) // (2 * distinct)] for k in range(count)]


def publish(family: Family, child: str, birth: date, slug: str, round_number: int,
            counts: PublishCounts, now: datetime) -> dict[str, list[int]]:
    """Adds round round_number of new items to family, all stamped now.

    Updated diaries are existing ones whose update time becomes now and whose
    content gains a postscript. Old comments are new comments (ids above this
    round's other comments) on diaries that are neither new nor updated in this
    round, spread over the family in id order; those diaries keep their update
    time, so a list asked for after the round holds the comments but not their
    diaries. Returns the ids touched, by kind.
    """
    rng = random.Random("%s/publish/%d" % (family.user, round_number))
    # Whole seconds rounded up, so the times lie after a backup time taken before this call.
    if now.microsecond:
        now = now.replace(microsecond=0) + timedelta(seconds=1)
    writer = DiaryWriter(rng, child, birth)
    existing = list(family.diaries)
    touched: dict[str, list[int]] = {"diaries": [], "updated": [], "comments": [], "posts": [], "old_comments": []}

    for diary in rng.sample(existing, min(counts.updates, len(existing))):
        diary.update_time = stamp(rng, now, 0.5)
        diary.content += writer.postscript()
        touched["updated"].append(diary.blog_id)

    blog_id = max((d.blog_id for d in existing), default=0)
    for _ in range(counts.diaries):
        blog_id += rng.randint(1, 5)
        family.diaries.append(_make_diary(rng, writer, slug, blog_id, now, now.date()))
        family.diaries[-1].create_time = family.diaries[-1].update_time = stamp(rng, now, 0.5)
        touched["diaries"].append(blog_id)

    comment_id = max((c.comment_id for c in family.comments), default=0)
    for _ in range(counts.comments if family.diaries else 0):
        comment_id += rng.randint(1, 4)
        comment = _make_comment(rng, writer, rng.choice(family.diaries).blog_id, now, 0.5)
        comment.comment_id = comment_id
        if comment.reply_time is not None:
            comment.reply_time = stamp(rng, now, 0.5)
        family.comments.append(comment)
        touched["comments"].append(comment_id)

    post_id = max((p.post_id for p in family.posts), default=0)
    for _ in range(counts.posts):
        post_id += rng.randint(1, 5)
        family.posts.append(Post(post_id, _post_character(rng), writer.post(now), stamp(rng, now, 0.5)))
        touched["posts"].append(post_id)

    # Last, so that a round without old comments draws the same numbers as before.
    fresh = set(touched["diaries"]) | set(touched["updated"])
    old = sorted((d for d in family.diaries if d.blog_id not in fresh), key=lambda d: d.blog_id)
    for diary in spread(old, counts.old_comments):
        comment_id += rng.randint(1, 4)
        comment = _make_comment(rng, writer, diary.blog_id, now, 0.5)
        comment.comment_id = comment_id
        if comment.reply_time is not None:
            comment.reply_time = stamp(rng, now, 0.5)
        family.comments.append(comment)
        touched["old_comments"].append(comment_id)

    family.count_comments()
    return touched
