// The converter window's handlers and the services it gives a conversion run.
#include "ui/MainWindow.h"

#include "engine/ProgramInfo.h"
#include "run/RunTexts.h"
#include "ui/AboutBox.h"
#include "ui/TextConversion.h"
#include "ui/forms/ConverterForm.h"
#include "ui/platform/LinuxPlatform.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <utility>

namespace quillon::ui {

MainWindow::MainWindow(const QString& logFolder, MessagePresenter presenter, Pacing pacing, QWidget* parent)
    : QMainWindow(parent)
    , m_platformMaker(
          [](MessagePresenter shown) { return std::make_unique<platform::LinuxPlatform>(std::move(shown)); })
    , m_presenter(std::move(presenter))
    , m_state(pacing)
    , m_names(run::LocaleNames::fromLocale())
    , m_run(*this, *m_files, m_clock, m_names)
{
    setObjectName(QStringLiteral("main"));
    buildMenu();
    buildControls();
    connectHandlers();
    setLogFolder(logFolder);
    Form_Load();
}

// The run closes whatever file is still open as it goes.
MainWindow::~MainWindow() = default;

void MainWindow::Form_Load()
{
    setWindowTitle(fromRunText(engine::mainCaption()));
    cbStart->setEnabled(m_state.startEnabled());
    lblStatus->setText(fromRunText(run::kIdleStatus));
}

// A run in its record loop sees its files closed and ends quietly; the close itself is never refused.
void MainWindow::Form_Unload()
{
    if (m_about) {
        m_about->reject();
    }
    m_run.closeFiles();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

// Any of the four date options.
void MainWindow::dateOption_Click()
{
    m_state.dateOptionChosen();
    cbStart->setEnabled(m_state.startEnabled());
}

// A press during a run is turned away by the run itself. Afterwards the counter shows the exact final count,
// whatever redraws were skipped on the way.
void MainWindow::cbStart_Click()
{
    // A press turned away leaves the running run's state alone.
    m_openFolder->setEnabled(forms::ConverterState::openFolderEnabled(true));
    m_run.start();
    m_openFolder->setEnabled(forms::ConverterState::openFolderEnabled(m_run.isRunning()));
    showCount();
    showPaths();
}

std::string MainWindow::logFileName() const
{
    return toRunText(m_logFileName);
}

bool MainWindow::isSelected(std::string_view option) const
{
    const auto found = std::ranges::find(m_options, option, &std::pair<std::string_view, QRadioButton*>::first);
    return found != m_options.end() && found->second->isChecked();
}

engine::DateLayout MainWindow::dateLayout() const
{
    return forms::chosenDateLayout([this](std::string_view option) { return isSelected(option); });
}

engine::BandFormat MainWindow::bandFormat() const
{
    return forms::chosenBandFormat([this](std::string_view option) { return isSelected(option); });
}

std::string MainWindow::caption() const
{
    return toRunText(windowTitle());
}

std::string MainWindow::programFolder() const
{
    return toRunText(m_logFolder);
}

void MainWindow::setStatusText(std::string_view text)
{
    lblStatus->setText(fromRunText(text));
}

// Called for every record: only remembered here, drawn when the window next handles its events.
void MainWindow::setRecordCount(std::int64_t count)
{
    m_state.setRecordCount(count);
}

void MainWindow::processPendingEvents()
{
    const forms::ConverterState::Stop stop = m_state.stop();
    if (stop.redrawCounter) {
        showCount();
    }
    if (stop.handleEvents) {
        QCoreApplication::processEvents();
    }
}

// The counter is brought up to date first, so a message about a bad record shows the records read before it.
void MainWindow::showMessage(const run::Message& message)
{
    showCount();
    m_presenter(this, forms::titled(message));
}

void MainWindow::showCount()
{
    if (const auto count = m_state.takePendingCount()) {
        Text1->setText(QString::number(*count));
    }
}

} // namespace quillon::ui
