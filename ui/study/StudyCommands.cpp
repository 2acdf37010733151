#include "ui/study/StudyCommands.h"

#include "graphs/GraphPane.h"
#include "model/curves/Legend.h"
#include "model/curves/ThrowCurves.h"
#include "ui/platform/ExportDialogs.h"
#include "ui/platform/Language.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/platform/SaveFile.h"
#include "ui/study/StudyExport.h"
#include "ui/study/StudyPlot.h"
#include "ui/study/StudyWindow.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>

#include <algorithm>

namespace ui {

void StudyCommands::setServices(MessageBoxes* boxes, ExportDialogs* dialogs,
                                const QString& folder) {
    boxes_ = boxes;
    dialogs_ = dialogs;
    folder_ = folder;
}

StudyCommands::StudyCommands(StudyWindow& window, QLayout* layout)
    : QObject(&window), window_(window) {
    QTableView* tableView = window_.table();
    graphs::GraphPane* pane = window_.pane();
    auto command = [this, layout](const char* name, const char* text, const QKeySequence& key,
                                  void (StudyCommands::*run)(), bool button) {
        auto* a = new QAction(&window_);
        keepTranslated(a, [a, text] { a->setText(Texts::tr(text)); });
        a->setObjectName(QLatin1String(name));
        a->setShortcut(key);
        a->setShortcutVisibleInContextMenu(true);
        connect(a, &QAction::triggered, this, run);
        window_.addAction(a);
        if (button) {
            auto* b = new QPushButton;
            keepTranslated(b, [b, text] { b->setText(Texts::tr(text)); });
            b->setObjectName(QLatin1String(name) + QStringLiteral("Button"));
            connect(b, &QPushButton::clicked, a, &QAction::trigger);
            layout->addWidget(b);
        }
        return a;
    };
    QAction* graph =
        command("StudySaveGraph", QT_TRANSLATE_NOOP("Texts", "Сохранить график…"),
                QKeySequence(QStringLiteral("Ctrl+Alt+S")), &StudyCommands::saveGraph, true);
    QAction* table =
        command("StudySaveTable", QT_TRANSLATE_NOOP("Texts", "Сохранить таблицу…"),
                QKeySequence(QStringLiteral("Ctrl+Shift+S")), &StudyCommands::saveTable, true);
    QAction* copy =
        command("StudyCopyTable", QT_TRANSLATE_NOOP("Texts", "Копировать таблицу"),
                QKeySequence(QStringLiteral("Ctrl+Shift+C")), &StudyCommands::copyTable, true);
    QAction* print = command("StudyPrint", QT_TRANSLATE_NOOP("Texts", "Печать…"),
                             QKeySequence::Print, &StudyCommands::print, true);
    auto* copyCells = new QAction(tableView);
    keepTranslated(copyCells, [copyCells] { copyCells->setText(Texts::tr("Копировать")); });
    copyCells->setObjectName(QStringLiteral("StudyCopyCells"));
    copyCells->setShortcut(QKeySequence::Copy);
    copyCells->setShortcutContext(Qt::WidgetShortcut);
    copyCells->setShortcutVisibleInContextMenu(true);
    connect(copyCells, &QAction::triggered, this, &StudyCommands::copySelection);
    auto* selectAll = new QAction(tableView);
    keepTranslated(selectAll, [selectAll] { selectAll->setText(Texts::tr("Выделить всё")); });
    selectAll->setShortcut(QKeySequence::SelectAll);
    selectAll->setShortcutContext(Qt::WidgetShortcut);
    selectAll->setShortcutVisibleInContextMenu(true);
    connect(selectAll, &QAction::triggered, tableView, &QTableView::selectAll);

    tableView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tableView->setSelectionBehavior(QAbstractItemView::SelectItems);
    tableView->addActions({copyCells, selectAll, copy, table, print});
    tableView->setContextMenuPolicy(Qt::ActionsContextMenu);
    pane->addActions({graph, table, copy, print});
    pane->setContextMenuPolicy(Qt::ActionsContextMenu);
}

StudyPicture StudyCommands::picture() const {
    StudyPicture p{window_.pane(),
                   {},
                   QString::fromStdString(model::inputsLine(window_.outcome()->plan.base)),
                   window_.windowTitle()};
    const auto family =
        static_cast<model::ResultFamily>(window_.familyBox()->currentData().toInt());
    for (const model::Quantity q : model::familyMembers(family)) {
        QString name = QString::fromUtf8(model::row(q).prefix);
        name.chop(2); // "= "
        p.key.append({name + QStringLiteral(" — ") + modelText(model::row(q).title),
                      graphs::colourOf(model::row(q).model)});
    }
    return p;
}

const StudyOutcome* StudyCommands::shownStudy(const QString& title) {
    if (!window_.outcome() && boxes_)
        boxes_->inform(Texts::tr("Исследование ещё не рассчитано: нажмите «Рассчитать»."), title);
    return window_.outcome();
}

std::optional<QString> StudyCommands::askFile(const QString& title, const QString& name,
                                              bool picture, int* type) {
    if (!dialogs_)
        return std::nullopt;
    const QList<FileType> types =
        picture
            ? QList<FileType>{{Texts::tr("Рисунок PNG (*.png)"), QStringLiteral("png")},
                              {Texts::tr("Векторный рисунок SVG (*.svg)"), QStringLiteral("svg")}}
            : QList<FileType>{{Texts::tr("Таблица CSV (*.csv)"), QStringLiteral("csv")}};
    auto choice = dialogs_->chooseSaveFile(title, QDir(folder_).filePath(name), types);
    if (!choice || choice->path.isEmpty())
        return std::nullopt;
    const QString suffix = QFileInfo(choice->path).suffix().toLower();
    int chosen = std::clamp(choice->type, 0, int(types.size()) - 1);
    for (int n = 0; n < types.size(); ++n)
        if (suffix == types[n].suffix)
            chosen = n;
    if (suffix != types[chosen].suffix)
        choice->path += QLatin1Char('.') + types[chosen].suffix;
    folder_ = QFileInfo(choice->path).absolutePath();
    if (type)
        *type = chosen;
    return choice->path;
}

void StudyCommands::write(const QString& path, const QByteArray& bytes, const QString& title) {
    if (const QString reason = saveFileAtomically(path, bytes); !reason.isEmpty() && boxes_)
        boxes_->inform(saveFailedText(path, reason), title);
}

void StudyCommands::saveGraph() {
    const QString title = Texts::tr("Сохранить график");
    if (!shownStudy(title))
        return;
    int type = 0;
    if (const auto path = askFile(title, QStringLiteral("ballflight-study.png"), true, &type))
        write(*path, type == 0 ? studyPng(picture()) : studySvg(picture()), title);
}

void StudyCommands::saveTable() {
    const QString title = Texts::tr("Сохранить таблицу");
    if (const StudyOutcome* study = shownStudy(title))
        if (const auto path =
                askFile(title, QStringLiteral("ballflight-study.csv"), false, nullptr))
            write(*path,
                  studyCsv(*study, static_cast<model::ResultFamily>(
                                       window_.familyBox()->currentData().toInt())),
                  title);
}

void StudyCommands::copyTable() {
    if (window_.outcome())
        QGuiApplication::clipboard()->setText(tableText(*window_.tableModel()));
}

void StudyCommands::copySelection() {
    const QString text =
        tableText(*window_.tableModel(), window_.table()->selectionModel()->selection());
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void StudyCommands::print() {
    const QString title = Texts::tr("Печать");
    if (!shownStudy(title) || !dialogs_)
        return;
    QPrinter printer;
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QStringLiteral("ballflight-study"));
    if (!dialogs_->choosePrinter(printer))
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (boxes_)
            boxes_->inform(Texts::tr("Не удалось начать печать: принтер недоступен."), title);
        return;
    }
    const StudyPicture p = picture();
    const QSize size = studyPictureSize(p);
    const QRect page = painter.viewport();
    const double scale =
        std::min(double(page.width()) / size.width(), double(page.height()) / size.height());
    painter.scale(scale, scale);
    paintStudyPicture(painter, p);
    painter.end();
}

} // namespace ui
