#include "ui/window/AuthorsWindow.h"

#include "ui/platform/Language.h"
#include "ui/window/ResourceIcon.h"

#include <QFont>
#include <QLabel>

namespace ui {

AuthorsWindow::AuthorsWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form2"));
    keepTranslated(this, [this] { setWindowTitle(Texts::tr("Авторы")); });
    setWindowIcon(resourceIcon(QStringLiteral(":/images/app_icon.svg")));
    resize(clientWidth, clientHeight);

    const QSize portraitSize(150, 180);
    image_ = new QLabel(this);
    image_->setObjectName(QStringLiteral("Image1"));
    image_->setGeometry(QRect(QPoint(32, 8), portraitSize));
    const QIcon portrait = resourceIcon(QStringLiteral(":/images/authors_portrait.svg"));
    if (!portrait.isNull())
        image_->setPixmap(portrait.pixmap(portraitSize));

    text_ = new QLabel(QStringLiteral("Label1"), this);
    text_->setObjectName(QStringLiteral("Label1"));
    text_->setGeometry(8, 200, 209, 81);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text_->setWordWrap(true);
    // Six lines must fit the label's 81 px, as they did in the small system font the window was
    // designed with (13 px a line); desktop default fonts are often a little taller.
    QFont small = text_->font();
    small.setPixelSize(11);
    text_->setFont(small);
}

void AuthorsWindow::setAuthorsText(const QString& text) {
    text_->setText(text);
}

QString AuthorsWindow::authorsText() const {
    return text_->text();
}

} // namespace ui
