// libFuzzer target for the page renderer with the image localiser: a diary with one
// comment and one mini-diary post made from the input is rendered through the shipped
// templates into a scratch program folder, always to the same page files. Beyond the
// sanitizers, the pages must be written and every photo the localiser lists must be a
// web address kept as a plain file name in the photo folder, shown by this diary only.
// Web pictures left in a page are not looked for: the localiser takes any "src=", in
// words or other attributes too, for the start of an address, so which pictures it
// passes over cannot be told from the page alone.
//
// Input: two bytes of diary class (little-endian), one byte each of character, mood and
// weather code (signed), one of flags (1 memory, 2 editor's choice), one each of comment
// and read count; then title, diary content, comment content, reply content and post
// content, separated by NUL bytes.
#include "archive/ArchivePaths.h"
#include "archive/ImageLocaliser.h"
#include "archive/PageRenderer.h"
#include "archive/PhotoList.h"
#include "tests/fuzz/ScratchFolder.h"
#include "util/MbcsText.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int32_t kBlogId = 7;
constexpr char kUser[] = "tester";

std::unique_ptr<nook::test::CScratchFolder> g_folder;

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "renderer fuzz check failed: %s\n", what.c_str());
    std::abort();
}

// The program folder as the archive finds it: every template installed (a page is not
// written from a missing one), the user folder made.
void PrepareProgramFolder(const std::string& programDir) {
    const std::string folder = programDir + "Templates/";
    if (!std::filesystem::create_directory(folder) || !std::filesystem::create_directory(programDir + kUser))
        Fail("cannot make the folders in " + programDir);
    std::error_code error;
    std::filesystem::copy(NOOK_SHIPPED_TEMPLATES, folder, std::filesystem::copy_options::recursive, error);
    if (error) Fail("cannot copy the templates");
}

class CInputFields {
  public:
    CInputFields(const uint8_t* data, size_t size) : text_(reinterpret_cast<const char*>(data), size) {}
    uint8_t Byte() {
        if (text_.empty()) return 0;
        const uint8_t byte = static_cast<uint8_t>(text_[0]);
        text_.remove_prefix(1);
        return byte;
    }
    // Up to the next NUL, which is consumed.
    std::string Field() {
        const size_t end = std::min(text_.find('\0'), text_.size());
        std::string field(text_.substr(0, end));
        text_.remove_prefix(std::min(end + 1, text_.size()));
        return field;
    }

  private:
    std::string_view text_;
};

// A name the localiser made: letters, digits, "-" and one extension, nothing that walks
// out of the photo folder.
bool IsPlainName(const std::string& name) {
    if (name.empty() || name[0] == '.' || name.find("..") != std::string::npos) return false;
    for (char c : name)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.'))
            return false;
    return true;
}

void CheckPhotos(const nook::CPhotoList& photos) {
    for (const nook::PhotoEntry& entry : photos.Entries()) {
        const std::string lower = nook::AsciiLower(entry.url.substr(0, 8));
        if (lower.compare(0, 7, "http://") != 0 && lower.compare(0, 8, "https://") != 0)
            Fail("photo list holds \"" + entry.url + "\"");
        const std::string_view folder = "Images\\";
        if (entry.file.compare(0, folder.size(), folder) != 0 || !IsPlainName(entry.file.substr(folder.size())))
            Fail("photo file \"" + entry.file + "\"");
        for (int32_t blog : entry.blogs)
            if (blog != kBlogId) Fail("photo shown by diary " + std::to_string(blog));
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    g_folder = std::make_unique<nook::test::CScratchFolder>("nook-fuzz-renderer");
    PrepareProgramFolder(g_folder->Path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CInputFields input(data, size);
    nook::BlogEntry blog;
    blog.id = kBlogId;
    const uint8_t classLow = input.Byte();
    blog.blogClass = static_cast<int16_t>(classLow | input.Byte() << 8);
    blog.character = static_cast<int8_t>(input.Byte());
    blog.mood = static_cast<int8_t>(input.Byte());
    blog.weather = static_cast<int8_t>(input.Byte());
    const uint8_t flags = input.Byte();
    blog.isMemory = flags & 1;
    blog.isEditorChoice = flags & 2;
    blog.commentCount = input.Byte();
    blog.readCount = input.Byte();
    blog.createTime = "2008-05-03 09:07:02";
    blog.updateTime = "2008-05-04 10:00:00";
    blog.title = input.Field();
    blog.content = input.Field();

    nook::CommentEntry comment;
    comment.id = 101;
    comment.blogId = kBlogId;
    comment.guestName = "guest";
    comment.time = "2008-05-03 10:00:00";
    comment.content = input.Field();
    comment.replyContent = input.Field();
    comment.replyTime = "2008-05-03 11:00:00";

    nook::TwitterIndex posts;
    posts[301] = {301, input.Field(), "2008-05-04 08:00:00"};

    const nook::CArchivePaths paths(g_folder->Path(), kUser);
    nook::CPhotoList photos;
    nook::CImageLocaliser localiser(photos);
    nook::CPageRenderer renderer(paths, localiser, nullptr);
    if (!renderer.RenderBlogPage(blog, {&comment})) Fail("diary page not written");
    if (!renderer.RenderMonthPages(posts)) Fail("month page not written");
    CheckPhotos(photos);
    return 0;
}
