#include "ui/Program.h"

#include "ui/platform/ScreenFit.h"

namespace ui {

Program::Program(MessageBoxes& boxes, Tone& tone, DocumentOpener& opener, ExportDialogs& dialogs,
                 const QString& preferencesPath)
    : controller_(window_, boxes, tone), fields_(window_, controller_, boxes, tone),
      menus_(window_, opener, boxes), tools_(window_, controller_, boxes, dialogs),
      comparison_(window_, controller_), readout_(window_, controller_, comparison_),
      presets_(window_, controller_), view_(window_, controller_),
      presentation_(window_, view_.pauseAction()), store_(preferencesPath),
      preferences_(store_.load()) {
    keepWindowsOnScreen();
    window_.setMessageBoxes(&boxes);
    window_.setInterfaceScale(preferences_.interfaceScale);
    controller_.setSpeed(preferences_.animationSpeed);
    comparison_.setComparing(preferences_.comparing);
    view_.show(preferences_.animationSpeed);
    // Each choice that outlives the session changes one member of the preferences.
    auto remember = [this](auto member) {
        return [this, member](auto value) {
            Preferences p = preferences_;
            p.*member = value;
            setPreferences(p);
        };
    };
    QObject::connect(&view_, &ViewCommands::speedChosen, &view_,
                     remember(&Preferences::animationSpeed));
    QObject::connect(&view_, &ViewCommands::scaleChosen, &view_,
                     remember(&Preferences::interfaceScale));
    if (!preferences_.saveFolder.isEmpty())
        tools_.setLastFolder(preferences_.saveFolder);
    QObject::connect(&tools_, &ToolCommands::lastFolderChanged, &tools_,
                     remember(&Preferences::saveFolder));
    tools_.setPictureCaptions(preferences_.pictureCaptions);
    QObject::connect(&tools_, &ToolCommands::pictureCaptionsChanged, &tools_,
                     remember(&Preferences::pictureCaptions));
    QObject::connect(&comparison_, &Comparison::comparingChanged, &comparison_,
                     remember(&Preferences::comparing));
}

void Program::setPreferences(const Preferences& preferences) {
    if (preferences == preferences_)
        return;
    const bool comparingChanged = preferences.comparing != preferences_.comparing;
    preferences_ = preferences;
    window_.setInterfaceScale(preferences.interfaceScale);
    controller_.setSpeed(preferences.animationSpeed);
    view_.show(preferences.animationSpeed);
    if (comparingChanged) // switching it off clears the kept throws
        comparison_.setComparing(preferences.comparing);
    store_.save(preferences_);
}

void Program::start() {
    controller_.load();
    window_.show();
}

} // namespace ui
