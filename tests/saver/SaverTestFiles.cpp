#include "tests/saver/SaverTestFiles.h"

#include "album/GeneratedPictures.h"
#include "platform/Files.h"
#include "util/DirectoryPath.h"

namespace nook::test {

namespace {

std::string WithBackslashes(std::string path) {
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

} // namespace

std::string BuiltPlugin(const std::string& name) {
    return WithBackslashes(NOOK_PLUGIN_BUILD_DIR "/") + name + ".dll";
}

std::string NoMoviePlugin() {
    return WithBackslashes(NOOK_NOMOVIE_PLUGIN);
}
std::string FiveOfSixPlugin() {
    return WithBackslashes(NOOK_FIVEOFSIX_PLUGIN);
}

std::string BuiltSaver() {
    return WithBackslashes(NOOK_SAVER_FILE);
}
std::string StandInSuite() {
    return WithBackslashes(NOOK_STANDIN_SUITE);
}
std::string ScreenshotDir() {
    return WithBackslashes(NOOK_SCREENSHOT_DIR);
}

std::string SourceFile(const std::string& relative) {
    return WithBackslashes(NOOK_SOURCE_DIR "/" + relative);
}

std::string InstallSaver(const std::string& base) {
    std::string dir = base + "NookSS\\";
    MakeDirectoryPath(dir);
    platform::CopyFileTo(BuiltSaver(), dir + "NookSS.scr", true);
    for (const char* plugin : {"SS_Lullaby", "SS_Orchard", "SS_Glass", "SS_Torch"})
        platform::CopyFileTo(BuiltPlugin(plugin), dir + plugin + ".dll", true);
    for (const char* content : {"SupportList.XML", "SSConfig.XML", "SSData.dat", "empty.swf"})
        platform::CopyFileTo(SourceFile(std::string("saver/content/") + content), dir + content, true);
    MakeDirectoryPath(dir + kPicturesFolder);
    for (const char* picture : kGeneratedPictureNames)
        platform::CopyFileTo(SourceFile(std::string("saver/content/pictures/") + picture),
                             dir + kPicturesFolder + picture, true);
    return dir;
}

} // namespace nook::test
