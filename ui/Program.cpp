#include "ui/Program.h"

namespace ui {

Program::Program(MessageBoxes& boxes, Tone& tone, DocumentOpener& opener,
                 const QString& preferencesPath)
    : controller_(window_, boxes, tone), fields_(window_, controller_, boxes, tone),
      menus_(window_, opener, boxes), store_(preferencesPath), preferences_(store_.load()) {
    window_.setMessageBoxes(&boxes);
    window_.setInterfaceScale(preferences_.interfaceScale);
    controller_.setSpeed(preferences_.animationSpeed);
}

void Program::setPreferences(const Preferences& preferences) {
    if (preferences == preferences_)
        return;
    preferences_ = preferences;
    window_.setInterfaceScale(preferences.interfaceScale);
    controller_.setSpeed(preferences.animationSpeed);
    store_.save(preferences_);
}

void Program::start() {
    controller_.load();
    window_.show();
}

} // namespace ui
