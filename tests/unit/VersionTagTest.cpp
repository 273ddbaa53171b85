#include "common/UPub_Version.h"

#include <gtest/gtest.h>

namespace {

struct TagCase {
    const char* text;
    const char* version;
    const char* expected;
};

void PrintTo(const TagCase& c, std::ostream* os) { *os << '"' << c.text << "\" with \"" << c.version << '"'; }

class VersionTag : public testing::TestWithParam<TagCase> {};

TEST_P(VersionTag, ReplacesEveryTagInAnyCase) {
    const TagCase& c = GetParam();
    EXPECT_EQ(ApplyVersionTag(c.text, c.version), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, VersionTag,
                         testing::Values(TagCase{"(Ver $V$)", "2.7", "(Ver 2.7)"},
                                         TagCase{"no tag here", "2.7", "no tag here"}, TagCase{"", "2.7", ""},
                                         TagCase{"(Ver $v$)", "2.7", "(Ver 2.7)"},
                                         TagCase{"$V$ and $v$", "2.7", "2.7 and 2.7"},
                                         TagCase{"(Ver $V$)", "", "(Ver )"},
                                         // The inserted version is never searched again.
                                         TagCase{"[$V$]", "$V$", "[$V$]"}, TagCase{"$V$V$", "x", "xV$"},
                                         // Text around the tag, multi-byte characters included, stays byte for byte.
                                         TagCase{"版本 $V$ 版", "2.7", "版本 2.7 版"}, TagCase{"$V", "2.7", "$V"}));

}  // namespace
