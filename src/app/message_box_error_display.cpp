#include "message_box_error_display.h"

#include <QPixmap>

#include "app_title.h"

namespace lumera {

std::unique_ptr<QMessageBox> makeErrorBox(const std::string& text, QWidget* owner)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Critical, applicationTitle(), QString(), QMessageBox::Ok, owner);
    box->setTextFormat(Qt::PlainText);
    box->setText(QString::fromStdString(text));
    return box;
}

void MessageBoxErrorDisplay::show(const std::string& text)
{
    makeErrorBox(text, owner_)->exec();
}

void LaidOutErrorDisplay::show(const std::string& text)
{
    const auto box = makeErrorBox(text);
    box->adjustSize();
    box->grab();
}

} // namespace lumera
