#include "ui/lesson/LessonCommands.h"

#include "ui/lesson/LessonDisk.h"
#include "ui/lesson/LessonFile.h"
#include "ui/platform/ExportDialogs.h"
#include "ui/platform/Language.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/platform/SaveFile.h"
#include "ui/run/FieldHandling.h"
#include "ui/run/ThrowController.h"
#include "ui/study/StudyWindow.h"
#include "ui/tools/Comparison.h"
#include "ui/tools/ToolCommands.h"
#include "ui/window/InputField.h"
#include "ui/window/MainWindow.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>

namespace ui {

namespace {

// How often the window is compared with the lesson as saved: the title follows at once for a
// person, and the recovery copy is at most this old (well within 2 s).
constexpr int watchIntervalMs = 500;
constexpr int recoveryWaitMs = 2000;

// The fields' texts; a field still being typed into counts with the value it last accepted, so
// that a copy taken mid-typing («0» on the way to «0.05») can be read back.
FieldTexts textsOf(const MainWindow& window, const FieldHandling& fields,
                   const model::Inputs& accepted) {
    const FieldTexts settled = fieldTexts(accepted);
    FieldTexts texts;
    for (const model::Field f : model::allFields) {
        const auto n = static_cast<std::size_t>(f);
        texts[n] = fields.pending(f) ? settled[n] : window.field(f)->text();
    }
    return texts;
}

model::Inputs settled(const FieldTexts& texts) {
    const auto s = settleFieldTexts(texts);
    return s.index() == 0 ? std::get<SettledInputs>(s).inputs : model::Inputs{};
}

} // namespace

LessonCommands::LessonCommands(MainWindow& window, ThrowController& controller,
                               FieldHandling& fields, Comparison& comparison, ToolCommands& tools,
                               MessageBoxes& boxes, ExportDialogs& dialogs,
                               const QString& recoveryPath, const QString& recentPath,
                               QObject* parent)
    : QObject(parent), window_(window), controller_(controller), fields_(fields),
      comparison_(comparison), tools_(tools), boxes_(boxes), dialogs_(dialogs),
      recovery_(recoveryPath), recent_(recentPath), baseTitle_(window.windowTitle()) {
    createActions();
    window_.setCloseGuard([this] {
        checkForChanges();
        if (!modified_ || path_.isEmpty())
            return MainWindow::CloseAnswer::askAsUsual;
        return settleUnsaved() ? MainWindow::CloseAnswer::close : MainWindow::CloseAnswer::stay;
    });
    connect(&window_, &MainWindow::closing, this, &LessonCommands::endSession);
    watch_.setInterval(watchIntervalMs);
    connect(&watch_, &QTimer::timeout, this, &LessonCommands::checkForChanges);
    // The title: the window's own, then the lesson's name.
    connect(&LanguageSwitch::instance(), &LanguageSwitch::changed, this, [this] {
        baseTitle_ = Texts::tr("Траектория движения шара, брошенного с высоты под углом к "
                               "горизонту в вязкой среде");
        showTitle();
    });
}

LessonCommands::~LessonCommands() {
    window_.setCloseGuard({});
}

void LessonCommands::createActions() {
    auto* file = window_.findChild<QMenu*>(QStringLiteral("mnuFile"));
    QAction* before = window_.menuActions().referenceAction;
    auto item = [&](const char* name, const char* text, const QKeySequence& key,
                    std::function<void()> run) {
        auto* a = new QAction(file);
        a->setObjectName(QLatin1String(name));
        keepTranslated(a, [a, text] { a->setText(Texts::tr(text)); });
        a->setShortcut(key);
        file->insertAction(before, a);
        connect(a, &QAction::triggered, this, std::move(run));
    };
    item("mnuLessonNew", QT_TRANSLATE_NOOP("Texts", "Новый урок"), QKeySequence::New,
         [this] { newLesson(); });
    item("mnuLessonOpen", QT_TRANSLATE_NOOP("Texts", "Открыть урок…"), QKeySequence::Open,
         [this] { openChosen(); });
    item("mnuLessonSave", QT_TRANSLATE_NOOP("Texts", "Сохранить урок"), QKeySequence::Save,
         [this] { save(); });
    item("mnuLessonSaveAs", QT_TRANSLATE_NOOP("Texts", "Сохранить урок как…"),
         QKeySequence(QStringLiteral("Ctrl+Shift+S")), [this] { saveAs(); });
    recentMenu_ = new QMenu(file);
    keepTranslated(recentMenu_,
                   [menu = recentMenu_] { menu->setTitle(Texts::tr("Последние уроки")); });
    recentMenu_->setObjectName(QStringLiteral("mnuLessonRecent"));
    file->insertMenu(before, recentMenu_);
    file->insertSeparator(before)->setObjectName(QStringLiteral("mnuLessonSep"));
    fillRecentMenu();
}

void LessonCommands::fillRecentMenu() {
    recentMenu_->clear();
    int n = 0;
    for (const QString& path : recent_.files()) {
        QAction* a = recentMenu_->addAction(
            QStringLiteral("&%1 %2").arg(++n).arg(QFileInfo(path).completeBaseName()));
        a->setToolTip(QDir::toNativeSeparators(path));
        a->setStatusTip(a->toolTip());
        connect(a, &QAction::triggered, this, [this, path] { open(path); });
    }
    recentMenu_->menuAction()->setEnabled(n > 0);
}

void LessonCommands::setMeasuredData(MeasurementsGetter get, MeasurementsSetter set) {
    getMeasurements_ = std::move(get);
    setMeasurements_ = std::move(set);
    if (setMeasurements_ && measurements_)
        setMeasurements_(measurements_);
    measurements_.reset();
}

Lesson LessonCommands::capture() const {
    Lesson l;
    l.inputs = textsOf(window_, fields_, controller_.inputs());
    l.scaleX = window_.hScroll()->value();
    l.scaleY = window_.vScroll()->value();
    l.graph = static_cast<int>(tools_.shownGraph());
    l.comparing = comparison_.comparing();
    for (const auto& [number, inputs] : comparison_.keptInputs())
        l.kept.push_back({number, fieldTexts(inputs)});
    l.measurements = getMeasurements_ ? getMeasurements_() : measurements_;
    for (const StudyWindow* s : tools_.studyWindows())
        l.studies.push_back(s->settings());
    return l;
}

void LessonCommands::apply(const Lesson& lesson) {
    const auto main = settleFieldTexts(lesson.inputs);
    if (main.index() != 0)
        return; // a lesson read from a file was checked
    const SettledInputs& in = std::get<SettledInputs>(main);
    controller_.restore(in.inputs, in.texts, lesson.scaleX, lesson.scaleY);
    comparison_.setComparing(lesson.comparing);
    std::vector<std::pair<int, model::Inputs>> kept;
    for (const KeptInputs& k : lesson.kept)
        kept.emplace_back(k.number, settled(k.inputs));
    comparison_.restore(lesson.comparing ? kept : decltype(kept){});
    window_.option(static_cast<Graph>(lesson.graph))->setChecked(true);
    if (setMeasurements_)
        setMeasurements_(lesson.measurements);
    else
        measurements_ = lesson.measurements;
    for (StudyWindow* s : tools_.studyWindows())
        s->close();
    for (const StudySettings& s : lesson.studies)
        tools_.openStudy()->apply(s, settled(s.inputs));
    window_.activateWindow();
}

QString LessonCommands::lessonName() const {
    return QFileInfo(path_).completeBaseName();
}

void LessonCommands::showTitle() {
    window_.setWindowTitle(path_.isEmpty() ? baseTitle_
                                           : baseTitle_ + QStringLiteral(" — ") + lessonName() +
                                                 (modified_ ? QStringLiteral("*") : QString()));
}

bool LessonCommands::settleUnsaved() {
    fields_.commitAll();
    checkForChanges();
    if (!modified_ || path_.isEmpty())
        return true;
    const int answer =
        boxes_.choose(Texts::tr("Сохранить изменения в уроке «%1»?").arg(lessonName()),
                      // Russian titles it as the close question even when another lesson opens;
                      // English names what it asks.
                      Texts::tr("На Выход", "unsaved lesson"),
                      {Texts::tr("Сохранить"), Texts::tr("Не сохранять"), Texts::tr("Отмена")});
    if (answer == 0)
        return save();
    return answer == 1;
}

void LessonCommands::newLesson() {
    if (!settleUnsaved())
        return;
    Lesson blank;
    blank.inputs = fieldTexts(model::Inputs{});
    blank.comparing = comparison_.comparing();
    apply(blank);
    path_.clear();
    saved_ = capture();
    checkForChanges();
}

void LessonCommands::openChosen() {
    const QString folder = path_.isEmpty() ? tools_.lastFolder() : QFileInfo(path_).absolutePath();
    const std::optional<QString> path = dialogs_.chooseOpenFile(Texts::tr("Открыть урок"), folder,
                                                                {Texts::tr("Урок (*.ballflight)")});
    if (path)
        open(*path);
}

bool LessonCommands::open(const QString& path) {
    // The lesson on show opened again: its changes are settled first, so that what comes back
    // is what was saved (or, without saving, the file as it was).
    const bool again = !path_.isEmpty() && QFileInfo(path).absoluteFilePath() == path_;
    if (again && !settleUnsaved())
        return false;
    const LessonBytes read = readLessonFile(path);
    auto lesson = read.problem.isEmpty() ? readLessonJson(read.bytes)
                                         : std::variant<Lesson, QString>(read.problem);
    if (lesson.index() == 1) {
        boxes_.inform(Texts::tr("Не удалось открыть урок «%1»: %2.")
                          .arg(QDir::toNativeSeparators(path), std::get<QString>(lesson)),
                      Texts::tr("Открыть урок"));
        if (!QFileInfo::exists(path)) {
            recent_.remove(path);
            fillRecentMenu();
        }
        return false;
    }
    if (!again && !settleUnsaved())
        return false;
    apply(std::get<Lesson>(lesson));
    opened(path, std::get<Lesson>(lesson));
    return true;
}

void LessonCommands::opened(const QString& path, const Lesson&) {
    path_ = QFileInfo(path).absoluteFilePath();
    saved_ = capture();
    recent_.add(path_);
    fillRecentMenu();
    checkForChanges();
}

bool LessonCommands::save() {
    return path_.isEmpty() ? saveAs() : writeTo(path_);
}

bool LessonCommands::saveAs() {
    const QString suggested =
        path_.isEmpty()
            ? QDir(tools_.lastFolder()).filePath(Texts::tr("урок") + QStringLiteral(".ballflight"))
            : path_;
    const auto choice =
        dialogs_.chooseSaveFile(Texts::tr("Сохранить урок как"), suggested,
                                {{Texts::tr("Урок (*.ballflight)"), QStringLiteral("ballflight")}});
    if (!choice)
        return false;
    QString path = choice->path;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".ballflight");
    return writeTo(path);
}

bool LessonCommands::writeTo(const QString& path) {
    fields_.commitAll();
    const Lesson lesson = capture();
    const QString problem = writeLessonFile(path, lessonJson(lesson));
    if (!problem.isEmpty()) {
        boxes_.inform(saveFailedText(path, problem), Texts::tr("Сохранить урок"));
        return false;
    }
    opened(path, lesson);
    return true;
}

void LessonCommands::checkForChanges() {
    if (ended_)
        return;
    const Lesson now = capture();
    modified_ = !(now == saved_);
    showTitle();
    if (modified_ && (!recoveryWritten_ || !(now == written_))) {
        QJsonObject o = QJsonDocument::fromJson(lessonJson(now)).object();
        if (!path_.isEmpty())
            o.insert(QStringLiteral("recoveryOf"), path_);
        recovery_.write(QJsonDocument(o).toJson(QJsonDocument::Compact));
        written_ = now;
        recoveryWritten_ = true;
    } else if (!modified_ && recoveryWritten_) {
        recovery_.remove();
        recoveryWritten_ = false;
    }
}

void LessonCommands::startSession(const QString& file) {
    saved_ = capture();
    if (recovery_.exists()) {
        const bool restore =
            boxes_.confirm(Texts::tr("Восстановить урок, не сохранённый при прошлом завершении?"),
                           Texts::tr("Восстановление урока"));
        const LessonBytes read = restore ? readLessonFile(recovery_.path()) : LessonBytes{};
        const auto lesson = read.problem.isEmpty() && restore
                                ? readLessonJson(read.bytes)
                                : std::variant<Lesson, QString>(QString());
        if (restore && lesson.index() == 0) {
            apply(std::get<Lesson>(lesson));
            path_ = QJsonDocument::fromJson(read.bytes).object().value("recoveryOf").toString();
            saved_ = Lesson{}; // unsaved until the user saves it
        } else {
            if (restore)
                boxes_.inform(
                    Texts::tr("Не удалось восстановить урок: %1.")
                        .arg(read.problem.isEmpty() ? std::get<QString>(lesson) : read.problem),
                    Texts::tr("Восстановление урока"));
            recovery_.remove();
        }
    }
    if (!file.isEmpty())
        open(file);
    checkForChanges();
    watch_.start();
}

void LessonCommands::endSession() {
    ended_ = true;
    watch_.stop();
    recovery_.remove();
    recovery_.waitForDone(recoveryWaitMs);
}

} // namespace ui
