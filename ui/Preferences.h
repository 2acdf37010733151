#pragma once

#include "translations/Translations.h"

#include <QString>

#include <optional>

namespace ui {

// What the program remembers between starts: the interface scale, the animation speed, whether
// throws are compared, the folder files were last saved in, whether pictures carry captions and
// the interface language chosen in the menu (none until then: a start speaks the system's
// language, translations::systemLanguage()). The inputs are never remembered: every start begins
// with the program's defaults.
struct Preferences {
    double interfaceScale = 1; // 1, 1.25, 1.5, 1.75 or 2
    double animationSpeed = 1; // one of the menu's speeds; 0: no animation
    bool comparing = false;
    QString saveFolder; // empty: none yet (the user's pictures or documents)
    bool pictureCaptions = true;
    std::optional<translations::Language> language = std::nullopt;

    friend bool operator==(const Preferences&, const Preferences&) = default;
};

// Preferences kept in an INI file. A file that is missing, unreadable, truncated, full of
// nonsense or not a regular file gives the defaults for whatever it does not hold sensibly,
// without a message; writing replaces the file whole or not at all.
class PreferencesStore {
public:
    // The user's own file (~/.config/ballflight/ballflight.conf) unless a path is given.
    explicit PreferencesStore(QString path = defaultPath());

    Preferences load();
    // Writes the preferences that differ from those last loaded or saved into the file as it is
    // on disk, so two programs running at once keep each other's choices. False when the file
    // could not be written; the program goes on with what it has.
    bool save(const Preferences& preferences);

    const QString& path() const { return path_; }
    static QString defaultPath();

private:
    QString path_;
    Preferences known_; // as last loaded or saved
};

} // namespace ui
