// libFuzzer target for the plug-ins' configuration translator, the path SS_ParseXML
// takes: the input is the configuration file's bytes, written to a scratch file and
// translated, in place, with each plug-in's schema in turn. Sanitizers only.
#include "common/translator/ConfigTranslator.h"
#include "tests/fuzz/ScratchFolder.h"

#include <cstdint>
#include <memory>
#include <string>

namespace {

std::unique_ptr<nook::test::CScratchFolder> g_folder;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    g_folder = std::make_unique<nook::test::CScratchFolder>("nook-fuzz-translator");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string path = g_folder->Path() + "config.xml";
    for (const nook::ConfigSchema* schema : {&nook::kAlbumSchema, &nook::kGlassSchema, &nook::kTorchSchema}) {
        // Each schema starts from the file as given: the translation rewrites it.
        nook::test::WriteScratchFile(path, bytes);
        nook::TranslateConfiguration(path, "C:\\Nook\\Cache\\", *schema);
    }
    return 0;
}
