#include "common/AppTitle.h"

#include <gtest/gtest.h>

#include "common/TextCase.h"

namespace {

TEST(ApplicationTitle, FileNameWithoutFolderAndExtensionLowerCasedAfterTheFirstLetter) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Program Files\\Kestrane\\Kestrane.exe", "Kestrane"},
        {"C:\\TOOLS\\KESTRANE.EXE", "Kestrane"},
        {"c:\\tools\\kestrane.exe", "kestrane"},  // the first letter keeps its case
        {"\\\\server\\share\\My.Tool.v2.EXE", "My.tool.v2"},
        {"D:KESTRANE.EXE", "Kestrane"},
        {"Z:/build/win64/Kestrane.exe", "Kestrane"},
        {"C:\\dir.d\\KESTRANE", "Kestrane"},  // a dot in a folder is no extension
        {"C:\\X\\K.EXE", "K"},
        {"C:\\x\\.exe", ""},
    };
    // ASCII names: ASCII lower-casing is the whole mapping they need.
    for (const auto& [path, title] : cases) EXPECT_EQ(ApplicationTitle(path, AsciiLower), title) << path;
}

// Marks what it is given, so the expected title shows which bytes were handed to the
// lower-casing and which were kept.
std::string Marked(std::string_view text) { return "<" + std::string(text) + ">"; }

TEST(ApplicationTitle, KeepsTheWholeFirstCharacterAndLowerCasesTheRest) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Ärger\\ÄBC.EXE", "Ä<BC>"},  // two-byte first character
        {"C:\\x\\KÄSE.EXE", "K<ÄSE>"},    // a non-ASCII letter after the first
        {"C:\\x\\漢字.EXE", "漢<字>"},    // three bytes
        {"C:\\x\\𝐀BC.EXE", "𝐀<BC>"},      // four bytes
    };
    for (const auto& [path, title] : cases) EXPECT_EQ(ApplicationTitle(path, Marked), title) << path;
}

}  // namespace
