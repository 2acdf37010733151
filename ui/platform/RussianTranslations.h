#pragma once

class QApplication;

namespace ui {

// Loads Qt's own Russian texts (context menus of fields and scroll bars, standard buttons, file
// and print dialogs) whatever the system's language: the whole interface is Russian. False when
// Qt's translations are not installed; standard menus and dialogs then stay English.
bool installRussianTranslations(QApplication& app);
// Takes them away again, for an interface in English (Qt's own language).
void removeRussianTranslations(QApplication& app);

} // namespace ui
