#include "probes/Cpuid.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

#ifdef _WIN32
// Under Wine, drive Z: is the Linux root, so the host's view of the processor is readable.
constexpr const char* kCpuinfoPath = "Z:\\proc\\cpuinfo";
#else
constexpr const char* kCpuinfoPath = "/proc/cpuinfo";
#endif

constexpr const char* kBlanks = " \t\n\v\f\r";
constexpr const char* kBrandLead = "   - ";

// Report line numbers (1-based) the comparison needs.
constexpr std::size_t kVendorLine = 2;
constexpr std::size_t kSteppingLine = 3;
constexpr std::size_t kModelLine = 4;
constexpr std::size_t kFamilyLine = 5;
constexpr std::size_t kExtendedModelLine = 7;
constexpr std::size_t kExtendedFamilyLine = 8;
constexpr std::size_t kBrandLine = 24;

constexpr std::uint32_t kFamilyWithExtensions = 15;
constexpr std::uint32_t kFamilyWithExtendedModel = 6;

using TCpuinfoFields = std::map<std::string, std::string>;

std::string Trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// The "key : value" pairs of the first processor block; the blocks are separated by a blank line.
std::optional<TCpuinfoFields> ReadFirstProcessor(const char* path) {
    std::ifstream file(path);
    if (!file) {
        return std::nullopt;
    }
    TCpuinfoFields fields;
    std::string line;
    while (std::getline(file, line)) {
        if (Trim(line).empty() && !fields.empty()) {
            break;
        }
        const std::size_t colon = line.find(':');
        if (colon != std::string::npos) {
            fields.emplace(Trim(line.substr(0, colon)), Trim(line.substr(colon + 1)));
        }
    }
    return fields;
}

std::set<std::string> Words(const std::string& text) {
    std::istringstream stream(text);
    std::set<std::string> words;
    for (std::string word; stream >> word;) {
        words.insert(word);
    }
    return words;
}

class CpuidMachineTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::optional<TCpuinfoFields> fields = ReadFirstProcessor(kCpuinfoPath);
        if (!fields) {
            GTEST_SKIP() << kCpuinfoPath << " cannot be opened: no OS view of the processor to compare with";
        }
        if (!fields->contains("vendor_id")) {
            GTEST_SKIP() << kCpuinfoPath << " describes no x86 processor";
        }
        cpuinfo = *fields;
        snapshot = ReadCpuidSnapshot();
        report = DecodeProcessorReport(snapshot);
    }

    const std::string& Value(std::size_t lineNumber) const { return report.at(lineNumber - 1).value; }

    std::uint32_t Number(std::size_t lineNumber, int base = 10) const {
        return static_cast<std::uint32_t>(std::stoul(Value(lineNumber), nullptr, base));
    }

    TCpuinfoFields cpuinfo;
    TCpuidSnapshot snapshot;
    std::vector<TReportLine> report;
};

TEST_F(CpuidMachineTest, VendorMatches) { EXPECT_EQ(Value(kVendorLine), cpuinfo.at("vendor_id")); }

// The OS shows family and model with their extensions folded in, so fold the decoded fields alike.
TEST_F(CpuidMachineTest, FamilyModelAndSteppingMatch) {
    const std::uint32_t baseFamily = Number(kFamilyLine);
    const std::uint32_t baseModel = Number(kModelLine, 16);
    const bool extendsFamily = baseFamily == kFamilyWithExtensions;
    const bool extendsModel = extendsFamily || baseFamily == kFamilyWithExtendedModel;

    const std::uint32_t family = extendsFamily ? baseFamily + Number(kExtendedFamilyLine) : baseFamily;
    const std::uint32_t model = extendsModel ? baseModel + (Number(kExtendedModelLine) << 4) : baseModel;

    EXPECT_EQ(std::to_string(family), cpuinfo.at("cpu family"));
    EXPECT_EQ(std::to_string(model), cpuinfo.at("model"));
    EXPECT_EQ(Value(kSteppingLine), cpuinfo.at("stepping"));
}

// The OS cuts the brand at its first 0 byte and trims blanks on both sides.
TEST_F(CpuidMachineTest, ModelNameMatchesBrand) {
    if (!HasExtendedReport(snapshot)) {
        GTEST_SKIP() << "no brand leaves: the OS names this processor from its own tables";
    }
    const std::string& line = Value(kBrandLine);
    ASSERT_EQ(line.rfind(kBrandLead, 0), 0u);
    const std::string brand = line.substr(std::string(kBrandLead).size());
    const std::string modelName = Trim(brand.substr(0, brand.find('\0')));

    // Some nested hypervisors answer CPUID differently in kernel and user mode, and only the
    // brand text differs between the two; the OS's name is then not ours to check against.
    if (modelName != cpuinfo.at("model name") && Words(cpuinfo.at("flags")).contains("hypervisor")) {
        GTEST_SKIP() << "hypervisor shows the kernel \"" << cpuinfo.at("model name") << "\" but user mode \""
                     << modelName << "\"";
    }
    EXPECT_EQ(modelName, cpuinfo.at("model name"));
}

TEST_F(CpuidMachineTest, FeatureFlagsMatch) {
    const std::set<std::string> flags = Words(cpuinfo.at("flags"));
    const std::vector<std::pair<std::string, std::size_t>> flagLines = {
        {"mmx", 16}, {"fxsr", 17}, {"sse", 18}, {"sse2", 19}};
    for (const auto& [flag, lineNumber] : flagLines) {
        EXPECT_EQ(Value(lineNumber) == "支持", flags.contains(flag)) << flag;
    }
}

}  // namespace
