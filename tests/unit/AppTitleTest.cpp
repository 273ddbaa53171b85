#include "common/AppTitle.h"

#include <gtest/gtest.h>

TEST(ApplicationTitle, FileNameWithoutFolderAndExtensionLowerCasedAfterTheFirstLetter) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Program Files\\Kestrane\\Kestrane.exe", "Kestrane"},
        {"C:\\TOOLS\\KESTRANE.EXE", "Kestrane"},
        {"c:\\tools\\kestrane.exe", "kestrane"},  // the first letter keeps its case
        {"\\\\server\\share\\My.Tool.v2.EXE", "My.tool.v2"},
        {"D:KESTRANE.EXE", "Kestrane"},
        {"Z:/build/win64/Kestrane.exe", "Kestrane"},
        {"C:\\dir.d\\KESTRANE", "Kestrane"},  // a dot in a folder is no extension
        {"C:\\Ärger\\ÄBC.EXE", "Äbc"},
        {"C:\\x\\.exe", ""},
    };
    for (const auto& [path, title] : cases) EXPECT_EQ(ApplicationTitle(path), title) << path;
}
