#include "ui/lesson/LessonCommands.h"

#include "model/session/LessonFile.h"
#include "ui/lesson/LessonDisk.h"
#include "ui/platform/ExportDialogs.h"
#include "ui/platform/Language.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/platform/SaveFile.h"
#include "ui/run/FieldHandling.h"
#include "ui/run/SessionObject.h"
#include "ui/study/StudyWindow.h"
#include "ui/study/StudyWindows.h"
#include "ui/tools/ToolCommands.h"
#include "ui/window/MainWindow.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPointer>

namespace ui {

namespace {

// A change is copied at most this long after it (well within 2 s), however long the changes go on.
constexpr int recoveryDelayMs = 500;
constexpr int recoveryWaitMs = 2000;

} // namespace

LessonCommands::LessonCommands(MainWindow& window, SessionObject& session, FieldHandling& fields,
                               ToolCommands& tools, StudyWindows& studies, MessageBoxes& boxes,
                               ExportDialogs& dialogs, const QString& recoveryPath,
                               const QString& recentPath, QObject* parent)
    : QObject(parent), window_(window), session_(session), fields_(fields), tools_(tools),
      studies_(studies), boxes_(boxes), dialogs_(dialogs), recovery_(recoveryPath),
      recent_(recentPath) {
    createActions();
    window_.setCloseGuard([this] {
        if (!modified() || path_.isEmpty())
            return MainWindow::CloseAnswer::askAsUsual;
        return settleUnsaved() ? MainWindow::CloseAnswer::close : MainWindow::CloseAnswer::stay;
    });
    connect(&window_, &MainWindow::closing, this, &LessonCommands::endSession);
    recoveryDue_.setSingleShot(true);
    recoveryDue_.setInterval(recoveryDelayMs);
    connect(&recoveryDue_, &QTimer::timeout, this, &LessonCommands::checkForChanges);
    auto changed = [this] {
        if (!recoveryDue_.isActive())
            recoveryDue_.start();
    };
    connect(&session_, &SessionObject::lessonChanged, this, changed);
    connect(&session_, &SessionObject::savedChanged, this, changed);
    connect(&session_, &SessionObject::savedChanged, this, &LessonCommands::showTitle);
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

session::Lesson LessonCommands::capture() const {
    return session_.session().lesson();
}

bool LessonCommands::modified() const {
    return session_.session().modified();
}

void LessonCommands::apply(const session::Lesson& lesson) {
    if (!session_.openLesson(lesson).isEmpty())
        return; // a lesson read from a file was checked
    for (StudyWindow* s : studies_.windows())
        s->close();
    for (const session::StudySettings& s : lesson.studies) {
        const session::SettledInputs settled = session::settleFieldTexts(s.inputs, s.cd);
        studies_.open()->apply(s, settled.problem.empty() ? settled.inputs : model::Inputs{});
    }
    window_.activateWindow();
}

QString LessonCommands::lessonName() const {
    return QFileInfo(path_).completeBaseName();
}

void LessonCommands::showTitle() {
    // The window's own title, then the lesson's name with the mark of unsaved changes.
    const bool named = !path_.isEmpty();
    window_.setTitleSuffix(named ? QStringLiteral(" — ") + lessonName() + QStringLiteral("[*]")
                                 : QString());
    window_.setWindowModified(named && modified());
}

bool LessonCommands::settleUnsaved() {
    fields_.commitAll();
    if (!modified() || path_.isEmpty())
        return true;
    const int answer =
        boxes_.choose(Texts::tr("Сохранить изменения в уроке «%1»?").arg(lessonName()),
                      // Russian titles it as the close question even when another lesson opens;
                      // English names what it asks.
                      Texts::tr("На Выход", "unsaved lesson"),
                      {Texts::tr("Сохранить"), Texts::tr("Не сохранять"), Texts::tr("Отмена")});
    if (answer == 0)
        return writeNow(path_);
    return answer == 1;
}

void LessonCommands::newLesson() {
    if (!settleUnsaved())
        return;
    session::Lesson blank;
    blank.inputs = session::fieldTexts(model::Inputs{});
    blank.comparing = session_.session().comparing();
    apply(blank);
    path_.clear();
    session_.session().markSaved();
    showTitle();
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
    session::LessonRead lesson;
    if (read.problem.isEmpty())
        lesson = session::readLessonJson(
            std::string_view(read.bytes.constData(), std::size_t(read.bytes.size())));
    else
        lesson.problem = read.problem.toStdString();
    if (!lesson.lesson) {
        boxes_.inform(
            Texts::tr("Не удалось открыть урок «%1»: %2.")
                .arg(QDir::toNativeSeparators(path), QString::fromStdString(lesson.problem)),
            Texts::tr("Открыть урок"));
        if (!QFileInfo::exists(path)) {
            recent_.remove(path);
            fillRecentMenu();
        }
        return false;
    }
    if (!again && !settleUnsaved())
        return false;
    apply(*lesson.lesson);
    opened(path);
    return true;
}

void LessonCommands::opened(const QString& path) {
    path_ = QFileInfo(path).absoluteFilePath();
    session_.session().markSaved();
    recent_.add(path_);
    fillRecentMenu();
    showTitle();
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
    const session::Lesson lesson = capture();
    tools_.saves().save(
        path, Texts::tr("Сохранить урок"),
        [lesson](const BackgroundSaves::Progress&) {
            return QByteArray::fromStdString(session::lessonJson(lesson));
        },
        [this, path, lesson, alive = QPointer<LessonCommands>(this)] {
            if (alive)
                savedAs(path, lesson);
        },
        [](const QString& to, const QByteArray& bytes) { return writeLessonFile(to, bytes); });
    return true;
}

bool LessonCommands::writeNow(const QString& path) {
    fields_.commitAll();
    const session::Lesson lesson = capture();
    const QString problem =
        writeLessonFile(path, QByteArray::fromStdString(session::lessonJson(lesson)));
    if (!problem.isEmpty()) {
        boxes_.inform(saveFailedText(path, problem), Texts::tr("Сохранить урок"));
        return false;
    }
    savedAs(path, lesson);
    return true;
}

void LessonCommands::savedAs(const QString& path, const session::Lesson& lesson) {
    path_ = QFileInfo(path).absoluteFilePath();
    session_.session().markSaved(lesson);
    recent_.add(path_);
    fillRecentMenu();
    showTitle();
}

void LessonCommands::checkForChanges() {
    if (ended_)
        return;
    recoveryDue_.stop();
    if (modified()) {
        const session::Lesson now = capture();
        if (written_ && *written_ == now)
            return;
        recovery_.write(QByteArray::fromStdString(session::recoveryJson(now, path_.toStdString())));
        written_ = now;
    } else if (written_) {
        recovery_.remove();
        written_.reset();
    }
}

void LessonCommands::startSession(const QString& file) {
    session_.session().markSaved();
    if (recovery_.exists()) {
        const bool restore =
            boxes_.confirm(Texts::tr("Восстановить урок, не сохранённый при прошлом завершении?"),
                           Texts::tr("Восстановление урока"));
        const LessonBytes read = restore ? readLessonFile(recovery_.path()) : LessonBytes{};
        session::LessonRead lesson;
        if (restore && read.problem.isEmpty())
            lesson = session::readLessonJson(
                std::string_view(read.bytes.constData(), std::size_t(read.bytes.size())));
        if (restore && lesson.lesson) {
            apply(*lesson.lesson);
            path_ = QString::fromStdString(lesson.recoveryOf);
            session_.session().markUnsaved(); // unsaved until the user saves it
        } else {
            if (restore)
                boxes_.inform(Texts::tr("Не удалось восстановить урок: %1.")
                                  .arg(read.problem.isEmpty()
                                           ? QString::fromStdString(lesson.problem)
                                           : read.problem),
                              Texts::tr("Восстановление урока"));
            recovery_.remove();
        }
    }
    if (!file.isEmpty())
        open(file);
    showTitle();
    checkForChanges();
}

void LessonCommands::endSession() {
    ended_ = true;
    recoveryDue_.stop();
    recovery_.remove();
    recovery_.waitForDone(recoveryWaitMs);
}

} // namespace ui
