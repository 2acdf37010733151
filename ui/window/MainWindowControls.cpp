// The controls of the main window as they are created, before the first layout.
#include "graphs/GraphPane.h"
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
const QColor linearBlue(0, 0, 255);
const QColor quadraticRed(255, 0, 0);

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

struct InputRow {
    const char* caption;
    QString captionText;
    const char* overlay;
    QString overlayText;
    int overlayWidth;
    QString tooltip;
    const char* unit;
    QString unitText;
};

struct Result {
    const char* name;
    QString tooltip;
    QColor colour; // invalid: the default label text colour
};

} // namespace

void MainWindow::createControls() {
    QWidget* client = centralWidget();
    client->setFont(serif(12));
    setBackground(client, windowGrey);

    auto add = [this](QWidget* w, const QString& name) {
        w->setObjectName(name);
        controls_.insert(w->objectName(), w);
        return w;
    };
    auto plainLabel = [&](const char* name, const QString& text) {
        auto* l = new QLabel(text, client);
        add(l, name);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setBackground(l, windowGrey);
        return l;
    };

    // The Greek letters are drawn directly; the small overlay labels still lie over the first
    // letter of their captions, larger and raised, as the window has always shown them.
    const std::array<InputRow, 7> rows{{
        {"Label1", "h =", nullptr, {}, 0, "начальная высота", "Label2", " м"},
        {"Label3", "Vo =", nullptr, {}, 0, "начальная скорость ", "Label4", " м/с"},
        {"Label5", "α  =", "Label5_2", "α", 14, "угол бросания", "Label6", " град"},
        {"Label7",
         "d =",
         nullptr,
         {},
         0,
         "диаметр шара. На экране не отображается!",
         "Label8",
         " м"},
        {"Label9", "ρ =", "Label9_2", "ρ", 12, "плотность материала шара", "Label10", " кг/м3"},
        {"Label11", "ρ o =", "Label11_2", "ρ", 10, "плотность среды", "Label12", " кг/м3"},
        {"Label13", "η =", "Label13_2", "η", 10, "вязкость среды", "Label14", " Па с"},
    }};
    for (int i = 0; i < int(rows.size()); ++i) {
        const InputRow& row = rows[i];
        plainLabel(row.caption, row.captionText);
        auto* field = new QLineEdit(QStringLiteral("Text%1").arg(i + 1), client);
        add(field, QStringLiteral("Text%1").arg(i + 1));
        QPalette p = field->palette();
        p.setColor(QPalette::Base, fieldYellow);
        field->setPalette(p);
        field->setToolTip(row.tooltip);
        plainLabel(row.unit, row.unitText);
        if (row.overlay) {
            QLabel* overlay = plainLabel(row.overlay, row.overlayText);
            overlay->setFont(serif(14.25));
            overlay->resize(row.overlayWidth, 26);
            overlay->raise();
        }
    }
    label(QStringLiteral("Label7"))->setToolTip(QStringLiteral("диаметр шара"));
    label(QStringLiteral("Label5"))->setToolTip(QStringLiteral("число бросков"));
    setTextColour(label(QStringLiteral("Label3")), palette().color(QPalette::WindowText));

    auto header = [&](const char* name, const QString& text) {
        QLabel* l = plainLabel(name, text);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        return l;
    };
    header("Label36", "параметры")->setFont(serif(12, QFont::Bold));
    header("Label15", "__ в вакууме");
    setTextColour(header("Label21", "__ в среде (Fc~v)"), linearBlue);
    setTextColour(header("Label28", "__ в среде (Fc~v^2)"), quadraticRed);

    const QString numerically = QStringLiteral(" (численно)");
    const std::array<Result, 27> results{{
        {"Label20", "угол, при котором достигается максимальная дальность полета в вакууме", {}},
        {"Label16", "время подъема до максимальной высоты в вакууме", {}},
        {"Label33", "координата Х при максимальной высоте в вакууме", {}},
        {"Label19", "максимальная высота подъема в вакууме", {}},
        {"Label17", "время всего полета в вакууме", {}},
        {"Label18", "максимальная дальность полета в вакууме", {}},
        {"Label37", "проекция скорости Vx в конце полета в вакууме (не меняется)", {}},
        {"Label38", "проекция скорости Vy в конце полета в вакууме", {}},
        {"Label22", "характерное время", {}},
        {"Label23", "предельная вертикальная скорость", {}},
        {"Label24", "время подъема до максимальной высоты в среде", {}},
        {"Label34", "координата Х при максимальной высоте в среде", {}},
        {"Label25", "максимальная высота подъема в среде", {}},
        {"Label26", "время всего полета в среде" + numerically, linearBlue},
        {"Label27", "дальность полета в среде" + numerically, linearBlue},
        {"Label39", "проекция скорости Vx в конце полета в среде" + numerically, linearBlue},
        {"Label40", "проекция скорости Vy в конце полета в среде" + numerically, linearBlue},
        {"Label45", "величина R", {}},
        {"Label44", "предельная вертикальная скорость", {}},
        {"Label29", "время подъема до максимальной высоты в среде" + numerically, quadraticRed},
        {"Label35", "координата Х при максимальной высоте в среде" + numerically, quadraticRed},
        {"Label30", "максимальная высота подъема в среде" + numerically, quadraticRed},
        {"Label31", "время всего полета в среде" + numerically, quadraticRed},
        {"Label32", "дальность полета в среде" + numerically, quadraticRed},
        {"Label41", "проекция скорости Vx в конце полета в среде" + numerically, quadraticRed},
        {"Label42", "проекция скорости Vy в конце полета в среде" + numerically, quadraticRed},
        {"Label43", "масса шара", {}},
    }};
    for (const Result& r : results) {
        auto* l = new ResultLabel(QLatin1String(r.name), client);
        add(l, QLatin1String(r.name));
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setBackground(l, resultCyan);
        l->setToolTip(r.tooltip);
        if (r.colour.isValid())
            l->setTextColour(r.colour);
    }

    for (int n = 1; n <= 3; ++n) {
        auto* pane = new graphs::GraphPane(client);
        add(pane, QStringLiteral("Picture%1").arg(n));
        setBackground(pane, Qt::white);
        pane->setFont(serif(11.25));
        pane->setForegroundColour(n == 1 ? QColor(0, 0, 0) : palette().color(QPalette::WindowText));
    }
    pane(1)->enableMarker();

    auto scrollBar = [&](Qt::Orientation orientation, const char* name) {
        auto* bar = new QScrollBar(orientation, client);
        add(bar, name);
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

    frame1_ = new QGroupBox(QStringLiteral("Графики"), client);
    add(frame1_, "Frame1");
    frame1_->setFont(serif(9.75));
    setBackground(frame1_, windowGrey);
    const std::array<QString, 3> optionTexts{"траектории", "проекции Vx", "проекции Vy"};
    const std::array<QRect, 3> optionPlaces{QRect(0, 20, 88, 13), QRect(1, 40, 93, 15),
                                            QRect(1, 60, 93, 15)};
    for (int i = 0; i < 3; ++i) {
        auto* o = new QRadioButton(optionTexts[i], frame1_);
        add(o, QStringLiteral("Option%1").arg(i + 1));
        o->setFont(serif(9.75));
        // The frame paints its own interior; the buttons let it show through.
        QPalette p = o->palette();
        p.setColor(QPalette::Window, windowGrey);
        o->setPalette(p);
        o->setGeometry(optionPlaces[i]);
    }

    auto button = [&](const char* name, const QString& text, const QString& tooltip) {
        auto* b = new QPushButton(text, client);
        add(b, name);
        b->setFont(serif(12, QFont::Bold));
        b->setToolTip(tooltip);
        return b;
    };
    cmdOK_ =
        button("CmdOK", QStringLiteral("ПУСК"), QStringLiteral("для квадратичной зависимости"));
    command1_ =
        button("Command1", QStringLiteral("расчёт 1"), QStringLiteral("для линейной зависимости"));
}

} // namespace ui
