#include "ui/platform/MessageBoxes.h"

#include "ui/platform/Language.h"

#include <QMessageBox>
#include <QPushButton>

namespace ui {

void DialogMessageBoxes::inform(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent_);
    box.exec();
}

bool DialogMessageBoxes::confirm(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent_);
    // The buttons speak the window's language whether or not Qt's translations are installed.
    box.button(QMessageBox::Yes)->setText(Texts::tr("Да"));
    box.button(QMessageBox::No)->setText(Texts::tr("Нет"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

int DialogMessageBoxes::choose(const QString& text, const QString& title,
                               const QStringList& buttons) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, parent_);
    QList<QAbstractButton*> added;
    for (int i = 0; i < buttons.size(); ++i)
        added << box.addButton(buttons[i], i + 1 == buttons.size() ? QMessageBox::RejectRole
                                                                   : QMessageBox::AcceptRole);
    if (!added.isEmpty()) {
        box.setDefaultButton(qobject_cast<QPushButton*>(added.first()));
        box.setEscapeButton(added.last());
    }
    box.exec();
    const int chosen = int(added.indexOf(box.clickedButton()));
    return chosen < 0 ? int(buttons.size()) - 1 : chosen;
}

} // namespace ui
