// The converter window's handlers and the services it gives a conversion run.
#include "ui/MainWindow.h"

#include "engine/ProgramInfo.h"
#include "run/RunTexts.h"
#include "ui/AboutBox.h"
#include "ui/TextConversion.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <utility>

namespace quillon::ui {

MainWindow::MainWindow(const QString& programFolder, platform::PlatformServices& platform, MessagePresenter presenter,
                       Pacing pacing, QWidget* parent)
    : QMainWindow(parent)
    , m_programFolder(toRunText(programFolder))
    , m_platform(platform)
    , m_presenter(std::move(presenter))
    , m_pacer(pacing)
    , m_names(run::LocaleNames::fromLocale())
    , m_run(*this, m_files, m_clock, m_names)
{
    setObjectName(QStringLiteral("main"));
    buildMenu();
    buildControls();
    connectHandlers();
    Form_Load();
}

// The run closes whatever file is still open as it goes.
MainWindow::~MainWindow() = default;

void MainWindow::Form_Load()
{
    setWindowTitle(fromRunText(engine::mainCaption()));
    cbStart->setEnabled(false);
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

void MainWindow::dateOption1_Click()
{
    cbStart->setEnabled(true);
}

void MainWindow::dateOption2_Click()
{
    cbStart->setEnabled(true);
}

void MainWindow::dateOption3_Click()
{
    cbStart->setEnabled(true);
}

void MainWindow::dateOption4_Click()
{
    cbStart->setEnabled(true);
}

// A press during a run is turned away by the run itself. Afterwards the counter shows the exact final count,
// whatever redraws were skipped on the way.
void MainWindow::cbStart_Click()
{
    m_run.start();
    showCount();
}

// Help, About.
// The box is made afresh for every showing and destroyed when it closes; while it is up, the window and a run
// paused in its event processing wait for it.
void MainWindow::About_Click()
{
    AboutBox box(m_platform, this);
    m_platform.setOwner(&box);
    m_about = &box;
    box.exec();
    m_platform.setOwner(this);
}

engine::DateLayout MainWindow::dateLayout() const
{
    if (dateOption2->isChecked()) {
        return engine::DateLayout::MmDdYy;
    }
    if (dateOption3->isChecked()) {
        return engine::DateLayout::YyDdMm;
    }
    if (dateOption4->isChecked()) {
        return engine::DateLayout::DdMmYy;
    }
    return engine::DateLayout::YyMmDd;
}

engine::BandFormat MainWindow::bandFormat() const
{
    return bandMHZ->isChecked() ? engine::BandFormat::Mhz : engine::BandFormat::Meters;
}

std::string MainWindow::caption() const
{
    return toRunText(windowTitle());
}

std::string MainWindow::programFolder() const
{
    return m_programFolder;
}

void MainWindow::setStatusText(std::string_view text)
{
    lblStatus->setText(fromRunText(text));
}

// Called for every record: only remembered here, drawn when the window next handles its events.
void MainWindow::setRecordCount(std::int64_t count)
{
    m_count = count;
    m_countPending = true;
}

void MainWindow::processPendingEvents()
{
    if (!m_pacer.eventsDue()) {
        return;
    }
    if (m_pacer.counterDue()) {
        showCount();
    }
    QCoreApplication::processEvents();
}

// The counter is brought up to date first, so a message about a bad record shows the records read before it.
void MainWindow::showMessage(const run::Message& message)
{
    showCount();
    run::Message shown = message;
    if (shown.title.empty()) {
        shown.title = engine::kApplicationTitle;
    }
    m_presenter(this, shown);
}

void MainWindow::showCount()
{
    if (m_countPending) {
        Text1->setText(QString::number(m_count));
        m_countPending = false;
    }
}

} // namespace quillon::ui
