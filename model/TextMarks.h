#pragma once

// Marks a text of the model for Qt's lupdate while the model stays free of Qt:
//   .unit = QT_TRANSLATE_NOOP("Texts", " м"),
// and model::translated() gives it in the chosen language where it is shown. "Texts" is the
// program's one translation context (ui::Texts). Included by the model's .cpp files only, never by
// a header that Qt code includes.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif
