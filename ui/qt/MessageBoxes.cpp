// Message boxes through QMessageBox.
#include "ui/qt/MessageBoxes.h"

#include "ui/qt/TextConversion.h"

#include <QMessageBox>

namespace quillon::ui {

namespace {

QMessageBox::Icon iconOf(run::MessageStyle style)
{
    switch (style) {
    case run::MessageStyle::Stop:
        return QMessageBox::Critical;
    case run::MessageStyle::Exclamation:
        return QMessageBox::Warning;
    case run::MessageStyle::Information:
        return QMessageBox::Information;
    case run::MessageStyle::Plain:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void showMessageBox(QWidget* owner, const run::Message& message)
{
    QMessageBox box(iconOf(message.style), fromRunText(message.title), fromRunText(message.boxText()), QMessageBox::Ok,
                    owner);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace quillon::ui
