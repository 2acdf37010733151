#include "model/InputFields.h"
#include "model/NumberFormat.h"
#include "support/RecordingDocumentOpener.h"
#include "support/RecordingExportDialogs.h"
#include "support/RecordingMessageBoxes.h"
#include "support/SilentTone.h"
#include "ui/Program.h"
#include "ui/window/InputField.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

namespace {

// Texts a class of students might put into a field: numbers in every form the fields read,
// zeros that only appear after rounding, the limits of the double range, and rubbish.
// clang-format off
const QStringList pastes = QStringLiteral(
    "|0|-0|0.0001|0.00004|0.00000004|1e308|-1e308|1e-320|9e999|1D3| 7 8 0 0|0,5|12abc|abc|89.99|"
    "-89.99|90|-90|1000|999.95|1001.4|7800|1.5|0.05|2|10|45|.|-|+.5e-2|1e|3e2e1|"
    "99999999999999999999999999999999|1e-5|0.001|1.82e-5|500|-1|NaN|inf|1e10|0.0000001|4294967296"
).split('|');
// clang-format on
const QString keys = QStringLiteral("0123456789.-+eE, a");

// The slowest action walks a flight up to its work bound (ten million points) on every
// keystroke; under AddressSanitizer that is several times slower.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kActionLimitMs = 60000, kTotalLimitMs = 600000;
#else
constexpr int kActionLimitMs = 10000, kTotalLimitMs = 120000;
#endif

// Lets the window handle its events for about ms milliseconds (the flight goes on).
void idle(int ms) {
    QElapsedTimer clock;
    clock.start();
    do
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    while (clock.elapsed() < ms);
}

// Every input is inside its limits and equals the number its field shows once the field is
// committed (a field still typed into shows what is typed); empty when so.
std::string fault(ui::Program& program) {
    const model::Inputs& in = program.controller().inputs();
    if (!(in.h0 > 0 && in.v0 > 0 && in.alphaDeg > -90 && in.alphaDeg < 90 && in.d > 0 &&
          in.rho > in.rho0 && in.rho0 > 0 && in.eta > 0))
        return "inputs outside their limits";
    for (const model::Field f : model::allFields) {
        if (program.fields().pending(f))
            continue;
        const std::string text = program.window().field(f)->text().toStdString();
        if (model::ReadNumber(text) != model::inputOf(in, f))
            return model::row(f).control + (" shows \"" + text + "\"");
    }
    return {};
}

// A thousand seeded user actions of every kind: after each, the inputs keep their limits and
// match their fields; no action hangs, and the whole sequence ends within two minutes (ten
// under AddressSanitizer).
TEST(WindowSoak, ThousandRandomActions) {
    ui::RecordingMessageBoxes boxes;
    ui::SilentTone tone;
    ui::RecordingDocumentOpener opener;
    ui::RecordingExportDialogs dialogs;
    QTemporaryDir settings;
    ui::Program program(boxes, tone, opener, dialogs, settings.filePath("ballflight.conf"));
    ui::MainWindow& window = program.window();
    ui::ThrowController& run = program.controller();
    run.setDecimalSeparator('.');
    run.setTickInterval(1);
    program.start();
    [[maybe_unused]] bool exposed = QTest::qWaitForWindowExposed(&window);
    QCoreApplication::processEvents();

    // Our own generator (splitmix64), so that the same seed gives the same actions everywhere.
    std::uint64_t seed = 20261206;
    auto below = [&seed](int n) {
        std::uint64_t z = seed += 0x9E3779B97F4A7C15ull;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return static_cast<int>((z ^ (z >> 31)) % static_cast<std::uint64_t>(n));
    };
    int messages = 0, clicksInFlight = 0;
    QLineEdit* field = nullptr;
    const std::function<void()> actions[] = {
        [&] { // type a few keys, somewhere in the text or over all of it
            field->setFocus();
            if (below(3) == 0)
                field->selectAll();
            else
                field->setCursorPosition(below(static_cast<int>(field->text().size()) + 1));
            for (int n = 1 + below(5); n > 0; --n)
                QTest::keyClick(field, keys[below(static_cast<int>(keys.size()))].toLatin1());
        },
        [&] { // paste over the whole text or at the cursor
            QGuiApplication::clipboard()->setText(pastes[below(pastes.size())]);
            field->setFocus();
            if (below(4) != 0)
                field->selectAll();
            field->paste();
        },
        [&] { // clear, by the keyboard or at once
            field->setFocus();
            if (below(2) == 0) {
                field->selectAll();
                QTest::keyClick(field, Qt::Key_Backspace);
            } else {
                field->clear();
            }
        },
        [&] { // a scale bar, often to its ends
            QScrollBar* bar = below(2) == 0 ? window.hScroll() : window.vScroll();
            const int where = below(4);
            bar->setValue(where == 0 ? 0 : where == 1 ? 200 : below(201));
        },
        [&] { // a graph option
            QRadioButton* option = window.option(ui::Graph(below(3)));
            if (option->isVisible())
                QTest::mouseClick(option, Qt::LeftButton);
        },
        [&] { // ПУСК, often while a flight is still in the air
            clicksInFlight += run.busy() ? 1 : 0;
            QTest::mouseClick(window.cmdOK(), Qt::LeftButton);
        },
        [&] { // resize, down to nothing and up to 4K
            static const QSize sizes[] = {{0, 0}, {3840, 2160}, {720, 560}, {1, 1}, {100, 3000}};
            const int which = below(7);
            window.resize(which < 5 ? sizes[which] : QSize(below(3841), below(2161)));
        },
        [&] { idle(below(30)); }, // wait a little; the flight goes on
    };
    // ПУСК and waiting come twice as often as the rest.
    const int kinds[] = {0, 1, 2, 3, 4, 5, 5, 6, 7, 7};

    QElapsedTimer total;
    total.start();
    for (int i = 0; i < 1000; ++i) {
        QElapsedTimer clock;
        clock.start();
        field = window.field(model::Field(below(7)));
        const int kind = kinds[below(10)];
        actions[kind]();
        QCoreApplication::processEvents();
        ASSERT_EQ(fault(program), "") << "after action " << i << " of kind " << kind;
        ASSERT_LT(clock.elapsed(), kActionLimitMs) << "action " << i << " of kind " << kind;
        for (const auto& box : boxes.boxes) // every message box was answered and recorded
            ASSERT_FALSE(box.text.isEmpty()) << "empty message box after action " << i;
        messages += static_cast<int>(boxes.boxes.size());
        boxes.boxes.clear();
    }
    // The last flight lands (at once: it may be a long one), and the window is whole afterwards.
    window.resize(720, 560);
    run.setGroupsPerTick(0);
    QElapsedTimer clock;
    clock.start();
    while (run.busy() && clock.elapsed() < 30000)
        idle(10);
    EXPECT_FALSE(run.busy());
    EXPECT_EQ(fault(program), "");
    EXPECT_LT(total.elapsed(), kTotalLimitMs);
    // The sequence did reach the paths it is meant to stress.
    EXPECT_GT(messages, 50);
    EXPECT_GT(clicksInFlight, 20);
    EXPECT_GT(run.fullRuns(), 100);
}

} // namespace
