#include "probes/Cpuid.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

using namespace std::string_literals;

// Shows 0 bytes visibly when a line differs.
static void PrintTo(const TReportLine& line, std::ostream* out) {
    *out << ::testing::PrintToString(line.label) << " = " << ::testing::PrintToString(line.value);
}

namespace {

constexpr std::size_t kReportLines = 21;
constexpr std::size_t kExtendedReportLines = 24;

// Packs 48 brand bytes into the brand leaves: EAX, EBX, ECX, EDX per leaf, lowest byte first.
std::array<TCpuidRegisters, 3> BrandRegisters(const std::string& text) {
    std::array<std::uint32_t, 12> words{};
    for (std::size_t index = 0; index < text.size() && index < 48; ++index) {
        const auto byte = static_cast<std::uint32_t>(static_cast<unsigned char>(text[index]));
        words[index / 4] |= byte << (8 * (index % 4));
    }
    std::array<TCpuidRegisters, 3> brand{};
    for (std::size_t leaf = 0; leaf < brand.size(); ++leaf) {
        brand[leaf] = {words[leaf * 4], words[leaf * 4 + 1], words[leaf * 4 + 2], words[leaf * 4 + 3]};
    }
    return brand;
}

// Names each parameterised case after its table row, so a failure points at the row.
struct TCaseName {
    template <typename TCase>
    std::string operator()(const ::testing::TestParamInfo<TCase>& caseInfo) const {
        return caseInfo.param.name;
    }
};

// Prints a case as its row name in test listings, not as a dump of its bytes.
template <typename TCase>
requires requires(const TCase& c) { c.name; }
void PrintTo(const TCase& c, std::ostream* os) { *os << c.name; }

// Lines `first`..`last` (1-based, as the report is numbered) of a report.
std::vector<TReportLine> Lines(const std::vector<TReportLine>& report, std::size_t first, std::size_t last) {
    return {report.begin() + static_cast<std::ptrdiff_t>(first - 1),
            report.begin() + static_cast<std::ptrdiff_t>(last)};
}

std::vector<std::string> Values(const std::vector<TReportLine>& report, std::size_t first, std::size_t last) {
    std::vector<std::string> values;
    for (const TReportLine& line : Lines(report, first, last)) {
        values.push_back(line.value);
    }
    return values;
}

TEST(CpuidReport, DecodesACompleteReportExactly) {
    TCpuidSnapshot snapshot;
    snapshot.leaf0Ebx = 0x756E6547;  // "Genu"
    snapshot.leaf0Edx = 0x49656E69;  // "ineI"
    snapshot.leaf0Ecx = 0x6C65746E;  // "ntel"
    snapshot.leaf1Eax = 0x000306A9;
    snapshot.leaf1Ebx = 0x05100800;
    snapshot.leaf1Edx = 0xBFEBFBFF;  // bit 18 clear
    snapshot.leaf3Ecx = 0x0000ABCD;
    snapshot.leaf3Edx = 0x12345678;
    snapshot.featureEdx = 0xBFEBFBFF;
    snapshot.highestExtendedLeaf = 0x80000008;
    snapshot.brand = BrandRegisters("        Intel(R) Core(TM) i7-3770 CPU @ 3.40GHz\0"s);

    const std::vector<TReportLine> expected = {
        {"处理器", ""},
        {"   - 供货商ID: ", "GenuineIntel"},
        {"   - 步进ID: ", "9"},
        {"   - 型号: ", "A"},
        {"   - 系列代码: ", "6"},
        {"   - 处理器类型: ", "0"},
        {"   - 扩展型号: ", "3"},
        {"   - 大系列: ", "0"},
        {"   - 品牌 ID: ", "0"},
        {"   - 片数: ", "8"},
        {"   - 数量: ", "16"},
        {"   - APIC(高级可编程终端控制器)ID: ", "5"},
        {"   - 序列号 ", "失效"},
        {"   - 序列号: ", "0003-06A9-1234-5678-0000-ABCD"},
        {"", ""},
        {"MMX(多媒体增强指令集) ", "支持"},
        {"FXSAVE & FXRSTOR 指令 ", "支持"},
        {"SSE指令集 ", "支持"},
        {"SSE2指令集 ", "支持"},
        {"", ""},
        {"扩展CPUID: ", "支持"},
        {"   - 高级功能支持: ", "8"},
        {"品牌: ", ""},
        {"", "   -         Intel(R) Core(TM) i7-3770 CPU @ 3.40GHz"},
    };
    EXPECT_EQ(DecodeProcessorReport(snapshot), expected);
}

struct TVendorCase {
    const char* name;
    std::uint32_t ebx, edx, ecx;
    std::string expected;  // line 2's value
};

class CpuidVendorTest : public ::testing::TestWithParam<TVendorCase> {};

TEST_P(CpuidVendorTest, MapsEachRegisterByteToOneCharacter) {
    const TVendorCase& param = GetParam();
    TCpuidSnapshot snapshot;
    snapshot.leaf0Ebx = param.ebx;
    snapshot.leaf0Edx = param.edx;
    snapshot.leaf0Ecx = param.ecx;

    EXPECT_EQ(Values(DecodeProcessorReport(snapshot), 2, 2), std::vector<std::string>{param.expected});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CpuidVendorTest,
    ::testing::Values(
        // 0x80 and 0xFF become U+0080 and U+00FF; 0x7F and 0x01 stay single bytes.
        TVendorCase{"HighBytesAreLatin1", 0x017FFF80, 0x6E69756E, 0x6C65746E, "\xC2\x80\xC3\xBF\x7F\x01nuinntel"s},
        // 0xBF and 0xC0 lie on either side of a change of UTF-8 lead byte.
        TVendorCase{"LeadByteBoundary", 0x4141C0BF, 0x41414141, 0x41414141, "\xC2\xBF\xC3\x80"s + std::string(10, 'A')},
        TVendorCase{"ZeroBytesStaySingleZeros", 0x00FF0041, 0, 0x00000042,
                    "A\0\xC3\xBF\0"s + std::string(4, '\0') + "B\0\0\0"s}),
    TCaseName{});

struct TLeaf1Case {
    const char* name;
    std::uint32_t eax, ebx, edx, leaf3Edx, leaf3Ecx;
    // Values of lines 3-14: stepping .. APIC ID, serial state, serial text.
    std::vector<std::string> expected;
};

class CpuidLeaf1Test : public ::testing::TestWithParam<TLeaf1Case> {};

TEST_P(CpuidLeaf1Test, DecodesSignatureMiscAndSerial) {
    const TLeaf1Case& param = GetParam();
    TCpuidSnapshot snapshot;
    snapshot.leaf1Eax = param.eax;
    snapshot.leaf1Ebx = param.ebx;
    snapshot.leaf1Edx = param.edx;
    snapshot.leaf3Edx = param.leaf3Edx;
    snapshot.leaf3Ecx = param.leaf3Ecx;
    // The opposite bits in the second leaf-1 execution: the serial state must not come from it.
    snapshot.featureEdx = ~param.edx;

    EXPECT_EQ(Values(DecodeProcessorReport(snapshot), 3, 14), param.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CpuidLeaf1Test,
    ::testing::Values(
        TLeaf1Case{"AllZero",
                   0,
                   0,
                   0,
                   0,
                   0,
                   {"0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "失效", "0000-0000-0000-0000-0000-0000"}},
        TLeaf1Case{
            "AllOnesKeepsFieldWidths",
            0xFFFFFFFF,
            0xFFFFFFFF,
            0xFFFFFFFF,
            0xFFFFFFFF,
            0xFFFFFFFF,
            {"15", "F", "15", "15", "15", "255", "255", "255", "255", "255", "有效", "FFFF-FFFF-FFFF-FFFF-FFFF-FFFF"}},
        TLeaf1Case{"SteppingTenModelB",
                   0x000000BA,
                   0,
                   0,
                   0,
                   0,
                   {"10", "B", "0", "0", "0", "0", "0", "0", "0", "0", "失效", "0000-00BA-0000-0000-0000-0000"}},
        TLeaf1Case{"SteppingTwelveModelA",
                   0x000000AC,
                   0,
                   0,
                   0,
                   0,
                   {"12", "A", "0", "0", "0", "0", "0", "0", "0", "0", "失效", "0000-00AC-0000-0000-0000-0000"}},
        TLeaf1Case{"ProcessorTypeUsesAllFourBits",
                   0x0000F000,
                   0,
                   0,
                   0,
                   0,
                   {"0", "0", "0", "15", "0", "0", "0", "0", "0", "0", "失效", "0000-F000-0000-0000-0000-0000"}},
        TLeaf1Case{"ExtendedFamilyIgnoresBit28",
                   0x10A50000,
                   0,
                   0,
                   0,
                   0,
                   {"0", "0", "0", "0", "5", "10", "0", "0", "0", "0", "失效", "10A5-0000-0000-0000-0000-0000"}},
        TLeaf1Case{"MiscBytesInOrder",
                   0,
                   0x12345678,
                   0,
                   0,
                   0,
                   {"0", "0", "0", "0", "0", "0", "120", "86", "52", "18", "失效", "0000-0000-0000-0000-0000-0000"}},
        TLeaf1Case{"SignatureF29SerialValid",
                   0x00000F29,
                   0,
                   1u << 18,
                   0,
                   0,
                   {"9", "2", "15", "0", "0", "0", "0", "0", "0", "0", "有效", "0000-0F29-0000-0000-0000-0000"}},
        TLeaf1Case{"SignatureF29SerialInvalid",
                   0x00000F29,
                   0,
                   ~(1u << 18),
                   0,
                   0,
                   {"9", "2", "15", "0", "0", "0", "0", "0", "0", "0", "失效", "0000-0F29-0000-0000-0000-0000"}},
        TLeaf1Case{"SerialOrderEdxBeforeEcx",
                   0x00000F29,
                   0,
                   0,
                   0x89ABCDEF,
                   0x01234567,
                   {"9", "2", "15", "0", "0", "0", "0", "0", "0", "0", "失效", "0000-0F29-89AB-CDEF-0123-4567"}}),
    TCaseName{});

struct TFeatureCase {
    const char* name;
    std::uint32_t featureEdx;
    std::vector<TReportLine> expected;  // lines 16-19
};

class CpuidFeatureTest : public ::testing::TestWithParam<TFeatureCase> {};

TEST_P(CpuidFeatureTest, DecodesFeatureFlags) {
    const TFeatureCase& param = GetParam();
    TCpuidSnapshot snapshot;
    snapshot.featureEdx = param.featureEdx;
    // The opposite bits in the first leaf-1 execution: the flags must not come from it.
    snapshot.leaf1Edx = ~param.featureEdx;

    EXPECT_EQ(Lines(DecodeProcessorReport(snapshot), 16, 19), param.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, CpuidFeatureTest,
                         ::testing::Values(TFeatureCase{"None",
                                                        0,
                                                        {{"MMX(多媒体增强指令集) ", "不支持"},
                                                         {"FXSAVE & FXRSTOR 指令集", "不支持"},
                                                         {"SSE指令集 ", "不支持"},
                                                         {"SSE2指令集 ", "不支持"}}},
                                           TFeatureCase{"All",
                                                        0xFFFFFFFF,
                                                        {{"MMX(多媒体增强指令集) ", "支持"},
                                                         {"FXSAVE & FXRSTOR 指令 ", "支持"},
                                                         {"SSE指令集 ", "支持"},
                                                         {"SSE2指令集 ", "支持"}}},
                                           TFeatureCase{"MmxOnly",
                                                        1u << 23,
                                                        {{"MMX(多媒体增强指令集) ", "支持"},
                                                         {"FXSAVE & FXRSTOR 指令集", "不支持"},
                                                         {"SSE指令集 ", "不支持"},
                                                         {"SSE2指令集 ", "不支持"}}},
                                           TFeatureCase{"FxsrOnly",
                                                        1u << 24,
                                                        {{"MMX(多媒体增强指令集) ", "不支持"},
                                                         {"FXSAVE & FXRSTOR 指令 ", "支持"},
                                                         {"SSE指令集 ", "不支持"},
                                                         {"SSE2指令集 ", "不支持"}}},
                                           TFeatureCase{"SseOnly",
                                                        1u << 25,
                                                        {{"MMX(多媒体增强指令集) ", "不支持"},
                                                         {"FXSAVE & FXRSTOR 指令集", "不支持"},
                                                         {"SSE指令集 ", "支持"},
                                                         {"SSE2指令集 ", "不支持"}}},
                                           TFeatureCase{"Sse2Only",
                                                        1u << 26,
                                                        {{"MMX(多媒体增强指令集) ", "不支持"},
                                                         {"FXSAVE & FXRSTOR 指令集", "不支持"},
                                                         {"SSE指令集 ", "不支持"},
                                                         {"SSE2指令集 ", "支持"}}},
                                           TFeatureCase{"AllButTheFour",
                                                        ~(0xFu << 23),
                                                        {{"MMX(多媒体增强指令集) ", "不支持"},
                                                         {"FXSAVE & FXRSTOR 指令集", "不支持"},
                                                         {"SSE指令集 ", "不支持"},
                                                         {"SSE2指令集 ", "不支持"}}}),
                         TCaseName{});

struct TExtendedCase {
    const char* name;
    std::uint32_t highestExtendedLeaf;
    std::vector<TReportLine> expectedTail;  // from line 21 to the end
};

class CpuidExtendedTest : public ::testing::TestWithParam<TExtendedCase> {};

TEST_P(CpuidExtendedTest, ShowsExtendedRowsOnlyAboveTheBaseLeaf) {
    const TExtendedCase& param = GetParam();
    TCpuidSnapshot snapshot;
    snapshot.highestExtendedLeaf = param.highestExtendedLeaf;
    snapshot.brand = BrandRegisters(std::string(47, 'x') + "\0"s);

    const std::vector<TReportLine> report = DecodeProcessorReport(snapshot);
    const std::size_t expectedSize = 20 + param.expectedTail.size();
    ASSERT_EQ(report.size(), expectedSize);
    EXPECT_EQ(HasExtendedReport(snapshot), expectedSize == kExtendedReportLines);
    EXPECT_EQ(Lines(report, 21, expectedSize), param.expectedTail);
}

const std::vector<TReportLine> kNoExtendedTail = {{"   - 扩展CPUID ", "不支持."}};

std::vector<TReportLine> ExtendedTail(const std::string& count) {
    return {
        {"扩展CPUID: ", "支持"}, {"   - 高级功能支持: ", count}, {"品牌: ", ""}, {"", "   - " + std::string(47, 'x')}};
}

INSTANTIATE_TEST_SUITE_P(Cases, CpuidExtendedTest,
                         ::testing::Values(TExtendedCase{"Zero", 0, kNoExtendedTail},
                                           TExtendedCase{"SmallNumberIsNotAboveUnsigned", 5, kNoExtendedTail},
                                           TExtendedCase{"BaseLeafItself", 0x80000000, kNoExtendedTail},
                                           TExtendedCase{"OneAboveBase", 0x80000001, ExtendedTail("1")},
                                           TExtendedCase{"LastBrandLeaf", 0x80000004, ExtendedTail("4")},
                                           TExtendedCase{"Highest", 0xFFFFFFFF, ExtendedTail("2147483647")}),
                         TCaseName{});

TEST(CpuidReport, LineCountsDoNotDependOnOtherFields) {
    TCpuidSnapshot snapshot;
    snapshot.leaf1Eax = snapshot.leaf1Ebx = snapshot.leaf1Edx = snapshot.featureEdx = 0xFFFFFFFF;
    snapshot.brand = BrandRegisters(std::string(48, 'x'));
    EXPECT_EQ(DecodeProcessorReport(snapshot).size(), kReportLines);
    snapshot.highestExtendedLeaf = 0x80000001;
    EXPECT_EQ(DecodeProcessorReport(snapshot).size(), kExtendedReportLines);
}

struct TBrandCase {
    const char* name;
    std::string registers;  // the 48 bytes as the brand leaves return them
    std::string expected;   // line 24 without its "   - " lead
};

class CpuidBrandTest : public ::testing::TestWithParam<TBrandCase> {};

TEST_P(CpuidBrandTest, KeepsBrandBytesExceptAFinalZero) {
    const TBrandCase& param = GetParam();
    ASSERT_EQ(param.registers.size(), 48u);
    TCpuidSnapshot snapshot;
    snapshot.highestExtendedLeaf = 0x80000008;
    snapshot.brand = BrandRegisters(param.registers);

    const std::vector<TReportLine> report = DecodeProcessorReport(snapshot);
    ASSERT_EQ(report.size(), kExtendedReportLines);
    EXPECT_EQ(report.back(), (TReportLine{"", "   - " + param.expected}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CpuidBrandTest,
    ::testing::Values(TBrandCase{"NoZeroKeepsAll48", "Intel(R) Xeon(R) Gold 6148 CPU @ 2.40GHz Family6",
                                 "Intel(R) Xeon(R) Gold 6148 CPU @ 2.40GHz Family6"},
                      TBrandCase{"LeadingBlanksKept", "        Intel(R) Core(TM) i7-3770 CPU @ 3.40GHz\0"s,
                                 "        Intel(R) Core(TM) i7-3770 CPU @ 3.40GHz"},
                      TBrandCase{"ZeroIn48thByteDropped", std::string(47, 'b') + "\0"s, std::string(47, 'b')},
                      TBrandCase{"TrailingZerosAllButLastKept", "AMD EPYC" + std::string(40, '\0'),
                                 "AMD EPYC" + std::string(39, '\0')},
                      // 0xAE and 0xFF are U+00AE and U+00FF, two UTF-8 bytes each.
                      TBrandCase{"InnerZerosAndHighBytesKept", "A\0B\xAE\xFF"s + std::string(42, 'c') + "\0"s,
                                 "A\0B\xC2\xAE\xC3\xBF"s + std::string(42, 'c')},
                      TBrandCase{"HighLastByteKeptWhole", std::string(47, 'd') + "\x80",
                                 std::string(47, 'd') + "\xC2\x80"},
                      TBrandCase{"AllZero", std::string(48, '\0'), std::string(47, '\0')}),
    TCaseName{});

}  // namespace
