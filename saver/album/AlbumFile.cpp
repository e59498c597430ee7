#include "album/AlbumFile.h"

#include "album/LocalPath.h"
#include "album/Utf8Document.h"
#include "common/translator/ConfigSchema.h"
#include "platform/Files.h"

#include <cstring>

namespace nook {

namespace {

const ConfigSchema* const kSchemas[] = {&kAlbumSchema, &kGlassSchema, &kTorchSchema};

// What an address of the tables is to the stage. The effect is a Flash movie, which
// only the Flash control plays.
enum class AddressRole { Picture, Board, Music, Unused };

AddressRole RoleOf(const ConfigLocation& location) {
    if (std::strcmp(location.attribute, "board") == 0) return AddressRole::Board;
    if (std::strcmp(location.attribute, "music") == 0) return AddressRole::Music;
    if (std::strcmp(location.attribute, "effect") == 0) return AddressRole::Unused;
    return AddressRole::Picture;
}

class CAlbumReader {
  public:
    explicit CAlbumReader(const std::string& albumPath) : folder_(ParentFolder(albumPath)) {}

    void Read(CXmlDocument& doc, const ConfigSchema& schema) {
        for (const ConfigLocation& location : schema.locations) {
            // Back to the root with no child chosen, so each location walks all children.
            doc.ResetPos();
            if (!doc.FindElement(schema.rootElement)) return;
            const AddressRole role = RoleOf(location);
            if (!location.childElement) {
                Take(role, doc.GetAttribute(location.attribute));
                continue;
            }
            while (doc.FindChildElement(location.childElement))
                Take(role, doc.GetChildAttribute(location.attribute));
        }
    }

    AlbumContent& Content() { return content_; }

  private:
    void Take(AddressRole role, const std::string& address) {
        if (role == AddressRole::Unused) return;
        std::string path = LocalFilePath(address, folder_);
        if (path.empty() || !platform::FileExists(path)) return;
        if (role == AddressRole::Picture)
            content_.pictures.push_back({std::move(path), {}});
        else
            (role == AddressRole::Board ? content_.board : content_.music) = std::move(path);
    }

    std::string folder_;
    AlbumContent content_;
};

} // namespace

AlbumContent ReadAlbumFile(const std::string& path) {
    CXmlDocument doc;
    CAlbumReader reader(path);
    if (LoadUtf8Document(path, doc))
        for (const ConfigSchema* schema : kSchemas)
            reader.Read(doc, *schema);
    return std::move(reader.Content());
}

} // namespace nook
