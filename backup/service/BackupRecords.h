// What the backup service's answers are turned into. The records are plain values: the
// parser fills vectors of them and hands the vectors over by move.
#pragma once

#include <cstdint>
#include <string>

namespace nook {

// How much is new since the last backup. All zero when no summary was read.
struct BackupSummary {
    int32_t newBlogCount = 0;
    int32_t updatedBlogCount = 0;
    int32_t newCommentCount = 0;
    int32_t newTwitterCount = 0;
};

// One diary. Times are cut before their fractional seconds.
struct BlogEntry {
    int32_t id = 0;
    int16_t blogClass = 0;
    int16_t character = 0;
    int16_t mood = 0;
    int16_t weather = 0;
    std::string title;
    std::string content; // HTML
    std::string createTime;
    std::string updateTime;
    int32_t commentCount = 0;
    int32_t readCount = 0;
    bool isMemory = false;
    bool isEditorChoice = false;
};

// One comment on a diary, with the owner's reply.
struct CommentEntry {
    int32_t id = 0;
    int32_t blogId = 0; // the diary commented on
    std::string guestName;
    std::string userName;
    std::string photoName;
    std::string content; // HTML
    std::string time;
    std::string replyContent; // HTML; empty when the owner has not replied
    std::string replyTime;
};

// One mini-diary post.
struct TwitterEntry {
    int32_t id = 0;
    int16_t character = 0;
    std::string content; // HTML
    std::string createTime;
};

} // namespace nook
