#pragma once

#if defined(__x86_64__) || defined(__SSE2__)
#include <xmmintrin.h>
#endif

namespace model {

// While an object of this class lives, the processor treats numbers below the smallest normal
// double (about 2.2e-308) as zero, both as results (flush-to-zero) and as operands
// (denormals-are-zero); the caller's mode comes back when it goes.
//
// Why: on a long flight the horizontal velocity decays by a constant factor per step until it
// is subnormal, and there it sticks (a tenth of the smallest subnormal rounds back to it).
// Every step then does arithmetic on subnormals, which costs the processor a microcode assist
// per operation: about twice the time per step for the whole rest of the flight. Nothing the
// program shows can tell 1e-322 m/s from 0 m/s, so the printed results are the same.
//
// Scoped around whole walks (and one RK4 step), never set for the whole program: other code,
// the number formatting included, keeps the standard behaviour. On processors without SSE
// control bits it does nothing.
class FlushDenormals {
public:
#if defined(__x86_64__) || defined(__SSE2__)
    FlushDenormals() : saved_(_mm_getcsr()) {
        _mm_setcsr(saved_ | kBoth);
    }
    // Only the two mode bits go back; exception flags raised meanwhile stay raised.
    ~FlushDenormals() {
        _mm_setcsr((_mm_getcsr() & ~kBoth) | (saved_ & kBoth));
    }
#else
    FlushDenormals() = default;
#endif
    FlushDenormals(const FlushDenormals&) = delete;
    FlushDenormals& operator=(const FlushDenormals&) = delete;

private:
#if defined(__x86_64__) || defined(__SSE2__)
    static constexpr unsigned kFlushToZero = 0x8000;      // MXCSR bit 15
    static constexpr unsigned kDenormalsAreZero = 0x0040; // MXCSR bit 6
    static constexpr unsigned kBoth = kFlushToZero | kDenormalsAreZero;
    unsigned saved_;
#endif
};

} // namespace model
