#pragma once

// Marks a text of the model for Qt's lupdate while the model stays free of Qt:
//   .unit = QT_TRANSLATE_NOOP("Texts", " м"),
// and model::translated() gives it in the chosen language where it is shown. "Texts" is the
// program's one translation context (ui::Texts). Included by the model's .cpp files only, never by
// a header that Qt code includes.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif
// The same for a text with a disambiguation, when the same Russian words mean two things:
//   QT_TRANSLATE_NOOP3("Texts", "Для вакуума всё и так известно!", "η ≤ 0")
// gives a model::MarkedText.
#ifndef QT_TRANSLATE_NOOP3
#define QT_TRANSLATE_NOOP3(context, text, disambiguation)                                          \
    { text, disambiguation }
#endif
