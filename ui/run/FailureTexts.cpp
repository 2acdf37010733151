#include "ui/run/FailureTexts.h"

#include "ui/platform/Language.h"

namespace ui {

namespace {

struct Failure {
    const char* message;
    const char* line;
};

// A flight that never lands within the work bound, and numbers beyond the double or single
// range; every other outcome is a finished throw.
const Failure tooLong{
    QT_TRANSLATE_NOOP("Texts",
                      "Полёт слишком долгий: расчёт остановлен. Шар почти не падает в такой среде. "
                      "Уменьшите вязкость среды или увеличьте диаметр шара или его плотность."),
    QT_TRANSLATE_NOOP("Texts", "Полёт слишком долгий: расчёт остановлен")};
const Failure notFinite{
    QT_TRANSLATE_NOOP("Texts",
                      "Числа вышли за пределы расчёта: при таких данных результат не может быть "
                      "вычислен. Уменьшите начальную скорость или высоту."),
    QT_TRANSLATE_NOOP("Texts", "Числа вышли за пределы расчёта")};

const Failure& failureOf(model::FlightOutcome outcome) {
    return outcome == model::FlightOutcome::tooLong ? tooLong : notFinite;
}

} // namespace

QString FailureTexts::message(model::FlightOutcome outcome) {
    return Texts::tr(failureOf(outcome).message);
}

QString FailureTexts::line(model::FlightOutcome outcome) {
    return Texts::tr(failureOf(outcome).line);
}

QString FailureTexts::title() {
    return Texts::tr("Ошибка");
}

} // namespace ui
