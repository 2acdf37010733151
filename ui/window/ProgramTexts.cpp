#include "ui/window/ProgramTexts.h"

#include "model/ProgramTexts.h"

namespace ui {

const QString ProgramTexts::lineBreak = QString::fromUtf8(model::programLineBreak);

QString ProgramTexts::aboutTitle() {
    return QString::fromStdString(model::aboutTitle());
}

QString ProgramTexts::aboutText() {
    return QString::fromStdString(model::aboutText());
}

QString ProgramTexts::registrationTitle() {
    return QString::fromStdString(model::registrationTitle());
}

QString ProgramTexts::registrationText() {
    return QString::fromStdString(model::registrationText());
}

QString ProgramTexts::authorsText() {
    return QString::fromStdString(model::authorsText());
}

} // namespace ui
