// The controls of the main window as they are created, before the first layout. Texts, tooltips
// and places of inputs and results come from the catalogue of quantities.
#include "graphs/GraphPane.h"
#include "ui/platform/Language.h"
#include "ui/platform/WorkPool.h"
#include "ui/window/ControlPlaces.h"
#include "ui/window/InputField.h"
#include "ui/window/MainWindow.h"
#include "ui/window/ResultLabel.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <array>

namespace ui {

namespace {

const QColor windowGrey(224, 224, 224);
const QColor fieldYellow(255, 255, 192);
const QColor resultCyan(192, 255, 255);

// The colour of a label's text: its model's, or the default for the vacuum and the parameters.
QColor labelColour(model::ModelKind m) {
    const bool drag = m == model::ModelKind::linear || m == model::ModelKind::quadratic;
    return drag ? graphs::colourOf(m) : QColor();
}

QFont serif(double points, int weight = QFont::Normal) {
    QFont f(QStringLiteral("Times New Roman"));
    f.setPointSizeF(points);
    f.setWeight(QFont::Weight(weight));
    return f;
}

void setBackground(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void setTextColour(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    w->setPalette(p);
}

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

QLabel* plainLabel(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBackground(l, windowGrey);
    return l;
}

// A label with a text of the model, written again in each language.
QLabel* modelLabel(const char* text, QWidget* parent) {
    QLabel* l = plainLabel(QString(), parent);
    keepTranslated(l, [l, text] { l->setText(modelText(text)); });
    return l;
}

} // namespace

void MainWindow::createInputs(QWidget* client) {
    client->setFont(serif(12));
    setBackground(client, windowGrey);
    // A click on the background or a pane takes the focus, so that it commits a typed field.
    client->setFocusPolicy(Qt::ClickFocus);
    for (const model::FieldRow& row : model::fieldRows()) {
        const FieldPlace& at = placeOf(row.id);
        QLabel* caption = place(modelLabel(row.caption, client), at.caption);
        if (const char* tip = row.captionTooltip)
            keepTranslated(caption, [caption, tip] { caption->setToolTip(modelText(tip)); });
        if (row.id == model::Field::v0) // the speed's caption keeps the window's text colour
            setTextColour(caption, palette().color(QPalette::WindowText));
        auto* field = place(new InputField(QLatin1String(at.field), client), at.field);
        QPalette p = field->palette();
        p.setColor(QPalette::Base, fieldYellow);
        field->setPalette(p);
        keepTranslated(field, [field, tip = row.tooltip, name = row.accessibleName] {
            field->setNormalToolTip(modelText(tip));
            field->setAccessibleName(modelText(name));
        });
        caption->setBuddy(field);
        fields_[index(row.id)] = field;
        place(modelLabel(row.unitLabel, client), at.unit);
        // The Greek letters are drawn in the captions; the small overlay labels still lie over
        // their first letter, larger and raised, as the window has always shown them.
        if (at.overlay) {
            QLabel* overlay = place(plainLabel(utf8(row.overlay), client), at.overlay);
            overlay->setFont(serif(14.25));
            overlay->resize(at.overlayWidth, 26);
            overlay->raise();
        }
    }
}

void MainWindow::createResults(QWidget* client) {
    for (const model::ColumnRow& c : model::columnRows()) {
        QLabel* header = place(modelLabel(c.text, client), placeOf(c.model).header);
        header->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        if (c.model == model::ModelKind::common)
            header->setFont(serif(12, QFont::Bold));
        if (const QColor colour = labelColour(c.model); colour.isValid())
            setTextColour(header, colour);
    }
    for (const model::QuantityRow& q : model::quantityRows()) {
        const char* name = placeOf(q.id).label;
        auto* l = place(new ResultLabel(QLatin1String(name), client), name);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setBackground(l, resultCyan);
        keepTranslated(l, [l, tip = q.tooltip] { l->setToolTip(modelText(tip)); });
        if (const QColor colour = labelColour(q.model);
            colour.isValid() && q.stage != model::Stage::closedForms)
            l->setTextColour(colour);
        results_[index(q.id)] = l;
    }
}

void MainWindow::createGraphArea(QWidget* client) {
    const std::array<const char*, 3> names{"Picture1", "Picture2", "Picture3"};
    const std::array<const char*, 3> spoken{
        QT_TRANSLATE_NOOP("Texts", "График траекторий Y(X)"),
        QT_TRANSLATE_NOOP("Texts", "График проекции скорости Vx(t)"),
        QT_TRANSLATE_NOOP("Texts", "График проекции скорости Vy(t)")};
    for (std::size_t n = 0; n < names.size(); ++n) {
        auto* pane = place(new graphs::GraphPane(client), names[n]);
        keepTranslated(pane,
                       [pane, text = spoken[n]] { pane->setAccessibleName(Texts::tr(text)); });
        setBackground(pane, Qt::white);
        pane->setFont(serif(11.25));
        pane->setFocusPolicy(Qt::ClickFocus);
        pane->setForegroundColour(n == 0 ? QColor(0, 0, 0) : palette().color(QPalette::WindowText));
        // A pane shown large renders its whole picture on the pool, so the window answers.
        pane->renderLargePicturesWith([](std::function<void()> job) {
            return runOnWorkPool([job = std::move(job)] {
                yieldToTheWindow();
                job();
            });
        });
        panes_[n] = pane;
    }
    pane(Graph::trajectory)->enableMarker();

    auto scrollBar = [&](Qt::Orientation orientation, const char* name) {
        auto* bar = place(new QScrollBar(orientation, client), name);
        bar->setRange(0, 200);
        bar->setSingleStep(10);
        bar->setPageStep(10);
        bar->setValue(10);
        // A drag reports its value once, when the thumb is released.
        bar->setTracking(false);
        bar->setFocusPolicy(Qt::StrongFocus);
        return bar;
    };
    hScroll_ = scrollBar(Qt::Horizontal, "HScroll1");
    vScroll_ = scrollBar(Qt::Vertical, "VScroll1");
    keepTranslated(this, [h = hScroll_, v = vScroll_] {
        h->setAccessibleName(Texts::tr("Масштаб графика траекторий по горизонтали"));
        v->setAccessibleName(Texts::tr("Масштаб графика траекторий по вертикали"));
    });
}

void MainWindow::createSelectorAndButtons(QWidget* client) {
    graphBox_ = place(new QGroupBox(client), "Frame1");
    keepTranslated(graphBox_, [box = graphBox_] { box->setTitle(Texts::tr("Графики")); });
    graphBox_->setFont(serif(9.75));
    setBackground(graphBox_, windowGrey);
    const std::array<const char*, 3> texts{QT_TRANSLATE_NOOP("Texts", "траектории"),
                                           QT_TRANSLATE_NOOP("Texts", "проекции Vx"),
                                           QT_TRANSLATE_NOOP("Texts", "проекции Vy")};
    const std::array<QRect, 3> places{QRect(0, 20, 88, 13), QRect(1, 40, 93, 15),
                                      QRect(1, 60, 93, 15)};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        auto* o = new QRadioButton(graphBox_);
        keepTranslated(o, [o, text = texts[i]] { o->setText(Texts::tr(text)); });
        o->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        o->setFont(serif(9.75));
        // The frame paints its own interior; the buttons let it show through.
        QPalette p = o->palette();
        p.setColor(QPalette::Window, windowGrey);
        o->setPalette(p);
        o->setGeometry(places[i]);
        options_[i] = o;
    }

    auto button = [&](const char* name, const char* text, const char* tooltip) {
        auto* b = place(new QPushButton(client), name);
        b->setFont(serif(12, QFont::Bold));
        keepTranslated(b, [b, text, tooltip] {
            b->setText(Texts::tr(text));
            b->setToolTip(Texts::tr(tooltip));
        });
        return b;
    };
    runButton_ = button("CmdOK", QT_TRANSLATE_NOOP("Texts", "ПУСК"),
                        QT_TRANSLATE_NOOP("Texts", "для квадратичной зависимости"));
    relayoutButton_ = button("Command1", QT_TRANSLATE_NOOP("Texts", "расчёт 1"),
                             QT_TRANSLATE_NOOP("Texts", "для линейной зависимости"));
}

void MainWindow::setTabOrderAndFocus() {
    using model::Field;
    // The initial speed comes before the initial height.
    const QList<QWidget*> order{runButton_,
                                field(Field::v0),
                                field(Field::h0),
                                field(Field::alphaDeg),
                                field(Field::d),
                                field(Field::rho),
                                field(Field::rho0),
                                field(Field::eta),
                                option(Graph::trajectory),
                                option(Graph::vx),
                                option(Graph::vy),
                                hScroll_,
                                vScroll_,
                                relayoutButton_};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    runButton_->setFocus();
}

} // namespace ui
