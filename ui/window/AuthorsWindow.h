#pragma once

#include <QWidget>

class QLabel;

namespace ui {

// Form2, the small authors window: a portrait over a text about the authors.
class AuthorsWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int clientWidth = 222;
    static constexpr int clientHeight = 297;

    explicit AuthorsWindow(QWidget* parent = nullptr);

    void setAuthorsText(const QString& text);
    QString authorsText() const;

private:
    QLabel* image_ = nullptr;
    QLabel* text_ = nullptr;
};

} // namespace ui
