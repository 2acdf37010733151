#pragma once

#include <QIcon>
#include <QString>

namespace ui {

// The image compiled in under the given resource path, or an empty icon when it is missing,
// so a window never fails for want of a picture.
QIcon resourceIcon(const QString& path);

} // namespace ui
