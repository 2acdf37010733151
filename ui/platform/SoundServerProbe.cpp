#include "ui/platform/SoundServerProbe.h"

#include <pulse/context.h>
#include <pulse/mainloop.h>

#include <chrono>

namespace ui {

bool soundServerAnswers(int timeoutMs) {
    pa_mainloop* loop = pa_mainloop_new();
    if (!loop)
        return false;
    pa_context* context = pa_context_new(pa_mainloop_get_api(loop), "ballflight probe");
    bool answers = false;
    // The same server the audio library would find (address, client.conf, autospawn).
    if (context && pa_context_connect(context, nullptr, PA_CONTEXT_NOFLAGS, nullptr) >= 0) {
        using Clock = std::chrono::steady_clock;
        const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
        for (;;) {
            const pa_context_state_t s = pa_context_get_state(context);
            answers = s == PA_CONTEXT_READY;
            if (answers || !PA_CONTEXT_IS_GOOD(s))
                break;
            const auto left =
                std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
            if (left.count() <= 0)
                break;
            if (pa_mainloop_prepare(loop, static_cast<int>(left.count())) < 0 ||
                pa_mainloop_poll(loop) < 0 || pa_mainloop_dispatch(loop) < 0)
                break;
        }
        pa_context_disconnect(context);
    }
    if (context)
        pa_context_unref(context);
    pa_mainloop_free(loop);
    return answers;
}

} // namespace ui
