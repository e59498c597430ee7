#include "util/CommandLineParams.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Arg {
    std::string text;
    bool isSwitch;
};

nook::CCommandLineParams Parse(const std::vector<Arg>& args) {
    nook::CCommandLineParams params;
    for (const Arg& a : args) params.ParseParam(a.text, a.isSwitch);
    return params;
}

TEST(CommandLineParams, SwitchesTakeTheFollowingPlainArgument) {
    struct Case {
        const char* name;
        std::vector<Arg> args;
        const char* key;
        bool found;
        const char* value;
    } cases[] = {
        {"value follows", {{"user", true}, {"alice", false}, {"pass", true}, {"d41d8c", false}}, "pass", true, "d41d8c"},
        {"switch alone is TRUE", {{"user", true}}, "user", true, "TRUE"},
        {"switch then switch", {{"user", true}, {"pass", true}, {"x", false}}, "user", true, "TRUE"},
        {"later repetition overwrites", {{"user", true}, {"a", false}, {"user", true}, {"b", false}}, "user", true, "b"},
        {"plain argument without switch ignored", {{"alice", false}, {"user", true}}, "user", true, "TRUE"},
        {"second plain argument ignored", {{"user", true}, {"a", false}, {"b", false}}, "user", true, "a"},
        {"keys are case-sensitive", {{"User", true}, {"a", false}}, "user", false, "unchanged"},
        {"absent", {}, "user", false, "unchanged"},
    };
    for (const Case& c : cases) {
        std::string value = "unchanged";
        EXPECT_EQ(Parse(c.args).GetParam(c.key, value), c.found) << c.name;
        EXPECT_EQ(value, c.value) << c.name;
    }
}

} // namespace
