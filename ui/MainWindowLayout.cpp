// Builds the converter window from the converter form: its menus, and its controls at their places in twips.
#include "ui/ControlFonts.h"
#include "ui/FormWidgets.h"
#include "ui/MainWindow.h"
#include "ui/forms/ConverterForm.h"

#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace quillon::ui {

namespace {

QWidget* madeNamed(const std::vector<std::pair<std::string_view, QWidget*>>& made, std::string_view name)
{
    const auto found = std::ranges::find(made, name, &std::pair<std::string_view, QWidget*>::first);
    return found == made.end() ? nullptr : found->second;
}

} // namespace

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

    std::vector<std::pair<std::string_view, QWidget*>> made{{"", client}};
    for (const forms::ControlRow& row : forms::converterControls()) {
        made.emplace_back(row.name, makeControl(row, madeNamed(made, row.parent)));
        if (row.kind == forms::ControlKind::OptionButton) {
            m_options.emplace_back(row.name, static_cast<QRadioButton*>(made.back().second));
        }
    }
    for (const forms::ControlRow& row : forms::converterControls()) {
        if (forms::drawnOverLabels(row.kind)) {
            madeNamed(made, row.name)->raise();
        }
    }
    cbStart = static_cast<QPushButton*>(madeNamed(made, "cbStart"));
    Text1 = static_cast<QLineEdit*>(madeNamed(made, "Text1"));
    lblStatus = static_cast<QLabel*>(madeNamed(made, "lblStatus"));
    Label1 = static_cast<QLabel*>(madeNamed(made, "Label1"));
    Label2 = static_cast<QLabel*>(madeNamed(made, "Label2"));
    // Only the run writes the counter; the user may select and copy it.
    Text1->setReadOnly(true);
    static_cast<QRadioButton*>(madeNamed(made, forms::kDefaultBandOption))->setChecked(true);
    setFocusOrder(made);
}

// Focus follows the tab index: the counter, Start, the date options, then the band options.
void MainWindow::setFocusOrder(const std::vector<std::pair<std::string_view, QWidget*>>& made)
{
    QWidget* previous = nullptr;
    for (const std::string_view name : forms::focusOrder(forms::converterControls())) {
        QWidget* next = madeNamed(made, name);
        if (previous == nullptr) {
            next->setFocus();
        } else {
            QWidget::setTabOrder(previous, next);
        }
        previous = next;
    }
}

void MainWindow::connectHandlers()
{
    for (const auto& [name, option] : m_options) {
        if (forms::isDateOption(name)) {
            connect(option, &QRadioButton::clicked, this, &MainWindow::dateOption_Click);
        }
    }
    connect(cbStart, &QPushButton::clicked, this, &MainWindow::cbStart_Click);
}

} // namespace quillon::ui
