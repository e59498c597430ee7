// libFuzzer target for CXmlDocument (either build). The input is a document and a
// stream of operations: navigation, attribute reads and writes, element additions and
// node searches. After every edit the edited index must describe the edited text as a
// fresh parse of it does; a value written must read back. Any difference aborts.
//
// Input: two bytes give the document's length, then the document, then the operations.
#include "tests/xml/XmlIndexCheck.h"
#include "xml/XmlDocument.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using nook::CXmlDocument;
using nook::ElementIndex;

// NOOK_XML_FUZZ_TRACE=1 prints each operation and the text after each edit, to
// follow a finding.
const bool kTrace = std::getenv("NOOK_XML_FUZZ_TRACE") != nullptr;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "xml fuzz check failed: %s\n", what);
    std::abort();
}

class OpStream {
public:
    OpStream(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool Empty() const { return at_ >= size_; }
    uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    std::string Bytes(size_t n) {
        n = std::min(n, size_ - std::min(at_, size_));
        std::string out(reinterpret_cast<const char*>(data_ + at_), n);
        at_ += n;
        return out;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

const char* const kElementNames[] = {"", "a", "b", "Blog", "x", "c:d", "\xC4\xE3", "a b", "r"};
const char* const kAttributeNames[] = {"a", "id", "x", "Name", "b", "\xC4\xE3", "a=b", ""};

template <size_t N>
const char* Pick(const char* const (&names)[N], uint8_t byte) { return names[byte % N]; }

void CheckIndex(const CXmlDocument& doc, bool strict) {
    const std::string fault = nook::test::CompareWithFreshParse(doc, strict);
    if (!fault.empty()) Fail(fault.c_str());
}

void CheckPosition(const CXmlDocument& doc) {
    const nook::XmlPosition& pos = doc.GetPosition();
    const ElementIndex& index = doc.GetIndex();
    if (pos.parent >= index.Count() || pos.main >= index.Count() || pos.child >= index.Count()) Fail("position");
    if (pos.main != 0 && index[pos.main].Parent != pos.parent) Fail("main not under parent");
    if (pos.child != 0 && index[pos.child].Parent != pos.main) Fail("child not under main");
}

// What reads back after writing `value`: an incomplete last character is not written.
std::string Written(const std::string& value) {
    if (!value.empty()) {
        size_t i = 0;
        while (i < value.size()) {
            const unsigned char c = static_cast<unsigned char>(value[i]);
            const bool lead = c >= 0x81 && c <= 0xFE;
            if (lead && i + 1 == value.size()) return value.substr(0, i);
            i += lead && value[i + 1] != '\0' ? 2 : 1;
        }
    }
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const size_t docLength = std::min<size_t>(size - 2, static_cast<size_t>(data[0]) | static_cast<size_t>(data[1]) << 8);
    CXmlDocument doc;
    doc.SetDocText(std::string_view(reinterpret_cast<const char*>(data + 2), docLength));
    const bool strict = !(doc.GetIndex()[0].LevelAndFlags & nook::kIllFormed);
    CheckIndex(doc, strict);

    OpStream ops(data + 2 + docLength, size - 2 - docLength);
    for (int step = 0; step < 200 && !ops.Empty(); ++step) {
        const uint8_t op = ops.Byte();
        const uint8_t arg = ops.Byte();
        bool edited = false;
        switch (op % 16) {
        case 0: doc.FindElement(Pick(kElementNames, arg)); break;
        case 1: doc.FindChildElement(Pick(kElementNames, arg)); break;
        case 2: doc.IntoElement(); break;
        case 3: doc.ResetPos(); break;
        case 4: doc.GetAttribute(Pick(kAttributeNames, arg)); break;
        case 5: doc.GetChildAttribute(Pick(kAttributeNames, arg)); break;
        case 6:
        case 7: {
            const char* name = Pick(kAttributeNames, arg);
            const std::string value = ops.Bytes(ops.Byte() % 24);
            const bool child = op % 16 == 7;
            if (child ? doc.SetChildAttribute(name, value) : doc.SetAttribute(name, value)) {
                edited = true;
                const std::string back = child ? doc.GetChildAttribute(name) : doc.GetAttribute(name);
                if (back != Written(value)) Fail("value does not read back");
            }
            break;
        }
        case 8: {
            const int value = static_cast<int8_t>(ops.Byte()) * 1000003;
            edited = doc.SetAttribute(Pick(kAttributeNames, arg), value);
            break;
        }
        case 9: edited = doc.AddElement(Pick(kElementNames, arg)); break;
        case 10: edited = doc.AddChildElement(Pick(kElementNames, arg)); break;
        case 11: doc.FindNode(arg & 1 ? 0 : (arg << 1 & 0xFF) | (arg & 0x80 ? 0x8000 : 0)); break;
        case 12: doc.GetTagName(doc.GetPosition().main); break;
        case 13:
#ifdef NOOK_XML_REDUCED
            doc.GetAttributeName(arg % 8);
#endif
            break;
        case 14: {
            const std::string value = ops.Bytes(arg % 32);
            if (CXmlDocument::DecodeEntities(CXmlDocument::EncodeEntities(value, true)) != Written(value))
                Fail("entities do not round-trip");
            CXmlDocument::DecodeEntities(value);
            break;
        }
        case 15: CXmlDocument::GetDeclaredEncoding(doc.GetDocText()); break;
        }
        if (kTrace) {
            const nook::XmlPosition& pos = doc.GetPosition();
            std::fprintf(stderr, "op %d arg %d%s -> parent %u main %u child %u node %d\n", op % 16, arg,
                         edited ? " (edit)" : "", pos.parent, pos.main, pos.child, pos.nodeKind);
            if (edited) {
                std::fputc('[', stderr);
                for (unsigned char c : doc.GetDocText())
                    std::fprintf(stderr, c >= 0x20 && c < 0x7F ? "%c" : "\\x%02X", c);
                std::fputs("]\n", stderr);
            }
        }
        CheckPosition(doc);
        if (edited) CheckIndex(doc, strict);
    }
    return 0;
}
