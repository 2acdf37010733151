#pragma once

#include "model/measure/TableImport.h"

#include <QDialog>

#include <string>

class QCheckBox;
class QComboBox;
class QLabel;

namespace ui {

// Shows the first rows of a measured table and lets the user confirm what it holds (a throw, a
// vertical motion, a path without times), which columns hold t, x and y, their units, which way
// a vertical motion's column points and where the ground is, with the number of points that
// will be read.
class ImportDialog : public QDialog {
    Q_OBJECT
public:
    ImportDialog(const std::string& text, const model::measure::TablePreview& preview,
                 const QString& source, QWidget* parent = nullptr);

    model::measure::ImportSettings settings() const;

private:
    void recount();
    void motionChosen();

    const std::string& text_;
    QComboBox* motion_;
    QComboBox* axis_;
    QComboBox* columns_[3];
    QComboBox* length_;
    QComboBox* time_;
    QCheckBox* ground_;
    QLabel* count_;
    QPushButton* accept_ = nullptr;
};

} // namespace ui
