#pragma once

#include "ui/platform/MessageBoxes.h"

#include <QList>
#include <QString>

namespace ui {

// Message boxes for tests: nothing is shown; every box is kept, every confirm gets `answer`.
class RecordingMessageBoxes : public MessageBoxes {
public:
    struct Box {
        QString text;
        QString title;
        bool question = false;
        bool operator==(const Box&) const = default;
    };

    void inform(const QString& text, const QString& title) override {
        boxes.append({text, title, false});
    }
    bool confirm(const QString& text, const QString& title) override {
        boxes.append({text, title, true});
        return answer;
    }

    int choose(const QString& text, const QString& title, const QStringList&) override {
        boxes.append({text, title, true});
        return choice;
    }

    QList<Box> boxes;
    bool answer = true; // the answer to every confirm
    int choice = 0;     // the button every choose presses
};

} // namespace ui
