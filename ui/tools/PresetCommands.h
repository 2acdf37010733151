#pragma once

#include <QObject>

class QMenu;

namespace ui {

class MainWindow;
class SessionObject;
class ThrowController;
struct Preset;

// «Материал шара ▸» and «Среда ▸» in «Инструменты», and in the context menus of the ρ, ρo and
// η fields. Choosing a preset writes its values into the fields as a paste does, so the fields'
// own handling checks them (a cork in water is refused as floating), as one step of the undo
// history. Each menu marks the preset the current inputs match.
class PresetCommands : public QObject {
    Q_OBJECT
public:
    PresetCommands(MainWindow& window, const ThrowController& controller, SessionObject& session,
                   QObject* parent = nullptr);

    QMenu* materialsMenu() const { return materials_; }
    QMenu* mediaMenu() const { return media_; }

    // Writes the preset's values into its fields.
    void choose(const Preset& preset);

private:
    QMenu* buildMenu(const char* title, const char* name, bool media);
    void markMatching();

    MainWindow& window_;
    const ThrowController& controller_;
    SessionObject& session_;
    QMenu* materials_ = nullptr;
    QMenu* media_ = nullptr;
};

} // namespace ui
