"""Composes diary titles, HTML contents, comments and posts about one child.

All choices come from the random generator handed in, so a seeded generator
gives the same texts on every run.
"""

import random
from datetime import date, datetime

import diary_text as text
from records import PHOTO_BASE


def months_between(birth: date, when: datetime) -> int:
    months = (when.year - birth.year) * 12 + when.month - birth.month
    if when.day < birth.day:
        months -= 1
    return max(0, months)


def age_text(birth: date, when: datetime) -> str:
    months = months_between(birth, when)
    if months == 0:
        return "%d天" % max(1, (when.date() - birth).days)
    years, rest = divmod(months, 12)
    if years == 0:
        return "%d个月" % rest
    return "%d岁" % years if rest == 0 else "%d岁%d个月" % (years, rest)


class DiaryWriter:
    def __init__(self, rng: random.Random, child: str, birth: date) -> None:
        self.rng = rng
        self.child = child
        self.birth = birth
        self.told_milestones: set[int] = set()

    def values(self, when: datetime) -> dict[str, str]:
        months = months_between(self.birth, when)
        grown = min(months, 72)
        height = 50 + 2.5 * min(grown, 12) + 0.8 * max(0, grown - 12)
        weight = 3.3 + 0.55 * min(grown, 12) + 0.18 * max(0, grown - 12)
        return {
            "name": self.child,
            "age": age_text(self.birth, when),
            "height": "%.1f" % (height + self.rng.uniform(-1.5, 1.5)),
            "weight": "%.1f" % (weight + self.rng.uniform(-0.4, 0.4)),
            "ml": str(self.rng.choice((90, 120, 150, 180, 210))),
        }

    def pick_topic(self, when: datetime) -> text.Topic:
        months = months_between(self.birth, when)
        suitable = [
            (index, topic) for index, topic in enumerate(text.TOPICS)
            if topic.first_month <= months <= topic.last_month
            and (not topic.months or when.month in topic.months)
            and index not in self.told_milestones
        ]
        milestones = [(index, topic) for index, topic in suitable if topic.once]
        # A milestone is told before the everyday topics get their turn, at the latest in its last month.
        due = [(index, topic) for index, topic in milestones if topic.last_month == months]
        if due:
            index, topic = self.rng.choice(due)
        elif milestones and self.rng.random() < 0.6:
            index, topic = self.rng.choice(milestones)
        else:
            index, topic = self.rng.choice(suitable)
        if topic.once:
            self.told_milestones.add(index)
        return topic

    def title(self, topic: text.Topic, values: dict[str, str]) -> str:
        return self.rng.choice(topic.titles).format(**values)

    def photo_tag(self, url: str, values: dict[str, str]) -> str:
        caption = self.rng.choice(text.PHOTO_CAPTIONS).format(**values)
        if self.rng.random() < 0.2:
            return '<img alt="%s" src="%s" width="160" height="120">' % (caption, url)
        return '<p style="text-align: center;"><img src="%s" alt="%s" border="0" /></p>' % (url, caption)

    def content(self, topic: text.Topic, weather: int, mood: int, photos: list[str],
                values: dict[str, str]) -> str:
        rng = self.rng
        chosen = sorted(rng.sample(range(len(topic.sentences)), rng.randint(2, len(topic.sentences))))
        sentences = [topic.sentences[i].format(**values) for i in chosen]
        if rng.random() < 0.15:
            pick = rng.randrange(len(sentences))
            sentences[pick] = rng.choice(('<strong>%s</strong>', '<span style="color: #ff6699;">%s</span>')) % (
                sentences[pick])
        opening = rng.choice(text.OPENINGS.get(weather, text.OPENINGS[1])).format(**values)
        ending = rng.choice(text.ENDINGS.get(mood, text.ENDINGS[5]))
        split = max(1, len(sentences) // 2)
        paragraphs = [opening + "".join(sentences[:split])]
        if sentences[split:]:
            paragraphs.append("".join(sentences[split:]))
        paragraphs.append(ending)

        style = rng.choice(("p", "indent", "br", "div"))
        if style == "br":
            blocks = ["<br />\r\n".join(paragraphs)]
        else:
            pattern = {"p": "<p>%s</p>", "indent": "<p>&nbsp;&nbsp;&nbsp;&nbsp;%s</p>", "div": "<div>%s</div>"}[style]
            blocks = [pattern % paragraph for paragraph in paragraphs]
        pictures = [self.photo_tag(url, values) for url in photos]
        blocks[1:1] = pictures
        return rng.choice(("", "\r\n")).join(blocks)

    def comment(self, commenter: text.Commenter, values: dict[str, str]) -> str:
        pool = text.COMMENTS_TRADITIONAL if commenter.traditional else text.COMMENTS
        return self.rng.choice(pool).format(**values)

    def reply(self, commenter: text.Commenter) -> str:
        return self.rng.choice(text.REPLIES).format(guest=commenter.guest_name)

    def post(self, when: datetime) -> str:
        months = months_between(self.birth, when)
        pool = text.POSTS_BABY if months < 12 else text.POSTS_TODDLER if months < 24 else text.POSTS_CHILD
        if self.rng.random() < 0.25:
            pool = text.POSTS_ANY_AGE
        return self.rng.choice(pool).format(**self.values(when))

    def postscript(self) -> str:
        return "<p>%s</p>" % self.rng.choice(text.POSTSCRIPTS)


def photo_url(slug: str, when: datetime, blog_id: int, number: int) -> str:
    return "%s/%s/%04d%02d/%d_%d.jpg" % (PHOTO_BASE, slug, when.year, when.month, blog_id, number)


def avatar_url(commenter: text.Commenter) -> str:
    return "%s/avatars/%s" % (PHOTO_BASE, commenter.avatar) if commenter.avatar else ""
