// The Windows-only text helpers against the system's own tables (under Wine: Wine's).
#include "common/Unicode.h"

#include <gtest/gtest.h>

#include "common/AppTitle.h"

using namespace std::string_literals;

namespace {

TEST(LowerCase, LowerCasesEveryScriptWithCaseAndKeepsTheRest) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"KESTRANE 2.7", "kestrane 2.7"},
        {"ÀÉÎÕÜÇÑÆØÞ", "àéîõüçñæøþ"},              // Latin-1
        {"ΣΟΦΙΑ ΆΩ", "σοφια άω"},                  // Greek, no special final sigma
        {"МОСКВА ЁЖ", "москва ёж"},                // Cyrillic
        {"漢字かなカナ한국", "漢字かなカナ한국"},  // no case: unchanged
        {"𝐀𝐁", "𝐀𝐁"},                              // surrogate pairs survive whole
        {"AÄ\0Ä"s, "aä\0ä"s},                      // a 0 character ends nothing
    };
    for (const auto& [text, lower] : cases) EXPECT_EQ(LowerCase(text), lower) << text;
}

TEST(LowerCase, TitlesOfNonAsciiPathsWithTheSystemMapping) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\x\\KÄSE.EXE", "Käse"},    // a non-ASCII letter after the first
        {"C:\\Ärger\\ÄBC.EXE", "Äbc"},  // a non-ASCII first letter keeps its case
        {"C:\\σ\\ΣΟΦΙΑ.EXE", "Σοφια"},
        {"C:\\x\\МОСКВА.EXE", "Москва"},
        {"D:\\工具\\漢字TOOL.EXE", "漢字tool"},  // CJK has no case
    };
    for (const auto& [path, title] : cases) EXPECT_EQ(ApplicationTitle(path, LowerCase), title) << path;
}

}  // namespace
