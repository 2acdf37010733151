#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace ui {

// The program's message boxes: modal, without icon. Behind an interface so that tests can
// answer them without a modal loop.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // A box with the OK button only; returns when the user has closed it.
    virtual void inform(const QString& text, const QString& title) = 0;
    // A box with Yes and No; true for Yes.
    virtual bool confirm(const QString& text, const QString& title) = 0;
    // A box with these buttons, the first the default and the last the one Escape presses;
    // returns the index of the button pressed.
    virtual int choose(const QString& text, const QString& title, const QStringList& buttons) = 0;
};

// Real modal boxes over the given parent window.
class DialogMessageBoxes : public MessageBoxes {
public:
    explicit DialogMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
    void setParentWindow(QWidget* parent) { parent_ = parent; }

    void inform(const QString& text, const QString& title) override;
    bool confirm(const QString& text, const QString& title) override;
    int choose(const QString& text, const QString& title, const QStringList& buttons) override;

private:
    QWidget* parent_;
};

} // namespace ui
