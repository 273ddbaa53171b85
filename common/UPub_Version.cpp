#include "common/UPub_Version.h"

#include "common/TextCase.h"

std::string ApplyVersionTag(const std::string& text, const std::string& version) noexcept {
    try {
        // Upper-casing ASCII only keeps every byte where it was, so a position found in the
        // copy is the same position in `text`.
        const std::string folded = AsciiUpper(text);
        const std::string tag = AsciiUpper(kVersionTag);
        std::string result;
        std::size_t from = 0;
        for (std::size_t at = folded.find(tag); at != std::string::npos; at = folded.find(tag, from)) {
            result.append(text, from, at - from);
            result += version;
            from = at + tag.size();
        }
        result.append(text, from);
        return result;
    } catch (...) {
        return text;  // Only exhausted memory gets here; the caller still needs a text.
    }
}
