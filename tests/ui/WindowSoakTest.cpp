#include "model/InputFields.h"
#include "model/NumberFormat.h"
#include "ui/MainWindow.h"
#include "ui/RecordingMessageBoxes.h"
#include "ui/RunSequence.h"
#include "ui/Tone.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

// A small generator of our own, so that the same seed gives the same actions everywhere.
class Dice {
public:
    explicit Dice(std::uint64_t seed) : s_(seed) {}
    std::uint64_t next() {
        s_ += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = s_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    bool oneIn(int n) { return below(n) == 0; }

private:
    std::uint64_t s_;
};

// Texts a class of students might put into a field: numbers in every form the fields read,
// zeros that only appear after rounding, the limits of the double range, and rubbish.
const QStringList pastes{"",          "0",
                         "-0",        "0.0001",
                         "0.00004",   "0.00000004",
                         "1e308",     "-1e308",
                         "1e-320",    "9e999",
                         "1D3",       " 7 8 0 0",
                         "0,5",       "12abc",
                         "abc",       "89.99",
                         "-89.99",    "90",
                         "-90",       "1000",
                         "999.95",    "1001.4",
                         "7800",      "1.5",
                         "0.05",      "2",
                         "10",        "45",
                         ".",         "-",
                         "+.5e-2",    "1e",
                         "3e2e1",     "99999999999999999999999999999999",
                         "1e-5",      "0.001",
                         "1.82e-5",   "500",
                         "-1",        "NaN",
                         "inf",       "1e10",
                         "0.0000001", "4294967296"};
const QString keys = QStringLiteral("0123456789.-+eE, a");

// The slowest action walks a flight up to its work bound (ten million points) on every
// keystroke; under AddressSanitizer that is several times slower.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kActionLimitMs = 60000, kTotalLimitMs = 600000;
#else
constexpr int kActionLimitMs = 10000, kTotalLimitMs = 120000;
#endif

bool invariantsHold(const model::Inputs& in) {
    return in.h0 > 0 && in.v0 > 0 && in.alphaDeg > -90 && in.alphaDeg < 90 && in.d > 0 &&
           in.rho > in.rho0 && in.rho0 > 0 && in.eta > 0;
}

class WindowSoak : public ::testing::Test {
protected:
    void SetUp() override {
        run = std::make_unique<ui::RunSequence>(window, boxes, tone);
        run->setDecimalSeparator('.');
        run->setTickInterval(1);
        run->load();
        window.show();
        [[maybe_unused]] bool exposed = QTest::qWaitForWindowExposed(&window);
        QCoreApplication::processEvents();
    }
    void TearDown() override { run.reset(); }

    // Lets the window handle its events for about ms milliseconds (the flight goes on).
    static void idle(int ms) {
        QElapsedTimer clock;
        clock.start();
        do
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        while (clock.elapsed() < ms);
    }

    // Every input is inside its limits and equals the number its field shows.
    ::testing::AssertionResult fieldsConsistent() const {
        const model::Inputs& in = window.state().in;
        if (!invariantsHold(in))
            return ::testing::AssertionFailure()
                   << "inputs outside their limits: h0 " << in.h0 << " v0 " << in.v0 << " alpha "
                   << in.alphaDeg << " d " << in.d << " rho " << in.rho << " rho0 " << in.rho0
                   << " eta " << in.eta;
        for (const model::Field f : model::allFields) {
            const int n = static_cast<int>(f) + 1;
            const std::string text = window.field(n)->text().toStdString();
            if (model::ReadNumber(text) != model::inputOf(in, f))
                return ::testing::AssertionFailure() << "Text" << n << " shows \"" << text
                                                     << "\" but holds " << model::inputOf(in, f);
        }
        return ::testing::AssertionSuccess();
    }

    // One user action chosen by the dice; returns its name for the failure message.
    QString act(Dice& dice) {
        QLineEdit* field = window.field(1 + dice.below(7));
        switch (dice.below(10)) {
        case 0: { // type a few keys, somewhere in the text or over all of it
            field->setFocus();
            if (dice.oneIn(3))
                field->selectAll();
            else
                field->setCursorPosition(dice.below(static_cast<int>(field->text().size()) + 1));
            const int n = 1 + dice.below(5);
            for (int i = 0; i < n; ++i)
                QTest::keyClick(field, keys[dice.below(static_cast<int>(keys.size()))].toLatin1());
            return "type into " + field->objectName();
        }
        case 1: { // paste over the whole text or at the cursor
            QGuiApplication::clipboard()->setText(pastes[dice.below(pastes.size())]);
            field->setFocus();
            if (!dice.oneIn(4))
                field->selectAll();
            field->paste();
            return "paste into " + field->objectName();
        }
        case 2: // clear, by the keyboard or at once
            field->setFocus();
            if (dice.oneIn(2)) {
                field->selectAll();
                QTest::keyClick(field, Qt::Key_Backspace);
            } else {
                field->clear();
            }
            return "clear " + field->objectName();
        case 3: { // a scale bar, often to its ends
            QScrollBar* bar = dice.oneIn(2) ? window.hScroll() : window.vScroll();
            const int where = dice.below(4);
            bar->setValue(where == 0 ? 0 : where == 1 ? 200 : dice.below(201));
            return "move " + bar->objectName();
        }
        case 4: { // a graph option
            QRadioButton* option = window.option(1 + dice.below(3));
            if (option->isVisible())
                QTest::mouseClick(option, Qt::LeftButton);
            return "click " + option->objectName();
        }
        case 5:
        case 6: // ПУСК, often while a flight is still in the air
            clicksInFlight += run->busy() ? 1 : 0;
            QTest::mouseClick(window.cmdOK(), Qt::LeftButton);
            return QStringLiteral("click CmdOK");
        case 7: { // resize, down to nothing and up to 4K
            static const QSize sizes[] = {{0, 0}, {3840, 2160}, {720, 560}, {1, 1}, {100, 3000}};
            const int which = dice.below(7);
            window.resize(which < 5 ? sizes[which] : QSize(dice.below(3841), dice.below(2161)));
            return QStringLiteral("resize");
        }
        default: // wait a little; the flight goes on
            idle(dice.below(30));
            return QStringLiteral("wait");
        }
    }

    ui::MainWindow window;
    ui::RecordingMessageBoxes boxes;
    ui::SilentTone tone;
    std::unique_ptr<ui::RunSequence> run;
    int clicksInFlight = 0;
};

// A thousand seeded user actions of every kind: after each, the inputs keep their limits and
// match their fields; no action hangs, and the whole sequence ends within two minutes (ten
// under AddressSanitizer).
TEST_F(WindowSoak, ThousandRandomActions) {
    Dice dice(20261206);
    int messages = 0;
    qint64 slowest = 0;
    QElapsedTimer total;
    total.start();
    for (int i = 0; i < 1000; ++i) {
        QElapsedTimer clock;
        clock.start();
        const QString action = act(dice);
        QCoreApplication::processEvents();
        ASSERT_TRUE(fieldsConsistent()) << "after action " << i << ": " << action.toStdString();
        slowest = std::max(slowest, clock.elapsed());
        ASSERT_LT(clock.elapsed(), kActionLimitMs)
            << "action " << i << " took too long: " << action.toStdString();
        // Every message box was answered and recorded; keep the record short.
        for (const auto& box : boxes.boxes)
            ASSERT_FALSE(box.text.isEmpty()) << "empty message box after action " << i;
        messages += static_cast<int>(boxes.boxes.size());
        boxes.boxes.clear();
    }
    // The last flight lands, and the window is whole afterwards.
    window.resize(720, 560);
    QElapsedTimer clock;
    clock.start();
    while (run->busy() && clock.elapsed() < 30000)
        idle(10);
    EXPECT_FALSE(run->busy());
    EXPECT_TRUE(fieldsConsistent());
    EXPECT_LT(total.elapsed(), kTotalLimitMs);
    // The sequence did reach the paths it is meant to stress.
    EXPECT_GT(messages, 50);
    EXPECT_GT(clicksInFlight, 20);
    EXPECT_GT(run->fullRuns(), 100);
    std::printf("%d message boxes, %d full runs (%d started during a flight), %d short "
                "recomputes, %.1f s, slowest action %lld ms\n",
                messages, run->fullRuns(), clicksInFlight, run->shortRecomputes(),
                total.elapsed() / 1e3, static_cast<long long>(slowest));
}

} // namespace
