// The same throws timed in the native build and in the browser's WebAssembly (under Node.js):
// the RK4 flight alone (after the closed forms and the linear-drag walk) and the whole run as
// the window's ПУСК computes it (curves kept). Wall time, fastest of five. Prints one line per
// throw: "name steps rk4_ms full_ms".
//   native: bench/edition_bench (release or default build); browser: node
//   build/web/edition_bench.js
#include "bench/Throws.h"
#include "model/Throw.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

double millisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

} // namespace

int main() {
    const struct {
        const char* name;
        int which;
    } throws[] = {{"default", 0}, {"viscous", 1}, {"long", 3}};
    for (const auto& t : throws) {
        const bench::Throw b = bench::throwOf(t.which);
        model::ThrowSettings settings;
        settings.nSteps = b.nSteps;
        double flight = 1e300, full = 1e300;
        long long steps = 0;
        for (int round = 0; round < 5; ++round) {
            model::Throw walked(b.in, settings);
            auto start = std::chrono::steady_clock::now();
            while (!walked.flyGroup().done) {
            }
            flight = std::min(flight, millisecondsSince(start));
            steps = static_cast<long long>(walked.flight().stepCount());

            start = std::chrono::steady_clock::now();
            model::Throw whole(b.in, settings);
            whole.runToEnd();
            full = std::min(full, millisecondsSince(start));
        }
        std::printf("%s %lld %.3f %.3f\n", t.name, steps, flight, full);
    }
    return 0;
}
