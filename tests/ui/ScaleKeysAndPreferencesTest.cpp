#include "ProgramFixture.h"
#include "model/InputFields.h"
#include "ui/PreferencesWriter.h"
#include "ui/run/AnimationSpeed.h"
#include "ui/tools/PresetCommands.h"
#include "ui/tools/PresetTexts.h"
#include "ui/tools/Presets.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>

#include <map>
#include <string>
#include <sys/stat.h>

using namespace testing_ui;

using Keys = ProgramFixture;

// F5 runs; Alt+2 chooses the Vx graph; Ctrl+Enter commits a field and runs; every speed lands
// with the same figures, in as many ticks as its pace gives. (Pausing: the real-window lesson.)
TEST_F(Keys, RunGraphsAndSpeeds) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F5);
    ASSERT_TRUE(run.busy() && finish());
    const QString landed = text(Quantity::VyEnd2);
    QTest::keyClick(&window, Qt::Key_2, Qt::AltModifier);
    EXPECT_TRUE(window.pane(Graph::vx)->isVisible());

    for (const ui::AnimationSpeed& s : ui::animationSpeeds) {
        run.setSpeed(s.factor);
        run.setTickInterval(0);
        type(Field::h0, "0.5");
        QTest::keyClick(field(Field::h0), Qt::Key_Return, Qt::ControlModifier);
        ASSERT_TRUE(finish()) << s.text;
        EXPECT_EQ(text(Quantity::VyEnd2), landed) << s.text;
        const int groups = ui::paceFor(s.factor).groupsPerTick;
        EXPECT_EQ(run.flight().ticks(), groups ? 1 + (110 + groups - 1) / groups : 1) << s.text;
    }
}

// During a flight Space holds and lets go the flight wherever the focus is, and types nothing
// into a field; outside a flight a field takes it as a blank, as ever.
TEST_F(Keys, SpacePausesTheFlightEvenInAField) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    run.setTickInterval(20);
    clickRun();
    ui::InputField* v0 = field(Field::v0);
    v0->setFocus();
    const QString before = v0->text();
    QTest::keyClick(v0, Qt::Key_Space);
    EXPECT_TRUE(run.paused());
    EXPECT_EQ(v0->text(), before);
    QTest::keyClick(v0, Qt::Key_Space);
    EXPECT_FALSE(run.paused());
    run.setTickInterval(0);
    ASSERT_TRUE(finish());
    v0->setFocus();
    QTest::keyClick(v0, Qt::Key_Space);
    EXPECT_EQ(v0->text().size(), before.size() + 1);
    EXPECT_EQ(v0->text().remove(' '), before);
}

TEST(Preferences, SavedReadBackAndNonsenseGivesTheDefaults) {
    QTemporaryDir dir;
    const QString path = dir.filePath("ballflight.conf");
    ui::PreferencesStore store(path);
    EXPECT_EQ(store.load(), ui::Preferences{}); // no file
    const ui::Preferences chosen{1.5, 5, true, dir.path()};
    ASSERT_TRUE(store.save(chosen));
    EXPECT_EQ(store.load(), chosen);
    for (const char* junk :
         {"\xff\xfe\x00garbage[[[", "[General]\ninterfaceScale=7\nanimationSpeed=abc\n",
          "[General]\ninterfaceSc"}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(junk) > 0);
        f.close();
        EXPECT_EQ(store.load(), ui::Preferences{}) << junk;
    }
    // Two programs running at once: each saves what it changed, and keeps what the other did.
    ui::PreferencesStore other(path);
    EXPECT_EQ(store.load(), other.load());
    ASSERT_TRUE(store.save({1.25, 1, false, {}}));
    ASSERT_TRUE(other.save({1, 0, false, {}}));
    EXPECT_EQ(store.load(), (ui::Preferences{1.25, 0, false, {}}));

    // A folder or a pipe where the file should be can be neither read nor replaced; the pipe
    // does not make the start wait for a writer.
    for (const bool pipe : {false, true}) {
        QFile::remove(path);
        ASSERT_TRUE(pipe ? mkfifo(QFile::encodeName(path), 0600) == 0
                         : QDir(dir.path()).mkdir("ballflight.conf"));
        EXPECT_EQ(store.load(), ui::Preferences{});
        EXPECT_FALSE(store.save(chosen));
        EXPECT_FALSE(QFileInfo(path).isFile());
        QDir(dir.path()).rmdir("ballflight.conf");
    }
}

// Choices made one after another are written off the window's thread, the latest last; none is
// lost when the writer ends right after them (the program quitting).
TEST(Preferences, WrittenInTheBackgroundWithTheLastChoiceKept) {
    QTemporaryDir dir;
    const QString path = dir.filePath("ballflight.conf");
    ui::PreferencesStore store(path);
    store.load();
    {
        ui::PreferencesWriter writer(store);
        for (const ui::AnimationSpeed& s : ui::animationSpeeds)
            writer.save({1.25, s.factor, true, {}});
        writer.flush();
        EXPECT_EQ(ui::PreferencesStore(path).load(), (ui::Preferences{1.25, 0, true, {}}));
        writer.save({2, 0.5, false, {}});
        writer.save({1.75, 0.5, false, {}});
    }
    EXPECT_EQ(ui::PreferencesStore(path).load(), (ui::Preferences{1.75, 0.5, false, {}}));
}

// A preset is written like a paste, so the fields' checks run (a cork cannot sink in water), and
// the menus mark what the inputs match.
TEST_F(Keys, PresetsWriteTheFieldsAndAreChecked) {
    const ui::Presets& table = ui::Presets::builtIn();
    QMenu* materials = program.presets().materialsMenu();
    auto named = [](const std::vector<ui::Preset>& list, const char* name) {
        return *std::find_if(list.begin(), list.end(),
                             [&](const ui::Preset& p) { return p.name.startsWith(name); });
    };
    program.presets().choose(named(table.media(), "вода 20"));
    program.presets().choose(named(table.materials(), "пробка"));
    EXPECT_EQ(boxes.boxes,
              (QList<ui::RecordingMessageBoxes::Box>{{"Всплывание не моделируется!", "Ошибка"}}));
    EXPECT_EQ(field(Field::rho)->text(), "1996.4");
    emit materials->aboutToShow();
    for (QAction* a : materials->actions())
        EXPECT_FALSE(a->isChecked()) << a->text().toStdString();
    program.presets().choose(named(table.materials(), "сталь"));
    emit materials->aboutToShow();
    EXPECT_TRUE(materials->actions().front()->isChecked());
}

using ui::Preset;
using ui::Presets;

// Every name and source of the table is marked for translation, or it would stay Russian in
// English: a preset added to data/presets.tsv needs its marks in PresetTexts.cpp.
TEST(Presets, EveryNameAndSourceIsMarkedForTranslation) {
    const QStringList marked = ui::markedPresetTexts();
    for (const auto* list : {&Presets::builtIn().materials(), &Presets::builtIn().media()})
        for (const Preset& p : *list) {
            EXPECT_TRUE(marked.contains(p.name)) << p.name.toStdString();
            EXPECT_TRUE(marked.contains(p.source)) << p.source.toStdString();
        }
}

// Every built-in medium passes the fields' checks and is marked; each ball in it is marked or
// refused as floating (a slip into mPa·s would leave the bounds, one into g/cm³ float the balls).
TEST(Presets, BuiltInOnesPassTheFieldsChecksAndBadRowsAreLeftOut) {
    // Writes text into the field as a paste does and returns the messages it raised.
    const auto paste = [](model::Field f, const QString& text, model::Inputs& in) {
        std::string messages;
        for (const auto& r : model::settleField(f, text.toStdString(), in).rejections)
            messages += (messages.empty() ? "" : ", ") + r.message;
        return messages;
    };
    const Presets& table = Presets::builtIn();
    EXPECT_TRUE(table.problems().isEmpty()) << table.problems().join(", ").toStdString();
    std::map<std::string, std::string> floating;
    for (const Preset& medium : table.media()) {
        EXPECT_TRUE(*medium.viscosity >= 1e-6 && *medium.viscosity <= 10)
            << medium.name.toStdString();
        for (const Preset& material : table.materials()) {
            model::Inputs in;
            EXPECT_EQ(paste(model::Field::rho0, medium.densityText(), in) +
                          paste(model::Field::eta, medium.viscosityText(), in),
                      "");
            const std::string messages = paste(model::Field::rho, material.densityText(), in);
            EXPECT_EQ(table.matchingMedium(in.rho0, in.eta), &medium);
            if (messages.empty()) {
                EXPECT_EQ(table.matchingMaterial(in.rho), &material);
            } else {
                EXPECT_EQ(messages, "Всплывание не моделируется!");
                std::string& list = floating[material.name.toStdString()];
                list += (list.empty() ? "" : ", ") + medium.name.toStdString();
            }
        }
    }
    const std::string water = "вода 4 °C, вода 20 °C, морская вода 20 °C";
    const std::string heavyOils = "касторовое масло 20 °C, глицерин 20 °C";
    const std::string liquids = water + ", машинное масло 20 °C, " + heavyOils;
    EXPECT_EQ(floating, (std::map<std::string, std::string>{
                            {"лёд", water + ", " + heavyOils}, // 917 kg/m³ sinks in oil of 900
                            {"дуб", liquids},
                            {"пробка", liquids}}));

    // Marks after the fields' rounding; a table with bad rows keeps only the good ones.
    EXPECT_EQ(table.matchingMaterial(7800.049)->name, "сталь");
    EXPECT_EQ(table.matchingMaterial(7800.05), nullptr);                // the field shows 7800.1
    EXPECT_EQ(table.matchingMedium(1000, 0.001567)->name, "вода 4 °C"); // 999.97 shows 1000.0
    EXPECT_EQ(table.matchingMedium(1000, 0.001006), nullptr); // the program's start values

    const Presets parsed = Presets::parse(u"# comment\r\n"
                                          "kind\tname\tdensity\tviscosity\tsource\r\n"
                                          "material\tсталь\t7800\t\tкнига\r\n"
                                          "\n"
                                          "material\tмедь\t8960\tкнига\n"
                                          "metal\tцинк\t7130\t\tкнига\n"
                                          "material\tсталь\t7850\t\tкнига\n"
                                          "material\tчугун\t7.2e3\t\tкнига\n"
                                          "material\tлёд\t917\t0.1\tкнига\n"
                                          "medium\tводород\t0.084\t0.0000088\tкнига\n"
                                          "medium\tгаз\t1.3\t0.00000004\tкнига\n"
                                          "medium\tвоздух\t1.2929\t0.0000172\tкнига\n"
                                          "medium\tвоздух сухой\t1.3\t0.0000172\tкнига\n"
                                          "medium\tвода\t998.2\t0.001002\t");
    ASSERT_TRUE(parsed.materials().size() == 1 && parsed.media().size() == 1);
    EXPECT_EQ(parsed.materials()[0].name, "сталь");
    EXPECT_EQ(parsed.media()[0].name, "воздух");
    QStringList lines;
    for (const QString& problem : parsed.problems())
        lines.append(problem.section(u':', 0, 0));
    EXPECT_EQ(lines.join(", "), "line 5, line 6, line 7, line 8, line 9, line 10, line 11, "
                                "line 13, line 14")
        << parsed.problems().join(", ").toStdString();
}
