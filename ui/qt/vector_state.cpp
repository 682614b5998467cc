#include "ui/qt/vector_state.h"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#include <immintrin.h>
#define CALCFLUIDES_X86 1
#endif

namespace cf::qt {

#ifdef CALCFLUIDES_X86

namespace {

// The only instructions built for AVX: they run only once the processor has been seen to have it.
__attribute__((target("avx"))) void zero_upper() { _mm256_zeroupper(); }
__attribute__((target("xsave"))) unsigned long long state_in_use() { return _xgetbv(1); }

bool has_avx() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx");
}
const bool avx = has_avx();

bool tells_state_in_use() {
    unsigned a = 0, b = 0, c = 0, d = 0;
    // XGETBV with ECX = 1 (the state components in use) exists where CPUID leaf 0xD, sub-leaf 1, sets EAX bit 2.
    return avx && __get_cpuid_count(0xD, 1, &a, &b, &c, &d) && (a & (1u << 2)) != 0;
}

}  // namespace

void clear_vector_state() {
    if (avx) zero_upper();
}

std::optional<bool> vector_state_in_use() {
    static const bool tells = tells_state_in_use();
    if (!tells) return std::nullopt;
    constexpr unsigned long long upper_halves = 1u << 2;  // the AVX state component
    return (state_in_use() & upper_halves) != 0;
}

#else

void clear_vector_state() {}
std::optional<bool> vector_state_in_use() { return std::nullopt; }

#endif

}  // namespace cf::qt
