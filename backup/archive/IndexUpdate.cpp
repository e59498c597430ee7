#include "archive/IndexUpdate.h"

#include "archive/CommentCounts.h"
#include "archive/DiaryRecord.h"
#include "archive/IndexPage.h"
#include "archive/PageFile.h"
#include "archive/PageRenderer.h"
#include "archive/ParseDate.h"
#include "archive/SearchData.h"
#include "platform/Files.h"

#include <map>
#include <vector>

namespace nook {

namespace {

using IdsByYear = std::map<int, std::vector<int32_t>>;

int YearOf(const std::string& time) {
    return ArchiveMonthOf(time).year;
}

template <typename Index>
IdsByYear FiledByYear(const Index& index) {
    IdsByYear years;
    for (const auto& [id, entry] : index)
        years[YearOf(entry.time)].push_back(id);
    return years;
}

const std::vector<int32_t>& IdsOf(const IdsByYear& years, int year) {
    static const std::vector<int32_t> kNone;
    const auto found = years.find(year);
    return found == years.end() ? kNone : found->second;
}

class CIndexUpdate {
  public:
    CIndexUpdate(const CArchivePaths& paths, const BlogIndex& blogs, const TwitterIndex& posts,
                 const IndexChanges& changes);

    bool Write(size_t photos, CPageRenderer& templates);

  private:
    // False when nothing of the index pages changes.
    bool ChooseWork();
    bool WriteYear(int year);
    // What the archive keeps for a diary of the index: from the answer when it made the
    // record, else read back; counted on the way.
    DiaryRecord RecordOf(int32_t id);

    const CArchivePaths& paths_;
    const BlogIndex& blogs_;
    const TwitterIndex& posts_;
    const IndexChanges& changes_;
    const IdsByYear diaryYears_;
    const IdsByYear postYears_;
    // What the answer brought for the diaries it made the records of.
    std::map<int32_t, const BlogEntry*> answerBlogs_;
    std::map<int32_t, std::vector<const CommentEntry*>> answerComments_;
    CommentCounts counts_;
    std::set<int32_t> toCount_;
    std::set<int> years_;
    // A year's file as read, its lines made anew and the file written: kept from year to
    // year, their room reused.
    std::string read_, made_, written_;
};

CIndexUpdate::CIndexUpdate(const CArchivePaths& paths, const BlogIndex& blogs, const TwitterIndex& posts,
                           const IndexChanges& changes)
    : paths_(paths), blogs_(blogs), posts_(posts), changes_(changes), diaryYears_(FiledByYear(blogs)),
      postYears_(FiledByYear(posts)) {
    if (!changes.answer) return;
    for (const BlogEntry& blog : changes.answer->blogs)
        if (changes.fresh.count(blog.id)) answerBlogs_[blog.id] = &blog; // the last copy, as the record keeps it
    for (const CommentEntry& comment : changes.answer->comments)
        if (changes.fresh.count(comment.blogId)) answerComments_[comment.blogId].push_back(&comment);
}

bool CIndexUpdate::ChooseWork() {
    const bool countsKept = !changes_.everything && LoadCommentCounts(paths_.CommentCountsPath(), counts_);
    for (int32_t id : changes_.diaries)
        if (blogs_.count(id)) toCount_.insert(id);
    for (const auto& [id, blog] : blogs_)
        if (!countsKept || !counts_.count(id)) toCount_.insert(id);

    years_ = changes_.yearsBefore;
    for (int32_t id : changes_.diaries) {
        const auto blog = blogs_.find(id);
        if (blog != blogs_.end()) years_.insert(YearOf(blog->second.time));
    }
    for (int32_t id : changes_.posts) {
        const auto post = posts_.find(id);
        if (post != posts_.end()) years_.insert(YearOf(post->second.time));
    }
    // A year whose data went missing is written again, whatever changed.
    for (const IdsByYear* filed : {&diaryYears_, &postYears_})
        for (const auto& [year, ids] : *filed)
            if (changes_.everything || !platform::FileExists(paths_.SearchDataPath(year))) years_.insert(year);
    return !toCount_.empty() || !years_.empty() || !countsKept || !platform::FileExists(paths_.IndexPagePath());
}

DiaryRecord CIndexUpdate::RecordOf(int32_t id) {
    DiaryRecord record;
    const auto made = answerBlogs_.find(id);
    if (made != answerBlogs_.end()) {
        record.hasBlog = true;
        record.blog = *made->second;
        const auto comments = answerComments_.find(id);
        if (comments != answerComments_.end())
            for (const CommentEntry* comment : comments->second)
                MergeComment(record, *comment);
    } else if (!LoadDiaryRecord(paths_.DiaryRecordPath(id), record) || !record.hasBlog) {
        // A record lost from the disk: what the index knows is still found.
        const BlogIndexEntry& entry = blogs_.at(id);
        record.blog.id = id;
        record.blog.title = entry.title;
        record.blog.createTime = entry.time;
    }
    counts_[id] = static_cast<int32_t>(record.comments.size());
    toCount_.erase(id);
    return record;
}

// One year at a time, so that no more than a year's data is held at once.
bool CIndexUpdate::WriteYear(int year) {
    const std::string path = paths_.SearchDataPath(year);
    SearchLines lines;
    const bool patched =
        !changes_.everything && platform::ReadFileBytes(path, read_) && ReadSearchData(read_, year, lines);
    std::vector<int32_t> diaries, posts;
    if (patched) {
        // Changed items may have left the year; those still in it are added back.
        for (int32_t id : changes_.diaries) {
            lines.erase({kDiarySearchRecord, id});
            const auto blog = blogs_.find(id);
            if (blog != blogs_.end() && YearOf(blog->second.time) == year) diaries.push_back(id);
        }
        for (int32_t id : changes_.posts) {
            lines.erase({kPostSearchRecord, id});
            const auto post = posts_.find(id);
            if (post != posts_.end() && YearOf(post->second.time) == year) posts.push_back(id);
        }
    } else {
        diaries = IdsOf(diaryYears_, year);
        posts = IdsOf(postYears_, year);
    }
    // One text for the lines made, viewed once it is complete.
    made_.clear();
    std::vector<std::pair<SearchKey, size_t>> madeAt; // where each line ends
    for (int32_t id : diaries) {
        const DiaryRecord record = RecordOf(id);
        AppendDiarySearchLine(made_, record.blog, record.comments);
        madeAt.push_back({{kDiarySearchRecord, id}, made_.size()});
    }
    for (int32_t id : posts) {
        AppendPostSearchLine(made_, id, posts_.at(id));
        madeAt.push_back({{kPostSearchRecord, id}, made_.size()});
    }
    size_t begin = 0;
    for (const auto& [key, end] : madeAt) {
        lines[key] = std::string_view(made_).substr(begin, end - begin);
        begin = end;
    }
    SearchDataText(year, lines, written_);
    return platform::WriteFileAtomically(path, written_, nullptr, platform::Durability::Deferred);
}

bool CIndexUpdate::Write(size_t photos, CPageRenderer& templates) {
    if (!ChooseWork()) return true;
    bool allWritten = true;
    for (int year : years_)
        allWritten = WriteYear(year) && allWritten;
    while (!toCount_.empty())
        RecordOf(*toCount_.begin());
    for (auto counted = counts_.begin(); counted != counts_.end();)
        counted = blogs_.count(counted->first) ? std::next(counted) : counts_.erase(counted);
    allWritten = SaveCommentCounts(paths_.CommentCountsPath(), counts_) && allWritten;
    const std::string& pageTemplate = templates.ReadTemplate("Index.html");
    if (templates.MissedTemplate()) return false;
    return WritePageFile(paths_.IndexPagePath(), RenderIndexPage(pageTemplate, blogs_, posts_, counts_, photos)) &&
           allWritten;
}

} // namespace

IndexChanges IndexChangesOf(const CArchivePaths& paths, const BlogListAnswer& answer, const BlogIndex& blogs,
                            const TwitterIndex& posts) {
    IndexChanges changes;
    changes.answer = &answer;
    for (const BlogEntry& blog : answer.blogs) {
        changes.diaries.insert(blog.id);
        const auto filed = blogs.find(blog.id);
        if (filed != blogs.end()) changes.yearsBefore.insert(YearOf(filed->second.time));
        if (!platform::FileExists(paths.DiaryRecordPath(blog.id))) changes.fresh.insert(blog.id);
    }
    for (const CommentEntry& comment : answer.comments)
        changes.diaries.insert(comment.blogId);
    for (const TwitterEntry& post : answer.twitters) {
        changes.posts.insert(post.id);
        const auto filed = posts.find(post.id);
        if (filed != posts.end()) changes.yearsBefore.insert(YearOf(filed->second.time));
    }
    return changes;
}

IndexChanges AllOfTheIndex() {
    IndexChanges changes;
    changes.everything = true;
    return changes;
}

bool UpdateIndexPages(const CArchivePaths& paths, const BlogIndex& blogs, const TwitterIndex& posts, size_t photos,
                      const IndexChanges& changes, CPageRenderer& templates) {
    return CIndexUpdate(paths, blogs, posts, changes).Write(photos, templates);
}

} // namespace nook
