#include "tests/xml/XmlIndexCheck.h"
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

// A diary's text is one attribute and can run to megabytes: a start tag too long for the
// record's field is kept beside the records, and reading it, the sibling after it,
// changing it and opening it up around a child work as on any other.
TEST(XML_SUITE(ElementIndex), StartTagsOfAnyLengthAreRecorded) {
    const size_t kTagAround = 9; // <p v="" />
    for (const size_t tag : {size_t{kLongStartTag} - 1, size_t{kLongStartTag}, size_t{kLongStartTag} + 1,
                             size_t{kLongStartTag} * 2}) {
        SCOPED_TRACE(tag);
        const std::string value(tag - kTagAround, 'a');
        CXmlDocument doc("<r>\r\n<p v=\"" + value + "\"/>\r\n<q w=\"1\"/>\r\n</r>\r\n");
        EXPECT_FALSE(doc.GetIndex()[0].LevelAndFlags & kIllFormed);
        EXPECT_EQ(test::CheckLinks(doc), "");
        ASSERT_TRUE(doc.FindElement("r"));
        ASSERT_TRUE(doc.IntoElement());
        ASSERT_TRUE(doc.FindElement("p"));
        EXPECT_TRUE(doc.GetAttribute("v") == value);
        ASSERT_TRUE(doc.SetAttribute("v", value + "bc"));
        EXPECT_TRUE(doc.GetAttribute("v") == value + "bc");
        ASSERT_TRUE(doc.AddChildElement("c"));
        EXPECT_EQ(test::CompareWithFreshParse(doc, true), "");
        ASSERT_TRUE(doc.SetAttribute("v", "short"));
        EXPECT_EQ(doc.GetAttribute("v"), "short");
        ASSERT_TRUE(doc.FindElement("q"));
        EXPECT_EQ(doc.GetAttribute("w"), "1");
        EXPECT_EQ(test::CompareWithFreshParse(doc, true), "");
    }
}

} // namespace
} // namespace nook
