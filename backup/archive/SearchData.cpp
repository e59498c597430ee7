#include "archive/SearchData.h"

#include "archive/DayText.h"
#include "archive/PageLinks.h"
#include "archive/ParseDate.h"
#include "archive/PlainText.h"
#include "archive/ScriptString.h"

#include <cstdint>

namespace nook {

namespace {

constexpr std::string_view kRecordEnd = "}";
constexpr std::string_view kFileEnd = "]);";

std::string Header(int year) {
    return "// NookBackup's search data of " + std::to_string(year) +
           " for index.html: one diary or mini-diary post a line.\nNookSearchYear(" + std::to_string(year) +
           ", [";
}

std::string RecordStart(char kind, int32_t id) {
    return std::string("{k:\"") + kind + "\",id:" + std::to_string(id) + ",";
}

void AppendField(std::string& line, const char* name, std::u16string_view value) {
    line += name;
    line += ':';
    AppendScriptString(line, value);
}

void AppendLineStart(std::string& line, char kind, int32_t id, const std::string& time, const std::string& link) {
    line += RecordStart(kind, id);
    const std::string day = DayText(time);
    AppendField(line, "d", std::u16string(day.begin(), day.end()));
    line += ',';
    AppendField(line, "u", std::u16string(link.begin(), link.end()));
}

} // namespace

void AppendDiarySearchLine(std::string& line, const BlogEntry& blog, const std::vector<CommentEntry>& comments) {
    std::u16string said;
    for (const CommentEntry& comment : comments) {
        for (const std::string* html : {&comment.content, &comment.replyContent}) {
            std::u16string text = PlainTextOfHtml(*html);
            if (text.empty()) continue;
            if (!said.empty()) said += u'\n';
            said += text;
        }
    }
    AppendLineStart(line, kDiarySearchRecord, blog.id, blog.createTime,
                    BlogPageLink(ArchiveMonthOf(blog.createTime), blog.id));
    line += ',';
    AppendField(line, "t", PlainTextOf(blog.title));
    line += ',';
    AppendField(line, "x", PlainTextOfHtml(blog.content));
    line += ',';
    AppendField(line, "c", said);
    line += kRecordEnd;
}

void AppendPostSearchLine(std::string& line, int32_t id, const TwitterIndexEntry& post) {
    AppendLineStart(line, kPostSearchRecord, id, post.time, MonthPageLink(ArchiveMonthOf(post.time)));
    line += ',';
    AppendField(line, "x", PlainTextOfHtml(post.content));
    line += kRecordEnd;
}

void SearchDataText(int year, const SearchLines& lines, std::string& text) {
    size_t size = 100;
    for (const auto& [key, line] : lines)
        size += line.size() + 2;
    text.clear();
    text.reserve(size);
    text += Header(year);
    const char* separator = "\n";
    for (const auto& [key, line] : lines) {
        text.append(separator).append(line);
        separator = ",\n";
    }
    text.append("\n").append(kFileEnd).append("\n");
}

bool ReadSearchData(std::string_view text, int year, SearchLines& lines) {
    lines.clear();
    const std::string header = Header(year) + "\n";
    if (text.substr(0, header.size()) != header) return false;
    size_t at = header.size();
    while (at < text.size()) {
        const size_t end = text.find('\n', at);
        if (end == std::string_view::npos) break;
        std::string_view line = text.substr(at, end - at);
        at = end + 1;
        if (line == kFileEnd) {
            if (at == text.size()) return true;
            break;
        }
        if (line.size() > 1 && line.back() == ',') line.remove_suffix(1);
        // {k:"d",id:123,...}
        if (line.size() < 12 || line.substr(0, 4) != "{k:\"" || line.substr(5, 5) != "\",id:" ||
            line.back() != '}')
            break;
        const char kind = line[4];
        if (kind != kDiarySearchRecord && kind != kPostSearchRecord) break;
        size_t digits = 10;
        const bool negative = digits < line.size() && line[digits] == '-';
        if (negative) ++digits;
        int64_t id = 0;
        size_t i = digits;
        for (; i < line.size() && line[i] >= '0' && line[i] <= '9' && i - digits < 10; ++i)
            id = id * 10 + (line[i] - '0');
        if (i == digits || i >= line.size() || line[i] != ',') break;
        if (negative) id = -id;
        if (id < INT32_MIN || id > INT32_MAX) break;
        const SearchKey key{kind, static_cast<int32_t>(id)};
        if (line.substr(0, i + 1) != RecordStart(kind, key.second)) break;
        lines[key] = line;
    }
    lines.clear();
    return false;
}

} // namespace nook
