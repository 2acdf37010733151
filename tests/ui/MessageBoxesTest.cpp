#include "ui/platform/MessageBoxes.h"
#include "ui/platform/RussianTranslations.h"
#include "ui/platform/SoundServerProbe.h"
#include "ui/platform/Tone.h"

#include <QApplication>
#include <QAudioDevice>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace {

// What a modal box showed: title, text, whether it had an icon, its buttons in order.
QStringList seen;

// Looks at the modal box once it is up, then presses the button with the given text.
void answerNextBox(const QString& press) {
    QTimer::singleShot(50, [press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = QStringList{box->windowTitle(), box->text(),
                           box->icon() == QMessageBox::NoIcon ? "no icon" : "icon"};
        QStringList buttons;
        for (QAbstractButton* b : box->buttons())
            buttons << b->text().remove('&');
        buttons.sort();
        seen << buttons;
        for (QAbstractButton* b : box->buttons())
            if (b->text() == press)
                b->click();
    });
}

} // namespace

// The boxes are modal, without an icon, and speak Russian without Qt's translations; with them,
// Qt's own menus (a field's context menu) speak Russian too, whatever the system's language.
TEST(DialogMessageBoxes, ModalWithoutIconAndTheirButtonsInRussian) {
    ui::DialogMessageBoxes boxes;
    answerNextBox("Нет");
    EXPECT_FALSE(boxes.confirm("Вы абсолютно уверены?", "На Выход"));
    EXPECT_EQ(seen, (QStringList{"На Выход", "Вы абсолютно уверены?", "no icon", "Да", "Нет"}));
    answerNextBox("Да");
    EXPECT_TRUE(boxes.confirm("Вы абсолютно уверены?", "На Выход"));
    answerNextBox("OK");
    boxes.inform("Уже упало!!!", "Ошибка");
    EXPECT_EQ(seen, (QStringList{"Ошибка", "Уже упало!!!", "no icon", "OK"}));

    ASSERT_TRUE(ui::installRussianTranslations(*qApp));
    QLineEdit field;
    std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList items;
    for (const QAction* a : menu->actions())
        items.append(a->text().remove('&').section('\t', 0, 0));
    EXPECT_TRUE(items.contains("Вставить")) << items.join(", ").toStdString();
}

// Without an audio output the tones are silent but keep their timing.
TEST(AudioTone, WithoutOutputSilentWithTheSameTiming) {
    ui::AudioTone tone{QAudioDevice()};
    EXPECT_FALSE(tone.hasOutput());

    QElapsedTimer clock;
    clock.start();
    tone.beep(25);
    const qint64 blocked = clock.restart();
    EXPECT_GE(blocked, 300);
    EXPECT_LT(blocked, 1000);

    EXPECT_EQ(tone.startBeep(50), 600);
    EXPECT_EQ(tone.startBeep(0), 0);
    tone.beep(0);
    EXPECT_LT(clock.elapsed(), 100);
}

// A sound server that accepts the connection and never answers (one that was stopped) is given
// up at the deadline; one that is not there at all, at once.
TEST(SoundServerProbe, GivesUpAtTheDeadline) {
    QTemporaryDir folder;
    // Listens, and nothing ever reads what a client sends.
    const int stopped = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = folder.filePath("socket").toUtf8();
    std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
    ASSERT_EQ(bind(stopped, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(stopped, 4), 0);
    const QByteArray before = qgetenv("PULSE_SERVER");
    QElapsedTimer clock;
    qputenv("PULSE_SERVER", "unix:" + path);
    clock.start();
    EXPECT_FALSE(ui::soundServerAnswers(300));
    EXPECT_GE(clock.elapsed(), 280);
    EXPECT_LT(clock.elapsed(), 2000);

    qputenv("PULSE_SERVER", "unix:" + folder.filePath("none").toUtf8());
    clock.restart();
    EXPECT_FALSE(ui::soundServerAnswers(3000));
    EXPECT_LT(clock.elapsed(), 1000);
    before.isNull() ? qunsetenv("PULSE_SERVER") : qputenv("PULSE_SERVER", before);
    close(stopped);
}
