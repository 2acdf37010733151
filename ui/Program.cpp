#include "ui/Program.h"

#include "graphs/GraphPane.h"
#include "ui/platform/Language.h"
#include "ui/platform/ScreenFit.h"

#include <QFileInfo>
#include <QMenu>

namespace ui {

namespace {

QString stateFile(const QString& preferencesPath, const QString& name) {
    const QString folder = preferencesPath == PreferencesStore::defaultPath()
                               ? QFileInfo(RecoveryFile::defaultPath()).absolutePath()
                               : QFileInfo(preferencesPath).absolutePath();
    return folder + QLatin1Char('/') + name;
}

// The file as another window of this program may just have written it.
Preferences loadAfterWrites(PreferencesStore& store) {
    PreferencesWriter::flushAll();
    return store.load();
}

} // namespace

Program::Program(MessageBoxes& boxes, Tone& tone, DocumentOpener& opener, ExportDialogs& dialogs,
                 const QString& preferencesPath)
    : presenter_(window_, session_), controller_(session_, presenter_,
                                                 {window_.pane(Graph::trajectory),
                                                  window_.pane(Graph::vx), window_.pane(Graph::vy)},
                                                 boxes, tone),
      fields_(window_, controller_, session_, boxes, tone), menus_(window_, opener, boxes),
      tools_(window_, controller_, boxes, dialogs),
      studies_(window_, controller_, session_, tools_, boxes, dialogs),
      comparison_(window_, controller_, session_), readout_(window_, controller_),
      presets_(window_, controller_, session_), dragCoefficient_(window_, session_),
      view_(window_, controller_), measured_(controller_, session_),
      measure_(window_, controller_, measured_, session_, boxes, dialogs),
      presentation_(window_, view_.pauseAction()), languages_(window_), store_(preferencesPath),
      preferences_(loadAfterWrites(store_)),
      lessons_(window_, session_, fields_, tools_, studies_, boxes, dialogs,
               stateFile(preferencesPath, QStringLiteral("recovery.ballflight")),
               stateFile(preferencesPath, QStringLiteral("recent-lessons"))),
      undo_(window_, session_, fields_) {
    presenter_.drive(controller_);
    keepWindowsOnScreen();
    window_.setMessageBoxes(&boxes);
    presentation_.followDragCoefficient([this] { return controller_.inputs().cd; });
    presentation_.shareKeys(view_.scaleMenu()->actions());
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
    useLanguage(preferences_.language.value_or(translations::systemLanguage()));
    QObject::connect(&languages_, &LanguageMenu::languageChosen, &languages_,
                     remember(&Preferences::language));
}

void Program::useLanguage(translations::Language language) {
    LanguageSwitch::instance().choose(language);
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
    preferencesWriter_.save(preferences_);
}

void Program::start(const QString& lessonFile) {
    controller_.load();
    window_.show();
    lessons_.startSession(lessonFile);
}

} // namespace ui
