// The interface in English: a switch reaches every text of every window at once, keeps what was
// typed and computed, and switching back gives exactly the Russian texts again.
#include "ui/platform/Language.h"
#include "ProgramFixture.h"
#include "model/measure/TableImport.h"
#include "ui/measure/FitDialog.h"
#include "ui/measure/ImportDialog.h"
#include "ui/measure/MeasurementsPanel.h"
#include "ui/study/StudyWindow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTest>

#include <fstream>
#include <sstream>

namespace testing_ui {
namespace {

using translations::Language;

bool hasCyrillic(const QString& s) {
    return std::any_of(s.begin(), s.end(),
                       [](QChar c) { return c.unicode() >= 0x400 && c.unicode() <= 0x4FF; });
}

void addModelTexts(const QAbstractItemModel* m, QStringList& texts) {
    if (!m)
        return;
    for (int c = 0; c < m->columnCount(); ++c)
        texts << m->headerData(c, Qt::Horizontal).toString();
    for (int r = 0; r < m->rowCount(); ++r) {
        texts << m->headerData(r, Qt::Vertical).toString();
        for (int c = 0; c < m->columnCount(); ++c)
            for (int role : {int(Qt::DisplayRole), int(Qt::ToolTipRole)})
                texts << m->index(r, c).data(role).toString();
    }
}

// Every text a user can read or hear in the program's windows and menus: titles, labels,
// buttons, menu items, tooltips, accessible names, list items, table headers and cells. The
// fields' own text is a value, not a text of the program.
QStringList visibleTexts() {
    QStringList texts;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        QList<QWidget*> widgets = top->findChildren<QWidget*>();
        widgets.prepend(top);
        for (QWidget* w : widgets) {
            texts << w->windowTitle() << w->toolTip() << w->accessibleName()
                  << w->accessibleDescription() << w->whatsThis();
            if (auto* l = qobject_cast<QLabel*>(w))
                texts << l->text();
            if (auto* b = qobject_cast<QAbstractButton*>(w))
                texts << b->text();
            if (auto* g = qobject_cast<QGroupBox*>(w))
                texts << g->title();
            if (auto* e = qobject_cast<QLineEdit*>(w))
                texts << e->placeholderText();
            if (auto* m = qobject_cast<QMenu*>(w))
                texts << m->title();
            if (auto* c = qobject_cast<QComboBox*>(w))
                for (int i = 0; i < c->count(); ++i)
                    texts << c->itemText(i);
            if (auto* v = qobject_cast<QAbstractItemView*>(w))
                addModelTexts(v->model(), texts);
            for (QAction* a : w->actions())
                texts << a->text() << a->toolTip() << a->statusTip();
        }
    }
    texts.removeAll(QString());
    // The language menu names each language in itself.
    texts.removeAll(QStringLiteral("Язык / Language"));
    texts.removeAll(QStringLiteral("Русский"));
    return texts;
}

QStringList cyrillicAmong(const QStringList& texts) {
    QStringList found;
    for (const QString& t : texts)
        if (hasCyrillic(t))
            found << t;
    found.removeDuplicates();
    return found;
}

class Language_ : public ProgramFixture {
protected:
    void TearDown() override { ui::LanguageSwitch::instance().choose(Language::russian); }

    // The study window and the fit dialog of the example measurements open beside the main
    // window.
    void openEveryWindow() {
        ui::toolAction(window, ui::ToolCommand::study)->trigger();
        std::ifstream file(BALLFLIGHT_SOURCE_DIR "/data/examples/tennis-ball.tsv");
        std::stringstream text;
        text << file.rdbuf();
        table = text.str();
        auto imported = model::measure::importDetected(table, {}, "tennis-ball.tsv");
        ASSERT_TRUE(imported.measurements);
        program.measured().set(*imported.measurements);
        fit = new ui::FitDialog(window, run, program.measured(), program.session(), &window);
        fit->show();
        QCoreApplication::processEvents();
    }

    // The measurements panel's distances arrive from the work pool: texts are compared once
    // they have.
    QStringList settledTexts() {
        EXPECT_TRUE(QTest::qWaitFor([this] {
            const ui::MeasurementsPanel* panel = program.measure().panel();
            return !panel || !panel->computing();
        }));
        return visibleTexts();
    }

    std::string table;
    QPointer<ui::FitDialog> fit;
};

TEST_F(Language_, EveryWindowSpeaksEnglishAtOnceAndComesBackToTheSameRussian) {
    openEveryWindow();
    type(Field::v0, "12,5");
    runToLanding();
    const QString range = text(Quantity::Xmax2);
    const QStringList russian = settledTexts();
    ASSERT_FALSE(cyrillicAmong(russian).isEmpty());

    ASSERT_TRUE(ui::LanguageSwitch::instance().choose(Language::english));
    QCoreApplication::processEvents();
    // The import dialog is modal, built in the language of the moment (the example's own
    // Russian title line left out: it is data).
    const std::string columns = table.substr(table.find('\n') + 1);
    auto import = std::make_unique<ui::ImportDialog>(columns, model::measure::previewTable(columns),
                                                     QStringLiteral("tennis-ball.tsv"), &window);
    import->show();
    EXPECT_EQ(cyrillicAmong(settledTexts()), QStringList());
    import.reset();
    EXPECT_EQ(field(Field::v0)->text(), QStringLiteral("12.500"));
    EXPECT_EQ(text(Quantity::Xmax2).section(QLatin1Char(' '), 0, -2),
              range.section(QLatin1Char(' '), 0, -2)); // the same number, an English unit
    EXPECT_TRUE(text(Quantity::Xmax2).endsWith(QLatin1String(" m")));

    // Boxes built while English are English.
    boxes.boxes.clear();
    window.menuActions().aboutAction->trigger();
    paste(Field::d, QStringLiteral("0"));
    field(Field::d)->clearFocus();
    QCoreApplication::processEvents();
    ASSERT_FALSE(boxes.boxes.empty());
    for (const auto& box : boxes.boxes)
        EXPECT_FALSE(hasCyrillic(box.text + box.title)) << box.title.toStdString();

    ASSERT_TRUE(ui::LanguageSwitch::instance().choose(Language::russian));
    QCoreApplication::processEvents();
    paste(Field::d, QStringLiteral("0.4"));
    runToLanding();
    const QStringList again = settledTexts();
    EXPECT_EQ(again.size(), russian.size());
    for (qsizetype i = 0; i < std::min(again.size(), russian.size()); ++i)
        EXPECT_EQ(again[i], russian[i]);
}

} // namespace
} // namespace testing_ui

namespace testing_ui {
namespace {

// A first start speaks the first of the system's languages that the program speaks, Russian
// under C or a language it does not speak; a choice in the menu is kept and wins at every
// later start.
TEST(FirstLanguage, FollowsTheSystemUntilOneIsChosen) {
    using translations::languageOfSystem;
    const std::pair<QStringList, Language> systems[] = {
        {{"en-GB", "en-Latn-GB"}, Language::english},
        {{"ru-RU", "ru-Cyrl-RU", "ru"}, Language::russian},
        {{"C"}, Language::russian},
        {{"C", "en"}, Language::russian},
        {{"de-DE", "de-Latn-DE", "de"}, Language::russian},
        {{"de", "de-DE", "en", "en-US"}, Language::english}, // LANGUAGE=de:en
        {{}, Language::russian}};
    for (const auto& [ui, language] : systems)
        EXPECT_EQ(languageOfSystem(ui), language) << ui.join(',').toStdString();

    QTemporaryDir dir;
    const QString path = dir.filePath("ballflight.conf");
    ui::RecordingMessageBoxes boxes;
    ui::SilentTone tone;
    ui::RecordingDocumentOpener opener;
    ui::RecordingExportDialogs dialogs;
    {
        ui::Program first(boxes, tone, opener, dialogs, path);
        EXPECT_EQ(ui::LanguageSwitch::instance().current(), translations::systemLanguage());
        EXPECT_FALSE(ui::PreferencesStore(path).load().language); // nothing chosen, nothing kept
        first.window().findChild<QAction*>("mnuToolsLanguageEnglish")->trigger();
    }
    ui::LanguageSwitch::instance().choose(Language::russian);
    EXPECT_EQ(ui::PreferencesStore(path).load().language, Language::english);
    {
        ui::Program again(boxes, tone, opener, dialogs, path);
        EXPECT_EQ(ui::LanguageSwitch::instance().current(), Language::english);
    }
    ui::LanguageSwitch::instance().choose(Language::russian);
}

} // namespace
} // namespace testing_ui
