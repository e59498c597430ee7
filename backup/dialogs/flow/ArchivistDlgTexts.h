// What the main dialog says in its status line, its notices and its tooltips. Code page
// 936 bytes.
#pragma once

#include "service/BackupRecords.h"

#include <cstddef>
#include <string>

namespace nook {

extern const char kLoggingInText[];        // 正在登录，请稍候...
extern const char kRefreshingText[];       // 正在从服务器获取信息，请稍候...
extern const char kBackingUpText[];        // 正在备份，请稍候...
extern const char kNothingNewText[];       // 您目前没有需要备份的日记和评论
extern const char kLoginFailedText[];      // 登录失败，请稍候再试！
extern const char kDownloadingText[];      // 正在下载日记中的照片，这可能需要一点时间，请稍候...
extern const char kBackupDoneText[];       // 备份完毕，您可以点击左边日记列表开始浏览已备份的日记了。
extern const char kBackupFailedText[];     // 备份失败，请稍候再试！
extern const char kRequestNotStartedText[]; // 无法连接服务器，请检查网络后再试！
extern const char kUnusableUserNameText[];  // 用户名中含有不能用作文件夹名的字符，无法保存备份。
// 您的备份是旧版本程序保存的，需要完整备份一次才能保留全部评论和照片，请点击“备份”。
extern const char kFullBackupNeededText[];

extern const char kNoticeTitle[];   // 提示
extern const char kConfirmQuitText[]; // 您确认现在要退出备份程序吗？

extern const char kLoginTip[];   // 登录
extern const char kBackupTip[];  // 备份
extern const char kRefreshTip[]; // 刷新

extern const char kLogSummaryReceived[]; // the log line of a successful summary answer
extern const char kLogListReceived[];    // the log line of a successful list answer

// "您有%d篇新发表的日记，%d篇有更新的日记，%d条新迷你日记和%d条新评论": new diaries,
// updated diaries, new mini-diary posts, new comments.
std::string SummaryCountsText(const BackupSummary& summary);

// What the status line says when a photo pass has ended: the backup's completion text
// when no photo is pending, else "还有 %d 张照片没有下载成功，下次备份时会继续下载。";
// followed by "另有 %d 张照片在网站上已不存在。" when some photos are gone.
std::string PhotoPassEndText(size_t pending, size_t gone);

// "找不到备份文件夹 %s，请确认磁盘已连接。" with the archive folder: a backup stopped
// before writing anything.
std::string ArchiveFolderMissingText(const std::string& folder);

} // namespace nook
