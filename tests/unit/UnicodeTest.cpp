// The Windows-only helpers of common (lower-casing, Windows error texts) against the
// system itself (under Wine: Wine's tables and texts).
#include "common/Unicode.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "common/AppTitle.h"
#include "common/WindowsError.h"

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

// The system's text for `code` asked for independently of WindowsError (a fixed buffer, no
// allocation by the system), its trailing line break trimmed.
std::string SystemText(DWORD code) {
    wchar_t buffer[1024];
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                        buffer, static_cast<DWORD>(std::size(buffer)), nullptr);
    std::wstring text(buffer, length);
    text.erase(text.find_last_not_of(L" \t\r\n") + 1);
    return Narrow(text);
}

TEST(WindowsError, MessageIsWhatFailedAndTheSystemTextInUtf8) {
    for (const DWORD code : {DWORD{ERROR_ACCESS_DENIED}, DWORD{ERROR_FILE_NOT_FOUND}}) {
        const std::string expected = SystemText(code);
        ASSERT_FALSE(expected.empty()) << code;
        const WindowsError error("OpenThing", code);
        const std::string message = error.what();
        EXPECT_EQ(message, "OpenThing: " + expected);
        EXPECT_EQ(message.find_first_of("\r\n"), std::string::npos) << message;
        EXPECT_EQ(error.Code(), code);
    }
}

TEST(WindowsError, UnknownCodeGivesTheNumber) {
    const WindowsError error("OpenThing", 0x2000FFFF);
    const std::string message = error.what();
    EXPECT_EQ(message.rfind("OpenThing: ", 0), 0u) << message;
    EXPECT_NE(message.find("536936447"), std::string::npos) << message;
    EXPECT_NE(message.find("0x2000FFFF"), std::string::npos) << message;
    EXPECT_EQ(error.Code(), 0x2000FFFFu);
}

// Throws through ThrowLastError with the given last error and hands back what was thrown.
WindowsError ThrownWithLastError(DWORD code) {
    try {
        SetLastError(code);
        ThrowLastError("CreateThing");
    } catch (const WindowsError& error) {
        return error;
    }
    ADD_FAILURE() << "nothing thrown";
    return WindowsError("nothing", 1);
}

TEST(WindowsError, ThrowLastErrorCarriesTheLastError) {
    const WindowsError error = ThrownWithLastError(ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(error.Code(), DWORD{ERROR_FILE_NOT_FOUND});
    EXPECT_STREQ(error.what(), WindowsError("CreateThing", ERROR_FILE_NOT_FOUND).what());
}

TEST(WindowsError, NoLastErrorSaysOnlyWhatFailed) {
    const WindowsError error = ThrownWithLastError(0);
    EXPECT_STREQ(error.what(), "CreateThing failed");
    EXPECT_EQ(error.Code(), 0u);
}

}  // namespace
