#include "tests/xml/XmlTestBuild.h"
#include "xml/ElementIndex.h"
#include "xml/XmlDocument.h"

#include <gtest/gtest.h>

#include <string>

namespace nook {
namespace {

void Fill(ElementIndex& index, uint32_t count) {
    while (index.Count() < count) {
        const uint32_t r = index.Append();
        index[r] = ElementRecord{};
        index[r].ElementStart = static_cast<int32_t>(r);
    }
}

TEST(XML_SUITE(ElementIndex), ParseSizesTheIndexFromTheTextLength) {
    const std::string text = "<a>" + std::string(1000, ' ') + "</a>";
    CXmlDocument doc(text);
    EXPECT_EQ(doc.GetIndex().Capacity(), text.size() / 64 + 8);
    EXPECT_EQ(doc.GetIndex().Count(), 2u);
}

struct GrowthCase {
    uint32_t capacity;         // at reset, filled completely
    uint32_t expectedCapacity; // after one more record
};

std::ostream& operator<<(std::ostream& out, const GrowthCase& c) { return out << c.capacity; }

class XML_SUITE(ElementIndexGrowth) : public testing::TestWithParam<GrowthCase> {};

// One and a half times the records in use, but never more than one new block at a time.
TEST_P(XML_SUITE(ElementIndexGrowth), GrowsByHalfAtMostOneBlockPerStep) {
    ElementIndex index;
    index.Reset(GetParam().capacity);
    Fill(index, GetParam().capacity);
    index.Append();
    EXPECT_EQ(index.Capacity(), GetParam().expectedCapacity);
}

XML_INSTANTIATE(Sizes, XML_SUITE(ElementIndexGrowth),
                         testing::Values(GrowthCase{8, 12}, GrowthCase{70000, 105000},
                                         GrowthCase{3 * 65536, 4 * 65536}));

TEST(XML_SUITE(ElementIndex), RecordsInFullBlocksNeverMove) {
    ElementIndex index;
    index.Reset(70000);
    Fill(index, 70000);
    const ElementRecord* inFullBlock = &index[65535];
    Fill(index, 70001); // reallocates the last block only
    Fill(index, 200000);
    EXPECT_EQ(&index[65535], inFullBlock);
    for (uint32_t r : {1u, 65535u, 65536u, 69999u, 70000u, 131072u, 199999u})
        EXPECT_EQ(index[r].ElementStart, static_cast<int32_t>(r)) << r;
}

} // namespace
} // namespace nook
