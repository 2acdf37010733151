#include "model/study/StudyRunner.h"

#include <algorithm>
#include <exception>
#include <mutex>
#include <vector>
#ifndef __EMSCRIPTEN__
#include <thread>
#endif

namespace model {

int allCores() {
#ifdef __EMSCRIPTEN__
    return 1; // the browser build has no threads: its points run one after another
#else
    return std::max(1u, std::thread::hardware_concurrency());
#endif
}

bool runPoints(int count, int threads, const std::atomic<bool>& stop,
               const std::function<bool(int index)>& work,
               const std::function<void(int done)>& progress) {
    std::atomic<int> next{0};
    std::atomic<bool> abandoned{false}; // stop seen, or a worker failed
    std::mutex reporting;
    int done = 0;
    std::exception_ptr failure;

    auto worker = [&] {
        try {
            while (!abandoned.load(std::memory_order_relaxed)) {
                if (stop.load(std::memory_order_relaxed)) {
                    abandoned = true;
                    break;
                }
                const int index = next.fetch_add(1, std::memory_order_relaxed);
                if (index >= count)
                    break;
                if (!work(index)) {
                    abandoned = true;
                    break;
                }
                const std::lock_guard lock(reporting);
                ++done;
                if (progress)
                    progress(done);
            }
        } catch (...) {
            const std::lock_guard lock(reporting);
            if (!failure)
                failure = std::current_exception();
            abandoned = true;
        }
    };

#ifdef __EMSCRIPTEN__
    static_cast<void>(threads); // the browser build has no threads: one worker does every point
    worker();
#else
    const int n = std::clamp(threads, 1, std::max(count, 1));
    if (n == 1) {
        worker();
    } else {
        std::vector<std::jthread> pool;
        pool.reserve(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i)
            pool.emplace_back(worker);
    } // the jthreads join here
#endif
    if (failure)
        std::rethrow_exception(failure);
    return done == count;
}

} // namespace model
