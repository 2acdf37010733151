#include "ui/run/FailureTexts.h"

namespace ui {

namespace {

struct Texts {
    const char* message;
    const char* line;
};

// A flight that never lands within the work bound, and numbers beyond the double or single
// range; every other outcome is a finished throw.
const Texts tooLong{"Полёт слишком долгий: расчёт остановлен. Шар почти не падает в такой среде. "
                    "Уменьшите вязкость среды или увеличьте диаметр шара или его плотность.",
                    "Полёт слишком долгий: расчёт остановлен"};
const Texts notFinite{"Числа вышли за пределы расчёта: при таких данных результат не может быть "
                      "вычислен. Уменьшите начальную скорость или высоту.",
                      "Числа вышли за пределы расчёта"};

const Texts& textsFor(model::FlightOutcome outcome) {
    return outcome == model::FlightOutcome::tooLong ? tooLong : notFinite;
}

} // namespace

QString FailureTexts::message(model::FlightOutcome outcome) {
    return QString::fromUtf8(textsFor(outcome).message);
}

QString FailureTexts::line(model::FlightOutcome outcome) {
    return QString::fromUtf8(textsFor(outcome).line);
}

QString FailureTexts::title() {
    return QStringLiteral("Ошибка");
}

} // namespace ui
