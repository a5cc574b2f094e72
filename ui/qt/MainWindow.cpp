// The converter window's view for the session: its controls' texts, states and options, the dialogs it asks with,
// and the events it handles from inside a run.
#include "ui/qt/MainWindow.h"

#include "ui/qt/AboutBox.h"
#include "ui/qt/FormWidgets.h"
#include "ui/qt/TextConversion.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace quillon::ui {

MainWindow::MainWindow(MessagePresenter presenter, forms::Pacing pacing, QWidget* parent)
    : QMainWindow(parent)
    , m_presenter(std::move(presenter))
    , m_session(*this, m_places, m_settings, pacing)
{
    setObjectName(QStringLiteral("main"));
    buildMenu();
    buildControls();
    connectHandlers();
    m_session.Form_Load();
}

// A run may still be on the stack when the window closes; the session closes its files as it goes.
MainWindow::~MainWindow() = default;

void MainWindow::closeEvent(QCloseEvent* event)
{
    m_session.Form_Unload();
    event->accept();
}

QWidget* MainWindow::control(std::string_view name) const
{
    const auto found = m_controls.find(name);
    if (found == m_controls.end()) {
        qFatal("no control named %.*s", static_cast<int>(name.size()), name.data());
    }
    return found->second;
}

void MainWindow::setCaption(const std::string& text)
{
    setWindowTitle(fromRunText(text));
}

void MainWindow::setControlText(std::string_view name, const std::string& text)
{
    QWidget* widget = control(name);
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        box->setText(fromRunText(text));
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(fromRunText(text));
        if (const forms::ControlRow* row = forms::findRow(forms::converterControls(), name)) {
            growToText(label, *row);
        }
    }
}

void MainWindow::setToolTip(std::string_view name, const std::string& text)
{
    control(name)->setToolTip(QDir::toNativeSeparators(fromRunText(text)));
}

void MainWindow::enableControl(std::string_view name, bool enabled)
{
    control(name)->setEnabled(enabled);
}

void MainWindow::enableMenuItem(forms::MenuCommand command, bool enabled)
{
    m_menuItems.at(command)->setEnabled(enabled);
}

void MainWindow::checkMenuItem(forms::MenuCommand command, bool checked)
{
    m_menuItems.at(command)->setChecked(checked);
}

bool MainWindow::isOptionSelected(std::string_view name) const
{
    return static_cast<QRadioButton*>(control(name))->isChecked();
}

void MainWindow::selectOption(std::string_view name)
{
    static_cast<QRadioButton*>(control(name))->setChecked(true);
}

std::string MainWindow::askForFolder(const std::string& start)
{
    return toRunText(m_chooseFolder(this, fromRunText(start)));
}

std::optional<std::string> MainWindow::askText(const std::string& title, const std::string& prompt,
                                               const std::string& initial)
{
    bool accepted = false;
    const QString text = QInputDialog::getText(this, fromRunText(title), fromRunText(prompt), QLineEdit::Normal,
                                               fromRunText(initial), &accepted);
    return accepted ? std::optional(toRunText(text)) : std::nullopt;
}

std::size_t MainWindow::askChoice(const run::Message& question, const std::vector<std::string>& answers,
                                  std::size_t escapeAnswer)
{
    return m_chooser(this, question, answers, escapeAnswer);
}

void MainWindow::openCorrectionWindow()
{
    correctBadContacts();
}

void MainWindow::showMessage(const run::Message& message)
{
    m_presenter(this, message);
}

void MainWindow::processEvents()
{
    QCoreApplication::processEvents();
}

void MainWindow::closeAboutBox()
{
    if (m_about) {
        m_about->reject();
    }
}

} // namespace quillon::ui
