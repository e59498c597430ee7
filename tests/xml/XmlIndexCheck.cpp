#include "tests/xml/XmlIndexCheck.h"

#include <utility>
#include <vector>

namespace nook::test {

namespace {

std::string Fault(const char* what, uint32_t record) { return std::string(what) + " at record " + std::to_string(record); }

} // namespace

std::string CheckLinks(const CXmlDocument& doc) {
    const ElementIndex& index = doc.GetIndex();
    const size_t textSize = doc.GetDocText().size();
    uint32_t reached = 0;
    std::vector<uint32_t> pending{0};
    while (!pending.empty()) {
        const uint32_t r = pending.back();
        pending.pop_back();
        const ElementRecord& record = index[r];
        if (r != 0) {
            if (record.ElementStart < 0 || static_cast<size_t>(record.End()) > textSize) return Fault("extent outside text", r);
            if (index.StartTagLength(r) + record.EndTagLength() > static_cast<uint32_t>(record.ElementLength))
                return Fault("tags longer than element", r);
            if (doc.GetDocText()[static_cast<size_t>(record.ElementStart)] != '<') return Fault("no \"<\" at start", r);
        }
        const int32_t contentBegin = record.ElementStart + static_cast<int32_t>(r != 0 ? index.StartTagLength(r) : 0);
        const int32_t contentEnd = record.End() - static_cast<int32_t>(record.EndTagLength());
        uint32_t previous = 0, count = 0;
        for (uint32_t c = record.FirstChild; c != 0; c = index[c].NextSibling) {
            if (c >= index.Count() || ++count >= index.Count()) return Fault("child chain broken", r);
            const ElementRecord& child = index[c];
            if (child.Parent != r) return Fault("parent link", c);
            if (((child.LevelAndFlags & kFirstSibling) != 0) != (previous == 0)) return Fault("first-sibling flag", c);
            if (previous != 0 && child.PrevSibling != previous) return Fault("previous link", c);
            if (previous != 0 && child.ElementStart < index[previous].End()) return Fault("siblings overlap", c);
            if (child.ElementStart < contentBegin || child.End() > contentEnd) return Fault("child outside parent", c);
            previous = c;
            pending.push_back(c);
            ++reached;
        }
        if (record.FirstChild != 0 && index[record.FirstChild].PrevSibling != previous) return Fault("last-child link", r);
    }
    if (reached + 1 != index.Count()) return Fault("records not reached", reached);
    return {};
}

std::string CompareWithFreshParse(const CXmlDocument& doc, bool strict) {
    CXmlDocument fresh(doc.GetDocText());
    const ElementIndex& a = doc.GetIndex();
    const ElementIndex& b = fresh.GetIndex();
    if (a.Count() != b.Count())
        return "record count " + std::to_string(a.Count()) + ", fresh parse " + std::to_string(b.Count());
    if (std::string fault = CheckLinks(doc); !fault.empty()) return fault;
    if (std::string fault = CheckLinks(fresh); !fault.empty()) return "fresh parse: " + fault;
    const uint32_t flags = strict ? 0xFFFFFFFFu : kFirstSibling | kUnended;
    std::vector<std::pair<uint32_t, uint32_t>> pending{{0, 0}};
    while (!pending.empty()) {
        const auto [ra, rb] = pending.back();
        pending.pop_back();
        const ElementRecord& x = a[ra];
        const ElementRecord& y = b[rb];
        if (x.ElementStart != y.ElementStart || x.ElementLength != y.ElementLength || x.TagLengths != y.TagLengths)
            return Fault("extent differs from a fresh parse", ra);
        if ((x.LevelAndFlags & flags) != (y.LevelAndFlags & flags)) return Fault("flags differ from a fresh parse", ra);
        uint32_t ca = x.FirstChild, cb = y.FirstChild;
        for (; ca != 0 && cb != 0; ca = a[ca].NextSibling, cb = b[cb].NextSibling) pending.push_back({ca, cb});
        if (ca != 0 || cb != 0) return Fault("children differ from a fresh parse", ra);
    }
    return {};
}

} // namespace nook::test
