// Message boxes through QMessageBox.
#include "ui/qt/MessageBoxes.h"

#include "ui/qt/TextConversion.h"

#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

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

std::size_t askInMessageBox(QWidget* owner, const run::Message& question, const std::vector<std::string>& answers,
                            std::size_t escapeAnswer)
{
    QMessageBox box(iconOf(question.style), fromRunText(question.title), fromRunText(question.boxText()),
                    QMessageBox::NoButton, owner);
    box.setTextFormat(Qt::PlainText);
    std::vector<QAbstractButton*> buttons;
    for (const std::string& answer : answers) {
        buttons.push_back(box.addButton(fromRunText(answer), QMessageBox::AcceptRole));
    }
    box.setDefaultButton(static_cast<QPushButton*>(buttons.front()));
    box.setEscapeButton(buttons.at(escapeAnswer));
    box.exec();
    const auto chosen = std::find(buttons.begin(), buttons.end(), box.clickedButton());
    return chosen == buttons.end() ? escapeAnswer : static_cast<std::size_t>(chosen - buttons.begin());
}

void showMessageBox(QWidget* owner, const run::Message& message)
{
    QMessageBox box(iconOf(message.style), fromRunText(message.title), fromRunText(message.boxText()), QMessageBox::Ok,
                    owner);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace quillon::ui
