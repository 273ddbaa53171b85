#include "common/UPub_Version.h"

#include "common/TextCase.h"

std::string ApplyVersionTag(const std::string& text, const std::string& version) {
    // Copied before anything else: should this copy fail, the caller hears of it; once it
    // exists, every later failure can fall back to it without allocating again.
    std::string result = text;
    try {
        // Upper-casing ASCII only keeps every byte where it was, so a position found in the
        // copy is the same position in `text`.
        const std::string folded = AsciiUpper(text);
        const std::string tag = AsciiUpper(kVersionTag);
        std::string replaced;
        std::size_t from = 0;
        for (std::size_t at = folded.find(tag); at != std::string::npos; at = folded.find(tag, from)) {
            replaced.append(text, from, at - from);
            replaced += version;
            from = at + tag.size();
        }
        replaced.append(text, from);
        return replaced;
    } catch (...) {
        return result;  // Only exhausted memory gets here; the unchanged copy moves out.
    }
}
