#pragma once

#include <QObject>
#include <QString>

#include <optional>

class QLayout;

namespace ui {

class ExportDialogs;
class MessageBoxes;
class StudyWindow;
struct StudyOutcome;
struct StudyPicture;

// The study window's save, copy and print commands: buttons under the table (added to the given
// layout), the window's shortcuts and the context menus of the plot and the table.
class StudyCommands : public QObject {
    Q_OBJECT
public:
    StudyCommands(StudyWindow& window, QLayout* buttons);

    // The boxes and dialogs of the commands, and the folder their dialogs open in.
    void setServices(MessageBoxes* boxes, ExportDialogs* dialogs, const QString& folder);
    // «Сохранить график…» (PNG or SVG, with the key and the inputs), «Сохранить таблицу…»
    // (CSV as the report tool writes it), «Копировать таблицу» (tab-separated), «Печать…»;
    // Ctrl+C in the table copies the selected cells.
    void saveGraph();
    void saveTable();
    void copyTable();
    void copySelection();
    void print();

private:
    StudyPicture picture() const;
    // The study shown, or null after telling the user that there is none yet.
    const StudyOutcome* shownStudy(const QString& title);
    std::optional<QString> askFile(const QString& title, const QString& name, bool picture,
                                   int* type);
    void write(const QString& path, const QByteArray& bytes, const QString& title);

    StudyWindow& window_;
    MessageBoxes* boxes_ = nullptr;
    ExportDialogs* dialogs_ = nullptr;
    QString folder_;
};

} // namespace ui
