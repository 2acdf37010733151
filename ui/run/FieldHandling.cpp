#include "ui/run/FieldHandling.h"

#include "model/InputFields.h"
#include "model/NumberFormat.h"
#include "ui/platform/Language.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/platform/Tone.h"
#include "ui/run/SessionObject.h"
#include "ui/run/ThrowController.h"
#include "ui/window/InputField.h"
#include "ui/window/MainWindow.h"

#include <algorithm>

namespace ui {

namespace {
// The field-check tone: 25 × 12 ms.
constexpr int kWarningTone = 25;
} // namespace

FieldHandling::FieldHandling(MainWindow& window, ThrowController& controller,
                             SessionObject& session, MessageBoxes& boxes, Tone& tone,
                             QObject* parent)
    : QObject(parent), window_(window), controller_(controller), session_(session), boxes_(boxes),
      tone_(tone) {
    for (const model::FieldRow& row : model::fieldRows()) {
        InputField* edit = window.field(row.id);
        const model::Field f = row.id;
        connect(edit, &InputField::textChanged, this,
                [this, f](const QString& text) { changed(f, text); });
        connect(edit, &InputField::committed, this, [this, f] { commit(f); });
        connect(edit, &InputField::reverted, this, [this, f] { revert(f); });
    }
    connect(&window, &MainWindow::closeRequested, this, &FieldHandling::commitAll);
    connect(&window, &MainWindow::menuOpening, this, &FieldHandling::commitAll);
    connect(&controller, &ThrowController::aboutToRun, this, &FieldHandling::commitAll);
    connect(&session, &SessionObject::inputsChanged, this, [this] { showSessionTexts(false); });
    connect(&session, &SessionObject::lessonReplaced, this, [this] { showSessionTexts(true); });
    // A field left unfinished says again in the new language what it allows.
    connect(&LanguageSwitch::instance(), &LanguageSwitch::changed, this, [this] {
        for (const model::Field f : model::allFields)
            if (window_.field(f)->unfinished())
                window_.field(f)->setUnfinished(true, allowedText(f));
    });
}

QString FieldHandling::allowedText(model::Field f) const {
    return Texts::tr("Значение ещё не принято: ") +
           QString::fromStdString(model::allowedRange(f, controller_.inputs()));
}

void FieldHandling::changed(model::Field f, const QString& text) {
    if (rewriting_)
        return;
    if (window_.field(f)->typing())
        typed(f, text);
    else
        handleWhole(f, text);
}

void FieldHandling::typed(model::Field f, const QString& text) {
    if (!pending_[index(f)])
        beforeTyping_[index(f)] = session_.session().field(f);
    pending_[index(f)] = true;
    InputField* edit = window_.field(f);
    if (!session_.session().type(f, text.toStdString()).accepted)
        edit->setUnfinished(true, allowedText(f));
    else
        edit->setUnfinished(false);
}

void FieldHandling::handleWhole(model::Field f, const QString& text) {
    // Boxes are modal: a commit asked for meanwhile (the focus moving to the box) waits.
    if (handling_)
        return;
    handling_ = true;
    const session::FieldState before =
        pending_[index(f)] ? beforeTyping_[index(f)] : session_.session().field(f);
    pending_[index(f)] = false;
    InputField* edit = window_.field(f);
    edit->setUnfinished(false);
    const int cursor = edit->cursorPosition();
    controller_.settleField(
        f, text.toStdString(), before, [&](const model::FieldSettlement& settled) {
            for (const model::Rejection& r : settled.rejections) {
                tone_.beep(kWarningTone);
                boxes_.inform(QString::fromStdString(r.message), QString::fromStdString(r.title));
            }
            const QString finalText = QString::fromStdString(settled.text);
            // Rewritten even when alike, its own typing is gone: the undo keys then undo the edit
            // as a whole.
            if (edit->text() != finalText || edit->isUndoAvailable() || edit->isRedoAvailable()) {
                rewriting_ = true;
                edit->setText(finalText);
                edit->setCursorPosition(std::min(cursor, int(finalText.size())));
                rewriting_ = false;
            }
            handling_ = false;
        });
}

void FieldHandling::commit(model::Field f) {
    if (pending_[index(f)] && !handling_)
        handleWhole(f, window_.field(f)->text());
}

void FieldHandling::commitAll() {
    for (const model::Field f : model::allFields)
        commit(f);
}

void FieldHandling::revert(model::Field f) {
    if (!pending_[index(f)] || handling_)
        return;
    handleWhole(f, QString::fromStdString(
                       model::formatFixed(beforeTyping_[index(f)].value, model::row(f).pattern)));
}

void FieldHandling::showSessionTexts(bool all) {
    if (handling_ && !all)
        return; // the field handled shows its settled text by itself
    for (const model::Field f : model::allFields) {
        if (pending_[index(f)] && !all)
            continue;
        pending_[index(f)] = false;
        InputField* edit = window_.field(f);
        edit->setUnfinished(false);
        const QString text = QString::fromStdString(session_.session().fieldTexts()[index(f)]);
        if (edit->text() == text)
            continue;
        rewriting_ = true;
        edit->setText(text);
        rewriting_ = false;
    }
}

} // namespace ui
