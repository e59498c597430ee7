#include "common/translator/ConfigSchema.h"

namespace nook {

const ConfigSchema kAlbumSchema = {
    "album",
    {{nullptr, "board"}, {nullptr, "effect"}, {nullptr, "music"}, {"photo", "imgurl"}},
};

const ConfigSchema kGlassSchema = {"params", {{"img", "src"}}};

const ConfigSchema kTorchSchema = {"params", {{nullptr, "pic"}}};

} // namespace nook
