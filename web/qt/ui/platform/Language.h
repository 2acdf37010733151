#pragma once
// The window's translation call for the browser build of ui/run/FailureTexts.cpp: the model's
// translator, which the page fills from the same translation file.
#include "model/TextMarks.h"
#include "model/Translation.h"

#include <QString>

namespace ui {
struct Texts {
    static QString tr(const char* text) { return QString::fromStdString(model::translated(text)); }
};
} // namespace ui
