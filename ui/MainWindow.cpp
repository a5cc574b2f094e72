// The converter window's handlers and the services it gives a conversion run.
#include "ui/MainWindow.h"

#include "engine/ProgramInfo.h"
#include "run/RunInput.h"
#include "run/RunTexts.h"
#include "ui/AboutBox.h"
#include "ui/TextConversion.h"
#include "ui/UserGuide.h"
#include "ui/platform/LinuxPlatform.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <utility>

namespace quillon::ui {

MainWindow::MainWindow(const QString& logFolder, MessagePresenter presenter, Pacing pacing, QWidget* parent)
    : QMainWindow(parent)
    , m_platformMaker(
          [](MessagePresenter shown) { return std::make_unique<platform::LinuxPlatform>(std::move(shown)); })
    , m_presenter(std::move(presenter))
    , m_pacer(pacing)
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
    // The folder stays put while a run works in it; a press turned away leaves the running run's state alone.
    m_openFolder->setEnabled(false);
    m_run.start();
    m_openFolder->setEnabled(!m_run.isRunning());
    showCount();
    showPaths();
}

// Help, About.
// The box is made afresh for every showing and destroyed when it closes; while it is up, the window and a run
// paused in its event processing wait for it.
void MainWindow::About_Click()
{
    // The messages of the box's actions belong to the box, which can only be made once its platform exists.
    QPointer<QWidget> owner;
    const auto platform =
        m_platformMaker([this, &owner](QWidget*, const run::Message& message) { m_presenter(owner.data(), message); });
    AboutBox box(*platform, this);
    owner = &box;
    m_about = &box;
    box.exec();
}

// Help, User Guide: one window for the guide, raised again when it is already open.
void MainWindow::showUserGuide()
{
    if (m_guide == nullptr) {
        m_guide = new UserGuide(this);
    }
    m_guide->show();
    m_guide->raise();
    m_guide->activateWindow();
}

// File, Open Folder: the chosen folder becomes the log folder, now and at the next start.
void MainWindow::openFolder()
{
    const QString chosen = m_chooseFolder(this, m_logFolder);
    if (chosen.isEmpty()) {
        return;
    }
    setLogFolder(cleanFolderPath(chosen));
    rememberLogFolder(m_logFolder);
}

// The file labels keep their captions; their tool tips say where the files are.
void MainWindow::setLogFolder(const QString& folder)
{
    m_logFolder = folder;
    m_logFileName.clear();
    showPaths();
}

void MainWindow::setLogFileName(const QString& name)
{
    m_logFileName = name;
    showPaths();
}

void MainWindow::showPaths()
{
    const QDir dir(m_logFolder);
    const auto path = [&dir](const QString& name) { return QDir::toNativeSeparators(dir.filePath(name)); };
    // The file a run would read now: LOG.ASC when that is how the log is named, every candidate when several are.
    const run::RunInput input = run::chooseInput(*m_files, programFolder(), logFileName());
    QStringList inputs;
    for (const std::string& candidate : input.candidates.empty() ? std::vector{input.path} : input.candidates) {
        inputs << QDir::toNativeSeparators(fromRunText(candidate));
    }
    Label1->setToolTip(inputs.join(QLatin1Char('\n')));
    Label2->setToolTip(path(QStringLiteral("log.adi")) + QLatin1Char('\n') + path(QStringLiteral("bad.adi")));
}

std::string MainWindow::logFileName() const
{
    return toRunText(m_logFileName);
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
    return toRunText(m_logFolder);
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
