#pragma once
// What the processor offers, examined once to choose the blend arithmetic.

#include <cstdint>

// Whether the CPUID instruction exists (always on x86-64, never on other processors).
bool ProcessorHasCpuid();
// EAX and EDX of CPUID function 1; 0 without CPUID.
std::uint32_t ReadProcessorSignature();
std::uint32_t ReadProcessorFeatures();
// CPUID, family 5 or later and feature bit 23.
bool ProcessorHasMMX();
