#include "common/translator/ConfigTranslator.h"

#include "md5/Md5.h"
#include "util/MbcsText.h"
#include "xml/XmlDocument.h"

#include <string_view>

namespace nook {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The configuration document being rewritten and the download list being built.
class CTranslation {
  public:
    CTranslation(CXmlDocument& config, const std::string& cachePrefix)
        : config_(config), cachePrefix_(cachePrefix) {
        list_.AddElement("files");
    }

    void TranslateRootAttribute(const char* attribute) {
        std::string local;
        if (Localise(config_.GetAttribute(attribute), local)) config_.SetAttribute(attribute, local);
    }

    void TranslateChildAttributes(const char* rootElement, const char* childElement, const char* attribute) {
        // Back to the root with no child chosen, so each location walks all children.
        config_.ResetPos();
        config_.FindElement(rootElement);
        while (config_.FindChildElement(childElement)) {
            std::string local;
            if (Localise(config_.GetChildAttribute(attribute), local))
                config_.SetChildAttribute(attribute, local);
        }
    }

    std::string ListText() const { return list_.GetDocText(); }

  private:
    // Adds the address to the list; false for a blank one.
    bool Localise(const std::string& value, std::string& local) {
        std::string address = Trim(value);
        if (address.empty()) return false;
        local = cachePrefix_ + CacheName(address);
        list_.AddChildElement("file");
        list_.SetChildAttribute("url", address);
        list_.SetChildAttribute("src", local);
        return true;
    }

    CXmlDocument& config_;           // the caller's, rewritten in place
    const std::string& cachePrefix_; // the caller's
    CXmlDocument list_;
};

} // namespace

std::string CacheName(const std::string& address) {
    std::string trimmed = Trim(address);
    return Md5DigestText(trimmed.data(), trimmed.size());
}

std::string TranslateConfiguration(const std::string& configPath, const std::string& cachePrefix,
                                   const ConfigSchema& schema) {
    CXmlDocument config;
    CTranslation translation(config, cachePrefix);

    std::string bytes;
    if (!CXmlDocument::ReadFileText(configPath, bytes)) return translation.ListText();
    std::string_view utf8 = bytes;
    if (utf8.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark)
        utf8.remove_prefix(kUtf8ByteOrderMark.size());
    // Writing back text that lost characters in code page 936 would destroy them in
    // the user's file; such a file is left as it is.
    bool lost = false;
    std::string text = CXmlDocument::Utf8ToAnsi(utf8, &lost);
    if (lost || !config.SetDocText(text) || !config.FindElement(schema.rootElement))
        return translation.ListText();

    for (const ConfigLocation& location : schema.locations) {
        if (location.childElement)
            translation.TranslateChildAttributes(schema.rootElement, location.childElement,
                                                 location.attribute);
        else
            translation.TranslateRootAttribute(location.attribute);
    }

    CXmlDocument::WriteFileText(configPath, CXmlDocument::AnsiToUtf8(config.GetDocText()));
    return translation.ListText();
}

} // namespace nook
