// The same tests run against both builds of the document class; suite names carry the
// build so that both programs' tests stand side by side in CTest.
#pragma once

#ifdef NOOK_XML_REDUCED
#define XML_SUITE(name) name##Reduced
constexpr bool kReducedBuild = true;
#else
#define XML_SUITE(name) name##Full
constexpr bool kReducedBuild = false;
#endif

// INSTANTIATE_TEST_SUITE_P pastes its suite argument unexpanded; this expands it first.
#define XML_INSTANTIATE(prefix, suite, ...) INSTANTIATE_TEST_SUITE_P(prefix, suite, __VA_ARGS__)
