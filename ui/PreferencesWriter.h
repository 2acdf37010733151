#pragma once

#include "ui/Preferences.h"

#include <QFuture>

#include <mutex>
#include <optional>

namespace ui {

// Writes the preferences off the window's thread: a choice in a menu asks for a write and
// returns at once, while the file is written on the work pool. Writes follow one another, each
// of the latest preferences asked for (choices made meanwhile are written together). flush()
// — and the end of the writer, when the program quits — waits for the writing, so the last
// choice is on disk even right after it was made.
class PreferencesWriter {
public:
    // The store is written only through this writer from now on, and must outlive it.
    explicit PreferencesWriter(PreferencesStore& store);
    ~PreferencesWriter();
    PreferencesWriter(const PreferencesWriter&) = delete;
    PreferencesWriter& operator=(const PreferencesWriter&) = delete;

    void save(const Preferences& preferences);
    // Every preference asked for is on disk (or its write has failed) when it returns.
    void flush();
    // Flushes every writer of the program (on the window's thread): what one of its windows
    // chose is in the file before another one reads it.
    static void flushAll();

private:
    void writeLatest();

    PreferencesStore& store_;
    std::mutex mutex_;
    std::optional<Preferences> pending_; // asked for, not yet taken by a write
    bool writing_ = false;               // a task runs (or is queued) that takes pending_
    QFuture<void> task_;
};

} // namespace ui
