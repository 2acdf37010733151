#include "ui/window/ResourceIcon.h"

#include <QFile>

namespace ui {

QIcon resourceIcon(const QString& path) {
    return QFile::exists(path) ? QIcon(path) : QIcon();
}

} // namespace ui
