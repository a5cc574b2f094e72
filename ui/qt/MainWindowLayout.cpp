// Builds the converter window from the converter form: its menus, and its controls at their places in twips.
#include "ui/qt/ControlFonts.h"
#include "ui/qt/FormWidgets.h"
#include "ui/qt/MainWindow.h"
#include "ui/shared/forms/ConverterForm.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace quillon::ui {

// The window keeps one size: nothing in it follows a change of size.
void MainWindow::buildControls()
{
    installFontSubstitutes();
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(pixelQRect(forms::kConverterClientArea).size());
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // A window of one size offers no maximize button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/quillon.xpm")));

    m_controls.emplace("", client);
    for (const forms::ControlRow& row : forms::converterControls()) {
        m_controls.emplace(std::string(row.name), makeControl(row, control(row.parent)));
    }
    for (const forms::ControlRow& row : forms::converterControls()) {
        if (forms::drawnOverLabels(row.kind)) {
            control(row.name)->raise();
        }
    }
    static_cast<QPushButton*>(control(forms::kDefaultButton))->setDefault(true);
    // Only the run writes the counter; the user may select and copy it.
    static_cast<QLineEdit*>(control("Text1"))->setReadOnly(true);
    setFocusOrder();
}

// Focus follows the tab index: the counter, Start, the date options, then the band options.
void MainWindow::setFocusOrder()
{
    QWidget* previous = nullptr;
    for (const std::string_view name : forms::focusOrder(forms::converterControls())) {
        QWidget* next = control(name);
        if (previous == nullptr) {
            next->setFocus();
        } else {
            QWidget::setTabOrder(previous, next);
        }
        previous = next;
    }
}

// An option chosen by the mouse or the keyboard reaches the session once, when it becomes selected.
void MainWindow::connectHandlers()
{
    for (const forms::ControlRow& row : forms::converterControls()) {
        if (row.kind == forms::ControlKind::OptionButton) {
            const std::string_view name = row.name;
            connect(static_cast<QRadioButton*>(control(name)), &QRadioButton::toggled, this, [this, name](bool on) {
                if (on) {
                    m_session.option_Click(name);
                }
            });
        }
    }
    connect(static_cast<QPushButton*>(control("cbStart")), &QPushButton::clicked, this,
            [this] { m_session.cbStart_Click(); });
}

// Enter that no control took (an option button or the counter has the focus) presses the default button, as in a
// dialog; while Start is disabled it does nothing.
void MainWindow::keyPressEvent(QKeyEvent* event)
{
    auto* start = static_cast<QPushButton*>(control(forms::kDefaultButton));
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (start->isEnabled()) {
            start->click();
        }
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace quillon::ui
