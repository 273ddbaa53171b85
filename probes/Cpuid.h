#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct TCpuidRegisters {
    std::uint32_t eax = 0, ebx = 0, ecx = 0, edx = 0;
};

// Results of the eight CPUID executions the report makes, in execution order, and nothing more.
struct TCpuidSnapshot {
    std::uint32_t leaf0Ebx = 0, leaf0Edx = 0, leaf0Ecx = 0;  // execution 1: leaf 0 (vendor text)
    std::uint32_t leaf1Eax = 0, leaf1Ebx = 0, leaf1Edx = 0;  // execution 2: leaf 1
    std::uint32_t leaf3Ecx = 0, leaf3Edx = 0;                // execution 3: leaf 3
    std::uint32_t featureEdx = 0;                            // execution 4: leaf 1 again, EDX
    std::uint32_t highestExtendedLeaf = 0;                   // execution 5: leaf 0x80000000, EAX
    // Executions 6-8: leaves 0x80000002..4, only when highestExtendedLeaf > 0x80000000.
    std::array<TCpuidRegisters, 3> brand{};
};

// One row of the processor report. Both texts are UTF-8. Register bytes (vendor, brand)
// are one character each: 0x01-0x7F as themselves, 0x80-0xFF as U+0080-U+00FF, and a 0
// byte stays a 0 byte in the value, so the value may hold 0 bytes.
struct TReportLine {
    std::string label;
    std::string value;

    bool operator==(const TReportLine&) const = default;
};

// Runs CPUID on the current processor and keeps only what the report shows, so the
// decoding can be tested without the instruction. Returns zeros on non-x86 processors.
TCpuidSnapshot ReadCpuidSnapshot();

// Turns a snapshot into the report rows: 21 rows, or 24 when the extended leaves exist.
// Pure, so any snapshot (real or made up) decodes the same way everywhere.
std::vector<TReportLine> DecodeProcessorReport(const TCpuidSnapshot& snapshot);

// True when the processor offers leaves above 0x80000000 (unsigned compare), i.e. the
// brand leaves were read and the report carries the extended rows.
bool HasExtendedReport(const TCpuidSnapshot& snapshot);
