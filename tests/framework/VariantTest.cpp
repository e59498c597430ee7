#include "framework/Variant.h"

#include <gtest/gtest.h>

namespace {

TEST(Variant, TextGoesToTheControlAsUnicodeAndComesBackAsCodePage936) {
    // "家庭日记"
    nook::CVariant text = nook::CVariant::Text("\xbc\xd2\xcd\xa5\xc8\xd5\xbc\xc7");
    ASSERT_EQ(V_VT(&text.Get()), VT_BSTR);
    EXPECT_STREQ(V_BSTR(&text.Get()), L"\u5bb6\u5ead\u65e5\u8bb0");
    EXPECT_EQ(nook::VariantText(text.Get()), "\xbc\xd2\xcd\xa5\xc8\xd5\xbc\xc7");
}

TEST(Variant, EventArgumentsOfOtherKindsReadAsText) {
    EXPECT_EQ(nook::VariantText(nook::CVariant::Int(150).Get()), "150");
    EXPECT_EQ(nook::VariantText(nook::CVariant().Get()), "");
    // Events may hand their arguments by reference.
    nook::CVariant inner = nook::CVariant::Text("app.exit");
    VARIANT byRef;
    V_VT(&byRef) = VT_VARIANT | VT_BYREF;
    V_VARIANTREF(&byRef) = &inner.Get();
    EXPECT_EQ(nook::VariantText(byRef), "app.exit");
}

TEST(Variant, MovingHandsOverTheValue) {
    nook::CVariant first = nook::CVariant::Text("a");
    nook::CVariant second = std::move(first);
    EXPECT_EQ(V_VT(&first.Get()), VT_EMPTY);
    EXPECT_EQ(nook::VariantText(second.Get()), "a");
}

} // namespace
