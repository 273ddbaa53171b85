#include "probes/Cpuid.h"

#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kExtendedLeafBase = 0x80000000u;

constexpr unsigned kSerialNumberBit = 18;
constexpr unsigned kMmxBit = 23;
constexpr unsigned kFxsrBit = 24;
constexpr unsigned kSseBit = 25;
constexpr unsigned kSse2Bit = 26;

constexpr const char* kSupported = "支持";
constexpr const char* kUnsupported = "不支持";

// Extracts `count` bits starting at `first`; used for every packed CPUID field.
std::uint32_t Bits(std::uint32_t value, unsigned first, unsigned count) {
    return (value >> first) & ((1u << count) - 1u);
}

bool IsBitSet(std::uint32_t value, unsigned bit) { return Bits(value, bit, 1) != 0; }

// The four bytes of a register as characters, lowest byte first, one character per byte:
// 0x00-0x7F as themselves (0 bytes are kept), 0x80-0xFF as U+0080-U+00FF in UTF-8. Raw high
// bytes would be invalid UTF-8 and show as U+FFFD.
std::string RegisterText(std::uint32_t value) {
    std::string text;
    for (unsigned byteIndex = 0; byteIndex < 4; ++byteIndex) {
        const std::uint32_t byte = Bits(value, byteIndex * 8, 8);
        if (byte < 0x80u) {
            text.push_back(static_cast<char>(byte));
        } else {
            text.push_back(static_cast<char>(0xC0u | (byte >> 6)));
            text.push_back(static_cast<char>(0x80u | (byte & 0x3Fu)));
        }
    }
    return text;
}

std::string Decimal(std::uint32_t value) { return std::to_string(value); }

std::string HexDigit(std::uint32_t value) {
    constexpr const char* kDigits = "0123456789ABCDEF";
    return std::string(1, kDigits[value & 0xFu]);
}

std::string HexWord(std::uint32_t value) {
    std::string text;
    for (int shift = 28; shift >= 0; shift -= 4) {
        text += HexDigit(value >> shift);
    }
    return text;
}

// A register as "XXXX-XXXX", the grouping used in the serial number.
std::string SerialGroup(std::uint32_t value) {
    const std::string hex = HexWord(value);
    return hex.substr(0, 4) + "-" + hex.substr(4);
}

std::string SerialText(const TCpuidSnapshot& snapshot) {
    return SerialGroup(snapshot.leaf1Eax) + "-" + SerialGroup(snapshot.leaf3Edx) + "-" + SerialGroup(snapshot.leaf3Ecx);
}

std::string VendorText(const TCpuidSnapshot& snapshot) {
    return RegisterText(snapshot.leaf0Ebx) + RegisterText(snapshot.leaf0Edx) + RegisterText(snapshot.leaf0Ecx);
}

// The 48 brand bytes; only a 0 terminator in the very last byte is dropped, because
// everything before it (blanks, inner 0 bytes) is what the processor reports.
std::string BrandText(const TCpuidSnapshot& snapshot) {
    std::string text;
    for (const TCpuidRegisters& registers : snapshot.brand) {
        text += RegisterText(registers.eax) + RegisterText(registers.ebx) + RegisterText(registers.ecx) +
                RegisterText(registers.edx);
    }
    // The 48th byte is EDX's highest byte of the last leaf; when it is 0, it is the text's last byte.
    if (Bits(snapshot.brand.back().edx, 24, 8) == 0) {
        text.pop_back();
    }
    return text;
}

std::string Support(bool supported) { return supported ? kSupported : kUnsupported; }

void AppendIdentification(const TCpuidSnapshot& snapshot, std::vector<TReportLine>& lines) {
    const std::uint32_t signature = snapshot.leaf1Eax;
    const std::uint32_t misc = snapshot.leaf1Ebx;
    const bool hasSerial = IsBitSet(snapshot.leaf1Edx, kSerialNumberBit);

    lines.push_back({"处理器", ""});
    lines.push_back({"   - 供货商ID: ", VendorText(snapshot)});
    lines.push_back({"   - 步进ID: ", Decimal(Bits(signature, 0, 4))});
    lines.push_back({"   - 型号: ", HexDigit(Bits(signature, 4, 4))});
    lines.push_back({"   - 系列代码: ", Decimal(Bits(signature, 8, 4))});
    lines.push_back({"   - 处理器类型: ", Decimal(Bits(signature, 12, 4))});
    lines.push_back({"   - 扩展型号: ", Decimal(Bits(signature, 16, 4))});
    lines.push_back({"   - 大系列: ", Decimal(Bits(signature, 20, 8))});
    lines.push_back({"   - 品牌 ID: ", Decimal(Bits(misc, 0, 8))});
    lines.push_back({"   - 片数: ", Decimal(Bits(misc, 8, 8))});
    lines.push_back({"   - 数量: ", Decimal(Bits(misc, 16, 8))});
    lines.push_back({"   - APIC(高级可编程终端控制器)ID: ", Decimal(Bits(misc, 24, 8))});
    lines.push_back({"   - 序列号 ", hasSerial ? "有效" : "失效"});
    lines.push_back({"   - 序列号: ", SerialText(snapshot)});
    lines.push_back({"", ""});
}

void AppendFeatures(const TCpuidSnapshot& snapshot, std::vector<TReportLine>& lines) {
    const std::uint32_t features = snapshot.featureEdx;
    const bool hasFxsr = IsBitSet(features, kFxsrBit);

    lines.push_back({"MMX(多媒体增强指令集) ", Support(IsBitSet(features, kMmxBit))});
    lines.push_back({hasFxsr ? "FXSAVE & FXRSTOR 指令 " : "FXSAVE & FXRSTOR 指令集", Support(hasFxsr)});
    lines.push_back({"SSE指令集 ", Support(IsBitSet(features, kSseBit))});
    lines.push_back({"SSE2指令集 ", Support(IsBitSet(features, kSse2Bit))});
    lines.push_back({"", ""});
}

void AppendExtended(const TCpuidSnapshot& snapshot, std::vector<TReportLine>& lines) {
    if (!HasExtendedReport(snapshot)) {
        lines.push_back({"   - 扩展CPUID ", "不支持."});
        return;
    }
    lines.push_back({"扩展CPUID: ", kSupported});
    lines.push_back({"   - 高级功能支持: ", Decimal(snapshot.highestExtendedLeaf - kExtendedLeafBase)});
    lines.push_back({"品牌: ", ""});
    lines.push_back({"", "   - " + BrandText(snapshot)});
}

}  // namespace

bool HasExtendedReport(const TCpuidSnapshot& snapshot) { return snapshot.highestExtendedLeaf > kExtendedLeafBase; }

std::vector<TReportLine> DecodeProcessorReport(const TCpuidSnapshot& snapshot) {
    std::vector<TReportLine> lines;
    AppendIdentification(snapshot, lines);
    AppendFeatures(snapshot, lines);
    AppendExtended(snapshot, lines);
    return lines;
}
