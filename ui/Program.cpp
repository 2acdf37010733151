#include "ui/Program.h"

namespace ui {

Program::Program(MessageBoxes& boxes, Tone& tone, DocumentOpener& opener, ExportDialogs& dialogs)
    : controller_(window_, boxes, tone), fields_(window_, controller_, boxes, tone),
      menus_(window_, opener, boxes), tools_(window_, controller_, boxes, dialogs) {
    window_.setMessageBoxes(&boxes);
}

void Program::start() {
    controller_.load();
    window_.show();
}

} // namespace ui
