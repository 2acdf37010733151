#pragma once

#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

namespace ui {

// The program's own threads for long work: studies, fits. Qt's global pool is left to Qt, whose
// raster engine waits for that pool while it paints; long work there would freeze the window.
// Made on first use (with an application object), owned by the application object.
//
// A task may itself wait for threads of its own (a study's task waits for its runner's
// workers), so the pool holds more threads than there are cores: a second and a third study
// start at once rather than queue behind the first.
QThreadPool& workPool();

// Lowers the calling thread's priority below the window's (and that of the threads it starts
// after this): long work takes the processor only when the window does not want it. Every task
// on the work pool calls it first.
void yieldToTheWindow();

// Runs function(args…) on the work pool, as QtConcurrent::run does: a function whose first
// parameter is a QPromise<T>& reports its progress and results through it.
template <typename Function, typename... Args> auto runOnWorkPool(Function&& f, Args&&... args) {
    return QtConcurrent::run(&workPool(), std::forward<Function>(f), std::forward<Args>(args)...);
}

} // namespace ui
