#include "skin/core/skProcessorFeatures.h"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

namespace {

#if defined(__x86_64__) || defined(__i386__)
bool ReadCpuidLeaf1(std::uint32_t& eax, std::uint32_t& edx)
{
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (!__get_cpuid(1, &a, &b, &c, &d))
        return false;
    eax = a;
    edx = d;
    return true;
}
#else
bool ReadCpuidLeaf1(std::uint32_t&, std::uint32_t&) { return false; }
#endif

} // namespace

bool ProcessorHasCpuid()
{
#if defined(__x86_64__) || defined(__i386__)
    return __get_cpuid_max(0, nullptr) != 0;
#else
    return false;
#endif
}

std::uint32_t ReadProcessorSignature()
{
    std::uint32_t eax = 0, edx = 0;
    return ReadCpuidLeaf1(eax, edx) ? eax : 0;
}

std::uint32_t ReadProcessorFeatures()
{
    std::uint32_t eax = 0, edx = 0;
    return ReadCpuidLeaf1(eax, edx) ? edx : 0;
}

bool ProcessorHasMMX()
{
    if (!ProcessorHasCpuid())
        return false;
    const std::uint32_t family = (ReadProcessorSignature() >> 8) & 0xF;
    return family >= 5 && (ReadProcessorFeatures() & (1u << 23)) != 0;
}
