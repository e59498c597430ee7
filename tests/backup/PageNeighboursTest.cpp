#include "archive/PageNeighbours.h"

#include "tests/backup/ArchiveTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using nook::ArchiveMonth;
using nook::BlogIndex;
using nook::CDiaryOrder;

BlogIndex IndexOf(const std::vector<nook::BlogIndexEntry>& entries) {
    BlogIndex index;
    for (const nook::BlogIndexEntry& entry : entries)
        index[entry.id] = entry;
    return index;
}

nook::BlogEntry Arriving(int32_t id, const std::string& title, const std::string& created) {
    return nook::test::DiaryEntry(id, title, created, "");
}

// "previous|next" ids of a diary, 0 where there is none.
std::string NeighboursOf(const CDiaryOrder& order, int32_t id) {
    const nook::DiaryNeighbours neighbours = order.Neighbours(id);
    return std::to_string(neighbours.previous ? neighbours.previous->id : 0) + "|" +
           std::to_string(neighbours.next ? neighbours.next->id : 0);
}

TEST(DiaryOrder, ByDateThenTimeThenIdAsAReaderExpects) {
    const CDiaryOrder order(IndexOf({
        {5, "later the same day", "2008-05-03 21:00:00", false},
        {9, "same time, higher id", "2008-05-03 09:07:02", false},
        {3, "same time, lower id", "2008-05-03 09:07:02", false},
        {2, "a later year, lower id", "2009-01-01 00:00:00", false},
        {7, "unpadded date, read as a day", "2008-5-4 08:00:00", false},
        {8, "an earlier month", "2008-04-30 23:59:59", false},
        {6, "undated", "yesterday", false},
    }));
    const struct {
        int32_t id;
        const char* neighbours;
    } cases[] = {
        {6, "0|8"}, // undated first; the first diary links no previous one
        {8, "6|3"}, {3, "8|9"}, {9, "3|5"}, {5, "9|7"}, {7, "5|2"}, {2, "7|0"}, // the last links no next one
        {4, "0|0"},                                                             // not in the archive
    };
    for (const auto& c : cases)
        EXPECT_EQ(NeighboursOf(order, c.id), c.neighbours) << c.id;

    const nook::DiaryNeighbours of3 = order.Neighbours(3);
    ASSERT_NE(of3.previous, nullptr);
    EXPECT_EQ(of3.previous->title, "an earlier month");
    EXPECT_EQ(of3.previous->month.year, 2008);
    EXPECT_EQ(of3.previous->month.month, 4);
    EXPECT_EQ(order.Years(), (std::set<int>{0, 2008, 2009}));
    std::vector<int32_t> of2008;
    for (const nook::DiaryLink* link : order.DiariesOf(2008))
        of2008.push_back(link->id);
    EXPECT_EQ(of2008, (std::vector<int32_t>{8, 3, 9, 5, 7}));
}

TEST(DiaryOrder, ChangedNeighboursAreExactlyThePagesWhoseLinksChange) {
    const BlogIndex index = IndexOf({
        {1, "one", "2008-01-01 08:00:00", false},
        {2, "two", "2008-02-01 08:00:00", false},
        {3, "three", "2008-03-01 08:00:00", false},
        {4, "four", "2008-04-01 08:00:00", false},
    });
    const CDiaryOrder before(index);
    const struct {
        const char* what;
        std::vector<nook::BlogEntry> arriving;
        std::set<int32_t> changed;
    } cases[] = {
        {"a new diary in the middle: it and its two neighbours",
         {Arriving(9, "nine", "2008-02-15 08:00:00")},
         {2, 9, 3}},
        {"a new last diary: it and the one before it", {Arriving(9, "nine", "2009-01-01 08:00:00")}, {4, 9}},
        {"a new diary on the day of another, higher id: after it",
         {Arriving(9, "nine", "2008-02-01 08:00:00")},
         {2, 9, 3}},
        {"a new title shows on both neighbours' links",
         {Arriving(2, "two, renamed", "2008-02-01 08:00:00")},
         {1, 3}},
        {"an update that changes nothing a link shows", {Arriving(2, "two", "2008-02-01 08:00:00")}, {}},
        {"a diary moved: its old and new neighbours and itself",
         {Arriving(2, "two", "2008-03-15 08:00:00")},
         {1, 3, 2, 4}},
        {"a move into another month of the same place changes the links to it",
         {Arriving(2, "two", "2008-01-20 08:00:00")},
         {1, 3}},
    };
    for (const auto& c : cases) {
        const CDiaryOrder after(index, c.arriving);
        EXPECT_EQ(after.ChangedNeighbours(before), c.changed) << c.what;
    }
}

TEST(MonthNeighbours, OnlyMonthsWithPostsAndTheirChanges) {
    nook::TwitterIndex posts;
    posts[1] = {1, "a", "2008-03-02 09:00:00"};
    posts[2] = {2, "b", "2008-01-02 09:00:00"};
    posts[3] = {3, "c", "2008-03-20 09:00:00"};
    posts[4] = {4, "d", "2009-02-01 09:00:00"};
    const std::set<ArchiveMonth> months = nook::MonthsWithPosts(posts);
    ASSERT_EQ(months.size(), 3u);

    const nook::MonthNeighbours march = nook::NeighboursOf(months, {2008, 3});
    ASSERT_NE(march.previous, nullptr);
    ASSERT_NE(march.next, nullptr);
    EXPECT_EQ(march.previous->month, 1); // February has no posts: no page to link
    EXPECT_EQ(march.next->year, 2009);
    EXPECT_EQ(nook::NeighboursOf(months, {2008, 1}).previous, nullptr);
    EXPECT_EQ(nook::NeighboursOf(months, {2009, 2}).next, nullptr);
    EXPECT_EQ(nook::NeighboursOf(months, {2008, 2}).previous, nullptr);

    std::set<ArchiveMonth> withFebruary = months;
    withFebruary.insert({2008, 2});
    const std::set<ArchiveMonth> changed = nook::ChangedNeighbours(months, withFebruary);
    std::vector<int> changedMonths;
    for (const ArchiveMonth& month : changed)
        changedMonths.push_back(month.year * 100 + month.month);
    EXPECT_EQ(changedMonths, (std::vector<int>{200801, 200802, 200803}));
    EXPECT_TRUE(nook::ChangedNeighbours(months, months).empty());
}

} // namespace
