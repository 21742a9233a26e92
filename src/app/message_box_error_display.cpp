#include "message_box_error_display.h"

#include <QMessageBox>

#include "app_title.h"

namespace lumera {

void MessageBoxErrorDisplay::show(const std::string& text)
{
    QMessageBox box(QMessageBox::Critical, applicationTitle(), QString::fromStdString(text), QMessageBox::Ok, owner_);
    box.exec();
}

} // namespace lumera
