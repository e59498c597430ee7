#include "tests/saver/StageFiles.h"

#include "platform/Files.h"
#include "tests/saver/BmpBytes.h"
#include "util/DirectoryPath.h"

namespace nook::test {

namespace {

// "小雨" in UTF-8 (config.xml) and in code page 936 (the folder's name).
const char kUserUtf8[] = "\xE5\xB0\x8F\xE9\x9B\xA8";
const char kUserFolder[] = "\xD0\xA1\xD3\xEA";

} // namespace

bool WriteSolidBitmap(const std::string& path, int width, int height, COLORREF colour) {
    size_t stride = static_cast<size_t>((width * 3 + 3) / 4 * 4);
    std::string row(stride, '\0');
    for (int x = 0; x < width; ++x) {
        row[x * 3] = static_cast<char>(GetBValue(colour));
        row[x * 3 + 1] = static_cast<char>(GetGValue(colour));
        row[x * 3 + 2] = static_cast<char>(GetRValue(colour));
    }
    std::string rows;
    for (int y = 0; y < height; ++y) rows += row;
    return platform::WriteFileAtomically(path, BmpFileBytes(width, height, rows));
}

bool WriteBitmapHeaderOnly(const std::string& path, int width, int height) {
    return platform::WriteFileAtomically(path, BmpFileBytes(width, height, ""));
}

std::string MakeArchive(const std::string& suiteDir, const std::vector<std::string>& photos) {
    std::string userDir = suiteDir + kUserFolder + "\\";
    std::string images = userDir + "Images\\";
    MakeDirectoryPath(images);
    platform::WriteFileAtomically(suiteDir + "config.xml",
                                  std::string("<Config><LastUser Name=\"") + kUserUtf8 + "\"/></Config>\r\n");
    platform::WriteFileAtomically(suiteDir + kUserFolder + ".xml",
                                  std::string("<UserConfig><User Username=\"") + kUserUtf8 + "\"/></UserConfig>\r\n");
    std::string list = "<PhotoList>\r\n";
    int n = 0;
    for (const std::string& photo : photos)
        list += "<Photo url=\"http://photos.example/" + std::to_string(++n) + "\" file=\"Images\\" + photo +
                "\" blogs=\"\" state=\"stored\"/>\r\n";
    platform::WriteFileAtomically(userDir + "PhotoList.xml", list + "</PhotoList>\r\n");
    return images;
}

bool WriteSaverConfig(const std::string& saverDir, const std::string& attributes) {
    return platform::WriteFileAtomically(saverDir + "SSConfig.XML",
                                         "<nookscreensaver>\r\n<config " + attributes + "/>\r\n</nookscreensaver>\r\n");
}

} // namespace nook::test
