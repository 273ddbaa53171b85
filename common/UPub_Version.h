#pragma once
#include <string>
#include <string_view>

// The tag that stands for the version in texts that show it, matched in any letter case.
inline constexpr std::string_view kVersionTag = "$V$";

// Returns `text` with every occurrence of the version tag, in any letter case, replaced by
// `version`. The inserted version is never searched again. Should building the new text
// fail, `text` comes back unchanged; only a failure to copy `text` itself is thrown
// (std::bad_alloc), for the caller to report.
std::string ApplyVersionTag(const std::string& text, const std::string& version);
