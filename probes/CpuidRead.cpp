#include "probes/Cpuid.h"

#include <cstddef>

#if defined(_MSC_VER) && (defined(_M_IX86) || defined(_M_X64))
#include <intrin.h>
#elif (defined(__GNUC__) || defined(__clang__)) && (defined(__i386__) || defined(__x86_64__))
#include <cpuid.h>
#endif

namespace {

constexpr std::uint32_t kVendorLeaf = 0;
constexpr std::uint32_t kSignatureLeaf = 1;
constexpr std::uint32_t kSerialLeaf = 3;
constexpr std::uint32_t kExtendedLeafBase = 0x80000000u;
constexpr std::uint32_t kFirstBrandLeaf = 0x80000002u;

// The only place that knows how a compiler spells CPUID; ECX (sub-leaf) is always 0.
TCpuidRegisters ExecuteCpuid(std::uint32_t leaf) {
#if defined(_MSC_VER) && (defined(_M_IX86) || defined(_M_X64))
    int values[4] = {};
    __cpuidex(values, static_cast<int>(leaf), 0);
    return {static_cast<std::uint32_t>(values[0]), static_cast<std::uint32_t>(values[1]),
            static_cast<std::uint32_t>(values[2]), static_cast<std::uint32_t>(values[3])};
#elif (defined(__GNUC__) || defined(__clang__)) && (defined(__i386__) || defined(__x86_64__))
    unsigned int eax = 0, ebx = 0, ecx = 0, edx = 0;
    __cpuid_count(leaf, 0, eax, ebx, ecx, edx);
    return {eax, ebx, ecx, edx};
#else
    static_cast<void>(leaf);  // no CPUID on this processor: the report shows zeros
    return {};
#endif
}

}  // namespace

TCpuidSnapshot ReadCpuidSnapshot() {
    TCpuidSnapshot snapshot;

    const TCpuidRegisters vendor = ExecuteCpuid(kVendorLeaf);
    snapshot.leaf0Ebx = vendor.ebx;
    snapshot.leaf0Edx = vendor.edx;
    snapshot.leaf0Ecx = vendor.ecx;

    const TCpuidRegisters signature = ExecuteCpuid(kSignatureLeaf);
    snapshot.leaf1Eax = signature.eax;
    snapshot.leaf1Ebx = signature.ebx;
    snapshot.leaf1Edx = signature.edx;

    // Read unconditionally: the report shows the serial text even when bit 18 is clear.
    const TCpuidRegisters serial = ExecuteCpuid(kSerialLeaf);
    snapshot.leaf3Ecx = serial.ecx;
    snapshot.leaf3Edx = serial.edx;

    // The feature flags come from their own execution of leaf 1, as the report makes it.
    snapshot.featureEdx = ExecuteCpuid(kSignatureLeaf).edx;

    snapshot.highestExtendedLeaf = ExecuteCpuid(kExtendedLeafBase).eax;
    if (HasExtendedReport(snapshot)) {
        for (std::size_t index = 0; index < snapshot.brand.size(); ++index) {
            snapshot.brand[index] = ExecuteCpuid(kFirstBrandLeaf + static_cast<std::uint32_t>(index));
        }
    }
    return snapshot;
}
