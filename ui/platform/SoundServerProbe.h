#pragma once

namespace ui {

// Whether the sound server answers within timeoutMs. The audio library is let connect only to
// a server that answers: it waits for a stopped one without any limit, and once it has failed
// to reach one it may never try again.
bool soundServerAnswers(int timeoutMs);

} // namespace ui
