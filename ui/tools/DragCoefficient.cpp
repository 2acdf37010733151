#include "ui/tools/DragCoefficient.h"

#include "model/curves/Legend.h"
#include "model/exact/Reynolds.h"
#include "model/exact/ReynoldsText.h"
#include "ui/platform/Language.h"
#include "ui/run/SessionObject.h"
#include "ui/window/MainWindow.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace ui {

const std::vector<BallDrag>& ballDrags() {
    static const std::vector<BallDrag> balls{
        {QT_TRANSLATE_NOOP("Texts", "гладкий шар"), 0.47,
         QT_TRANSLATE_NOOP("Texts", "Hoerner S. F. Fluid-Dynamic Drag (1965): гладкая сфера до "
                                    "кризиса сопротивления, Re от 10⁴ до 2·10⁵")},
        {QT_TRANSLATE_NOOP("Texts", "мяч для настольного тенниса"), 0.47,
         QT_TRANSLATE_NOOP("Texts",
                           "Гладкий полый шар 40 мм: при 8–25 м/с в воздухе Re от 2·10⁴ "
                           "до 6·10⁴, докритическая часть кривой сопротивления шара "
                           "(Schlichting H. Boundary-Layer Theory, опыты Визельсбергера)")},
        {QT_TRANSLATE_NOOP("Texts", "теннисный мяч"), 0.51,
         QT_TRANSLATE_NOOP("Texts", "Cross R., Lindsey C. Measurements of drag and lift on tennis "
                                    "balls in flight. Sports Engineering 17 (2014): новые мячи "
                                    "в полёте при 15–30 м/с, Cd = 0,507 ± 0,024; в "
                                    "аэродинамической трубе — 0,6–0,7")},
        {QT_TRANSLATE_NOOP("Texts", "мяч для гольфа"), 0.25,
         QT_TRANSLATE_NOOP("Texts", "Bearman P. W., Harvey J. K. Golf ball aerodynamics. "
                                    "Aeronautical Quarterly 27 (1976): мяч с лунками без "
                                    "вращения, Re около 10⁵")},
        {QT_TRANSLATE_NOOP("Texts", "футбольный мяч"), 0.2,
         QT_TRANSLATE_NOOP("Texts", "Goff J. E., Carré M. J. Trajectory analysis of a soccer "
                                    "ball. American Journal of Physics 77 (2009): полёт без "
                                    "вращения, Cd около 0,2 по его дальности, за кризисом "
                                    "сопротивления")},
    };
    return balls;
}

DragCoefficientDialog::DragCoefficientDialog(const model::Inputs& inputs, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("DragCoefficientDialog"));
    keepTranslated(this, [this] { setWindowTitle(Texts::tr("Коэффициент сопротивления Cd")); });
    auto* layout = new QVBoxLayout(this);
    auto* about = new QLabel(this);
    about->setWordWrap(true);
    keepTranslated(about, [about] {
        about->setText(Texts::tr("Cd входит только в квадратичное сопротивление "
                                 "Cd·ρo·S·v²/2 (модель Fc~v^2). Табличное значение относится к "
                                 "мячу без вращения; подогнанное по опыту может отличаться."));
    });
    layout->addWidget(about);
    auto* form = new QFormLayout;
    balls_ = new QComboBox(this);
    balls_->setObjectName(QStringLiteral("DragCoefficientBall"));
    balls_->addItem(QString());
    for (std::size_t i = 0; i < ballDrags().size(); ++i)
        balls_->addItem(QString());
    field_ = new QDoubleSpinBox(this);
    field_->setObjectName(QStringLiteral("DragCoefficientValue"));
    field_->setLocale(QLocale::c()); // a point, as in the input fields
    field_->setDecimals(3);
    field_->setRange(0.01, 5);
    field_->setSingleStep(0.01);
    field_->setValue(inputs.cd);
    auto* ballLabel = new QLabel(this);
    auto* valueLabel = new QLabel(QStringLiteral("Cd ="), this);
    keepTranslated(ballLabel, [ballLabel] { ballLabel->setText(Texts::tr("Шар:")); });
    form->addRow(ballLabel, balls_);
    form->addRow(valueLabel, field_);
    layout->addLayout(form);
    source_ = new QLabel(this);
    source_->setObjectName(QStringLiteral("DragCoefficientSource"));
    source_->setWordWrap(true);
    source_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(source_);
    // The drag law's reading for the throw as it is now (its landing with the current Cd).
    dragLaw_ = new QLabel(this);
    dragLaw_->setObjectName(QStringLiteral("DragCoefficientLaw"));
    dragLaw_->setWordWrap(true);
    layout->addWidget(dragLaw_);
    const model::exact::ReynoldsNumbers re = model::exact::reynoldsNumbers(inputs);
    keepTranslated(dragLaw_, [l = dragLaw_, re] {
        const auto reText = [](double r) {
            return std::isfinite(r)
                       ? QString::fromStdString(model::exact::reynoldsNumberText(r, '.'))
                       : QStringLiteral("—");
        };
        const auto cdText = [](double r) {
            const double c = model::exact::smoothSphereDragCoefficient(r);
            return std::isfinite(c) ? QString::fromStdString(model::dragCoefficientValue(c))
                                    : QStringLiteral("—");
        };
        QString text =
            Texts::tr("Закон сопротивления гладкого шара (Morrison F. A. An "
                      "Introduction to Fluid Mechanics, 2013; Re от 0,1 до 10⁶): при "
                      "броске Re = %1, Cd = %2; при падении (Fc~v^2) Re = %3, Cd = %4.")
                .arg(reText(re.start), cdText(re.start), reText(re.end2), cdText(re.end2));
        using model::exact::FlowRegime;
        const auto past = [](double r) {
            return std::isfinite(r) && model::exact::flowRegime(r) == FlowRegime::pastDragCrisis;
        };
        if (std::isfinite(re.end2) && past(re.start) != past(re.end2))
            text += QLatin1Char(' ') + Texts::tr("Полёт проходит через кризис сопротивления: "
                                                 "постоянный Cd описывает его плохо.");
        l->setText(text);
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
    keepTranslated(ok, [ok] { ok->setText(Texts::tr("Применить")); });
    keepTranslated(cancel, [cancel] { cancel->setText(Texts::tr("Отмена")); });
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(balls_, &QComboBox::activated, this, &DragCoefficientDialog::ballChosen);
    connect(field_, &QDoubleSpinBox::valueChanged, this, &DragCoefficientDialog::valueEdited);
    connect(&LanguageSwitch::instance(), &LanguageSwitch::changed, this,
            &DragCoefficientDialog::retranslate);
    retranslate();
    valueEdited(field_->value());
}

double DragCoefficientDialog::value() const {
    return field_->value();
}

void DragCoefficientDialog::ballChosen(int index) {
    if (index > 0)
        field_->setValue(ballDrags()[std::size_t(index - 1)].cd);
    retranslate();
}

// A value typed in keeps the ball chosen when it is that ball's Cd, and is one's own otherwise.
void DragCoefficientDialog::valueEdited(double value) {
    const int chosen = balls_->currentIndex();
    if (chosen > 0 && ballDrags()[std::size_t(chosen - 1)].cd == value)
        return;
    int match = 0;
    for (std::size_t i = 0; i < ballDrags().size() && match == 0; ++i)
        if (ballDrags()[i].cd == value)
            match = int(i) + 1;
    balls_->setCurrentIndex(match);
    retranslate();
}

void DragCoefficientDialog::retranslate() {
    balls_->setItemText(0, Texts::tr("своё значение"));
    for (std::size_t i = 0; i < ballDrags().size(); ++i)
        balls_->setItemText(int(i) + 1, QStringLiteral("%1 (%2)").arg(
                                            Texts::tr(ballDrags()[i].name),
                                            QString::fromStdString(
                                                model::dragCoefficientValue(ballDrags()[i].cd))));
    const int chosen = balls_->currentIndex();
    source_->setText(
        chosen > 0 ? Texts::tr(ballDrags()[std::size_t(chosen - 1)].source)
                   : Texts::tr("По умолчанию Cd = 0.5: гладкий шар до кризиса сопротивления."));
}

DragCoefficientCommand::DragCoefficientCommand(MainWindow& window, SessionObject& session,
                                               QObject* parent)
    : QObject(parent), window_(window), session_(session) {
    action_ = window_.toolsMenu()->addAction(QString());
    action_->setObjectName(QStringLiteral("mnuToolsDragCoefficient"));
    keepTranslated(action_,
                   [a = action_] { a->setText(Texts::tr("Коэффициент сопротивления Cd…")); });
    connect(action_, &QAction::triggered, this, &DragCoefficientCommand::open);
}

void DragCoefficientCommand::open() {
    delete dialog_;
    dialog_ = new DragCoefficientDialog(session_.session().inputs(), &window_);
    dialog_->setWindowModality(Qt::WindowModal);
    connect(dialog_, &QDialog::accepted, this, [this] {
        // Three decimals, as the dialog shows it; an edit that changes nothing is no step.
        session_.editCd(std::round(dialog_->value() * 1000) / 1000);
    });
    dialog_->open();
}

} // namespace ui
