#include "ui/PreferencesWriter.h"

#include "ui/platform/WorkPool.h"

#include <utility>
#include <vector>

namespace ui {

namespace {

// The writers alive, each made and ended on the window's thread.
std::vector<PreferencesWriter*>& writers() {
    static std::vector<PreferencesWriter*> all;
    return all;
}

} // namespace

PreferencesWriter::PreferencesWriter(PreferencesStore& store) : store_(store) {
    writers().push_back(this);
}

PreferencesWriter::~PreferencesWriter() {
    std::erase(writers(), this);
    flush();
}

void PreferencesWriter::flushAll() {
    for (PreferencesWriter* w : writers())
        w->flush();
}

void PreferencesWriter::save(const Preferences& preferences) {
    const std::lock_guard lock(mutex_);
    pending_ = preferences;
    if (writing_)
        return; // the running task takes it when its write ends
    writing_ = true;
    task_ = runOnWorkPool([this] {
        yieldToTheWindow();
        writeLatest();
    });
}

void PreferencesWriter::flush() {
    task_.waitForFinished();
    // A write that never started (no pool left at the end) is made here.
    std::optional<Preferences> left;
    {
        const std::lock_guard lock(mutex_);
        left = std::exchange(pending_, std::nullopt);
        writing_ = false;
    }
    if (left)
        store_.save(*left);
}

void PreferencesWriter::writeLatest() {
    for (;;) {
        Preferences next;
        {
            const std::lock_guard lock(mutex_);
            if (!pending_) {
                writing_ = false;
                return;
            }
            next = *std::exchange(pending_, std::nullopt);
        }
        store_.save(next);
    }
}

} // namespace ui
