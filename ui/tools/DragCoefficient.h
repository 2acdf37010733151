#pragma once

#include "model/physics/Inputs.h"

#include <QDialog>
#include <QObject>

#include <vector>

class QAction;
class QComboBox;
class QDoubleSpinBox;
class QLabel;

namespace ui {

class MainWindow;
class SessionObject;

// A ball whose drag coefficient is known from measurements: its name, Cd without spin in the
// range of Re the source names, and the source.
struct BallDrag {
    const char* name; // Russian, marked for translation
    double cd;
    const char* source; // Russian, marked for translation
};
const std::vector<BallDrag>& ballDrags();

// The drag coefficient Cd of the quadratic drag, 0.01 … 5, three decimals, with a choice of balls
// that puts in the Cd of one and shows where it comes from; beneath, the Cd a smooth sphere's
// drag law of Re gives at the launch and the landing of the throw, so that a teacher sees when a
// constant Cd describes the flight poorly.
class DragCoefficientDialog : public QDialog {
    Q_OBJECT
public:
    explicit DragCoefficientDialog(const model::Inputs& inputs, QWidget* parent = nullptr);

    double value() const;
    QDoubleSpinBox* field() const { return field_; }
    // 0: a value of one's own; then the balls of ballDrags() in order.
    QComboBox* balls() const { return balls_; }
    QLabel* source() const { return source_; }
    QLabel* dragLaw() const { return dragLaw_; }

private:
    void ballChosen(int index);
    void valueEdited(double value);
    void retranslate();

    QDoubleSpinBox* field_;
    QComboBox* balls_;
    QLabel* source_;
    QLabel* dragLaw_;
};

// «Инструменты → Коэффициент сопротивления Cd…»: the dialog above, below the presets; what it
// accepts becomes the Cd of the lesson as one step of the undo history.
class DragCoefficientCommand : public QObject {
    Q_OBJECT
public:
    DragCoefficientCommand(MainWindow& window, SessionObject& session, QObject* parent = nullptr);

    QAction* action() const { return action_; }
    // Opens the dialog (window-modal, without waiting) with the current Cd.
    void open();
    DragCoefficientDialog* dialog() const { return dialog_; }

private:
    MainWindow& window_;
    SessionObject& session_;
    QAction* action_;
    DragCoefficientDialog* dialog_ = nullptr;
};

} // namespace ui
