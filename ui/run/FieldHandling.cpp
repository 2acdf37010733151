#include "ui/run/FieldHandling.h"

#include "ui/platform/MessageBoxes.h"
#include "ui/platform/Tone.h"
#include "ui/window/MainWindow.h"

#include <QLineEdit>

#include <algorithm>

namespace ui {

namespace {
// The field-check tone: 25 × 12 ms.
constexpr int kWarningTone = 25;
} // namespace

FieldHandling::FieldHandling(MainWindow& window, MessageBoxes& boxes, Tone& tone,
                             std::function<void()> beforeChange,
                             std::function<void()> resizeHandling, QObject* parent)
    : QObject(parent), window_(window), boxes_(boxes), tone_(tone),
      beforeChange_(std::move(beforeChange)), resizeHandling_(std::move(resizeHandling)) {
    for (int i = 0; i < int(model::allFields.size()); ++i) {
        QLineEdit* edit = window_.field(i + 1);
        const model::Field f = model::allFields[i];
        connect(edit, &QLineEdit::textChanged, this,
                [this, f, edit](const QString& text) { changed(f, edit, text); });
    }
}

void FieldHandling::changed(model::Field f, QLineEdit* edit, const QString& text) {
    if (rewriting_)
        return;
    ++changes_;
    if (beforeChange_)
        beforeChange_();
    const int cursor = edit->cursorPosition();

    model::Inputs& in = window_.state().in;
    const model::FieldSettlement settled = model::settleField(f, text.toStdString(), in);
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
    if (resizeHandling_)
        resizeHandling_();
}

} // namespace ui
