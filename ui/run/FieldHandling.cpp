#include "ui/run/FieldHandling.h"

#include "model/InputFields.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/platform/Tone.h"
#include "ui/run/ThrowController.h"
#include "ui/window/MainWindow.h"

#include <QLineEdit>

#include <algorithm>

namespace ui {

namespace {
// The field-check tone: 25 × 12 ms.
constexpr int kWarningTone = 25;
} // namespace

FieldHandling::FieldHandling(MainWindow& window, ThrowController& controller, MessageBoxes& boxes,
                             Tone& tone, QObject* parent)
    : QObject(parent), controller_(controller), boxes_(boxes), tone_(tone) {
    for (const model::FieldRow& row : model::fieldRows()) {
        QLineEdit* edit = window.field(row.id);
        const model::Field f = row.id;
        connect(edit, &QLineEdit::textChanged, this,
                [this, f, edit](const QString& text) { changed(f, edit, text); });
    }
}

void FieldHandling::changed(model::Field f, QLineEdit* edit, const QString& text) {
    if (rewriting_)
        return;
    ++changes_;
    if (controller_.loaded())
        controller_.abandonFlight();
    const int cursor = edit->cursorPosition();

    const model::FieldSettlement settled =
        model::settleField(f, text.toStdString(), controller_.inputs());
    for (const model::Rejection& r : settled.rejections) {
        tone_.BeepTone(kWarningTone);
        boxes_.inform(QString::fromStdString(r.message), QString::fromStdString(r.title));
    }

    const QString finalText = QString::fromStdString(settled.text);
    if (edit->text() != finalText) {
        rewriting_ = true;
        edit->setText(finalText);
        edit->setCursorPosition(std::min(cursor, int(finalText.size())));
        rewriting_ = false;
    }
    controller_.shortRecompute();
}

} // namespace ui
