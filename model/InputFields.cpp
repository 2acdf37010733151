#include "model/InputFields.h"

#include "model/NumberFormat.h"
#include "model/TextMarks.h"
#include "model/Translation.h"

#include <cmath>
#include <limits>

namespace model {
namespace {

constexpr const char* kError = QT_TRANSLATE_NOOP("Texts", "Ошибка");
// One Russian message for a medium of no density and for one of no viscosity; other languages
// say them apart, since a fluid without viscosity is not a vacuum.
constexpr const char* kVacuum = QT_TRANSLATE_NOOP("Texts", "Для вакуума всё и так известно!");
constexpr MarkedText kNoViscosity =
    QT_TRANSLATE_NOOP3("Texts", "Для вакуума всё и так известно!", "η ≤ 0");

// A refusal in the chosen language.
Rejection refusal(const MarkedText& message, const char* title, double replacement) {
    return Rejection{translated(message), translated(title), replacement};
}

// Deeper nesting than any field needs (at most four runs with sound inputs); only a state
// that already breaks the invariants could chain further, and then the edit stops here.
constexpr int kMaxRuns = 16;

// 2·rho0 for a rejected rho. The largest finite double stands in when doubling overflows, so
// a huge medium density still leaves rho > rho0 instead of an infinite density.
double twiceDensity(double rho0) {
    const double r = 2 * rho0;
    return std::isfinite(r) ? r : std::numeric_limits<double>::max();
}

struct Handling {
    Field field;
    Inputs& in;
    FieldSettlement out{0, {}, {}, 0};

    // One change handling of the field whose text has just become text.
    void run(const std::string& text) {
        ++out.handlingRuns;
        double& input = inputOf(in, field);
        input = readNumber(text);
        if (auto rejection = checkInput(field, input, in)) {
            input = rejection->replacement;
            out.rejections.push_back(std::move(*rejection));
        }
        const std::string formatted = formatFixed(input, row(field).pattern);
        out.text = formatted;
        // Assigning a different text to the field is itself a change: nested handling.
        if (formatted != text && out.handlingRuns < kMaxRuns)
            run(formatted);
    }
};

} // namespace

std::optional<Rejection> checkInput(Field f, double value, const Inputs& current) {
    switch (f) {
    case Field::h0:
        if (value == 0)
            return refusal(QT_TRANSLATE_NOOP("Texts", "Уже упало!!!"), kError, 0.5);
        if (value < 0)
            return refusal(
                QT_TRANSLATE_NOOP("Texts", "тело под Землей?! такой расчёт не предусмотрен!"),
                kError, 0.5);
        break;
    case Field::v0:
        if (value == 0)
            return refusal(QT_TRANSLATE_NOOP("Texts", "Для падения есть отдельная программа!"),
                           QT_TRANSLATE_NOOP("Texts", "Совет"), 3);
        if (value < 0)
            return refusal(QT_TRANSLATE_NOOP("Texts", "Это величина скорости! Vo>0"), kError, 3);
        break;
    case Field::alphaDeg:
        if (value >= 90 || value <= -90)
            return refusal(QT_TRANSLATE_NOOP("Texts",
                                             "Угол в диапазоне -90<a<90. А Для вертикального "
                                             "движения есть отдельная программа!"),
                           QT_TRANSLATE_NOOP("Texts", "Предупреждение"), 30);
        break;
    case Field::d:
        if (value <= 0)
            return refusal(QT_TRANSLATE_NOOP("Texts", "Это не материальная точка!"), kError, 0.001);
        break;
    case Field::rho:
        if (value <= 0)
            return refusal(QT_TRANSLATE_NOOP("Texts", "Шарик из чего-то сделан!"), kError, 7800);
        if (value <= current.rho0)
            return refusal(QT_TRANSLATE_NOOP("Texts", "Всплывание не моделируется!"), kError,
                           twiceDensity(current.rho0));
        break;
    case Field::rho0:
        if (value <= 0)
            return refusal(kVacuum, kError, 1.23);
        if (value >= current.rho)
            return refusal(QT_TRANSLATE_NOOP("Texts", "Всплывание не моделируется"), kError,
                           current.rho / 2);
        break;
    case Field::eta:
        if (value <= 0)
            return refusal(kNoViscosity, kError, 1.82e-5);
        break;
    }
    return std::nullopt;
}

std::optional<Rejection> checkDragCoefficient(double cd) {
    if (cd > 0 && std::isfinite(cd))
        return std::nullopt;
    return refusal(QT_TRANSLATE_NOOP("Texts", "Это коэффициент сопротивления! Cd>0"), kError,
                   dragCoefficient);
}

std::string allowedRange(Field f, const Inputs& current) {
    switch (f) {
    case Field::h0:
        return translated(QT_TRANSLATE_NOOP("Texts", "допустимо h > 0 м"));
    case Field::v0:
        return translated(QT_TRANSLATE_NOOP("Texts", "допустимо Vo > 0 м/с"));
    case Field::alphaDeg:
        return translated(QT_TRANSLATE_NOOP("Texts", "допустимо -90 < α < 90 град"));
    case Field::d:
        return translated(QT_TRANSLATE_NOOP("Texts", "допустимо d > 0 м"));
    case Field::rho:
        return translated(QT_TRANSLATE_NOOP("Texts", "допустимо ρ > ρo = %1 кг/м3"),
                          {formatFixed(current.rho0, row(Field::rho0).pattern)});
    case Field::rho0:
        return translated(QT_TRANSLATE_NOOP("Texts", "допустимо 0 < ρo < ρ = %1 кг/м3"),
                          {formatFixed(current.rho, row(Field::rho).pattern)});
    case Field::eta:
        return translated(QT_TRANSLATE_NOOP("Texts", "допустимо η > 0 Па·с"));
    }
    return {};
}

FieldSettlement settleField(Field f, std::string_view typedText, Inputs& in) {
    Handling h{f, in};
    h.run(std::string(typedText));
    h.out.value = inputOf(in, f);
    return std::move(h.out);
}

} // namespace model
