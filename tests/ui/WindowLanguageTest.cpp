#include "ProgramFixture.h"
#include "ui/platform/Language.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTranslator>

using namespace testing_ui;

namespace {

// Another language in which every window text reads "EN|" and its source: what it turns shows
// which texts were written again.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        return qstrcmp(context, "Texts") == 0 ? QStringLiteral("EN|") + QString::fromUtf8(source)
                                              : QString();
    }
};

// Every text of the window and its controls, one line each.
QStringList windowTexts(const QWidget& window) {
    QStringList out{window.windowTitle()};
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        QString text;
        if (const auto* l = qobject_cast<const QLabel*>(w))
            text = l->text();
        else if (const auto* b = qobject_cast<const QAbstractButton*>(w))
            text = b->text();
        else if (const auto* g = qobject_cast<const QGroupBox*>(w))
            text = g->title();
        out << w->objectName() + '|' + text + '|' + w->toolTip() + '|' + w->accessibleName();
    }
    return out;
}

QStringList printed(const std::vector<SurfaceCall>& calls) {
    QStringList out;
    for (const SurfaceCall& c : calls)
        if (c.op == Op::PrintText)
            out << c.text;
    return out;
}

} // namespace

using WindowLanguage = ProgramFixture;

// A switch writes the window's texts, the panes' captions and the shown results again in the new
// language, numbers and curves unchanged; switching back gives exactly the texts there were. The
// velocity panes keep the last landed throw after a new input, and keep it through the switch.
TEST_F(WindowLanguage, SwitchWritesEveryTextAgainAndKeepsResultsAndCurves) {
    runToLanding();
    const QStringList landedVelocityTexts = printed(sinceClear(calls(2)));
    paste(Field::v0, "4");
    ASSERT_NE(run.earlierVelocities(), nullptr);
    type(Field::d, "0.4e"); // unfinished: the tooltip says what is allowed
    ASSERT_TRUE(field(Field::d)->unfinished());
    const QStringList russian = windowTexts(window);
    forgetDrawing();

    MarkingTranslator english;
    QCoreApplication::installTranslator(&english);
    emit ui::LanguageSwitch::instance().changed();
    EXPECT_EQ(window.windowTitle().left(3), "EN|");
    EXPECT_EQ(window.runButton()->text(), "EN|ПУСК");
    EXPECT_EQ(window.graphBox()->title(), "EN|Графики");
    EXPECT_EQ(window.option(Graph::vy)->text(), "EN|проекции Vy");
    EXPECT_TRUE(field(Field::d)->toolTip().startsWith("EN|Значение ещё не принято: "));
    EXPECT_TRUE(printed(calls(1)).contains("EN|Х, м"));
    QStringList velocityTexts = printed(sinceClear(calls(2)));
    EXPECT_TRUE(velocityTexts.contains("EN|Vx, м/c"));
    velocityTexts.replaceInStrings("EN|", "");
    EXPECT_EQ(velocityTexts, landedVelocityTexts); // the same pane, captions in the new language
    EXPECT_GT(count(sinceClear(calls(2)), Op::DrawLineTo, QColor(255, 0, 0)), 0);

    QCoreApplication::removeTranslator(&english);
    emit ui::LanguageSwitch::instance().changed();
    EXPECT_EQ(windowTexts(window), russian);
    EXPECT_EQ(printed(sinceClear(calls(2))), landedVelocityTexts);
}
