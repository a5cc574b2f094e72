// The converter window driven as a user would: options, Start, runs over real files, a close mid-run.
#include "ui/MainWindow.h"

#include "engine/ProgramInfo.h"
#include "tests/support/TestFiles.h"
#include "tests/ui/TestHome.h"
#include "ui/EventPacer.h"
#include "ui/LogFolder.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

using quillon::tests::readFile;
using quillon::tests::TempFolder;
using quillon::tests::writeFile;

namespace {

[[maybe_unused]] const std::filesystem::path& kHome = quillon::tests::useTestHome();

struct ShownMessage {
    quillon::run::Message message;
    QString statusWhenShown;
    QString counterWhenShown;
};

const QString kBlankStatus = QStringLiteral("    ");
const QString kProcessing = QStringLiteral("Processing.....");
const std::string kRecord = "N0CALL,20,14.025,SSB,59,57,Bob,nice qso,291,y,n,ma,NA-123,Hampden,5,Springfield,";

// Records with the ambiguous date 01-02-03, whose meaning depends on the chosen layout.
std::string ambiguousLog(int records)
{
    std::string log;
    for (int i = 0; i < records; ++i) {
        log += kRecord + "01-02-03,1234\r\n";
    }
    return log;
}

std::vector<std::string> recordLines(const std::string& file)
{
    std::vector<std::string> lines;
    for (const auto& line : quillon::tests::crlfLines(file)) {
        if (line.starts_with("<QSO_DATE")) {
            lines.push_back(line);
        }
    }
    return lines;
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void initialState();
    void startEnabledByDateOptionOnly_data();
    void startEnabledByDateOptionOnly();
    void missingInput();
    void finalCountWithDefaultPacing();
    void counterKeptAcrossEmptyRun();
    void openFolderChosenAndRemembered();
    void secondStartDuringRun();
    void closeDuringRun();
    void layoutChangeDuringRun();
    void untitledMessageGetsApplicationTitle();
    void pacerSpacesEvents();
    void iconIsSmallAndFewColoured();

private:
    template <typename Widget> Widget* child(const char* name) const;
    void click(const char* name) const;
    void startRun() const;
    void whenCounterShows(const QString& text, std::function<void()> action) const;

    std::unique_ptr<TempFolder> m_folder;
    std::unique_ptr<quillon::ui::MainWindow> m_window;
    std::vector<ShownMessage> m_messages;
};

void MainWindowTest::init()
{
    m_folder = std::make_unique<TempFolder>();
    m_messages.clear();
    // No pacing: every record stops for events, so scripted actions land at a known record.
    auto presenter = [this](QWidget*, const quillon::run::Message& message) {
        m_messages.push_back({message, child<QLabel>("lblStatus")->text(), child<QLineEdit>("Text1")->text()});
    };
    m_window = std::make_unique<quillon::ui::MainWindow>(QString::fromStdString(m_folder->path().string()), presenter,
                                                         quillon::ui::Pacing{{}, {}});
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void MainWindowTest::cleanup()
{
    m_window.reset();
    m_folder.reset();
}

template <typename Widget> Widget* MainWindowTest::child(const char* name) const
{
    auto* widget = m_window->findChild<Widget*>(QString::fromLatin1(name));
    if (widget == nullptr) {
        qFatal("no control named %s", name);
    }
    return widget;
}

// On the option's indicator or the button's middle, where a user would click.
void MainWindowTest::click(const char* name) const
{
    auto* button = child<QAbstractButton>(name);
    const bool isOption = qobject_cast<QRadioButton*>(button) != nullptr;
    const QPoint at = isOption ? QPoint(6, button->height() / 2) : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, {}, at);
}

void MainWindowTest::startRun() const
{
    click("cbStart");
}

// Acts between two records, once the counter shows `text`: the check is queued again at every event round.
void MainWindowTest::whenCounterShows(const QString& text, std::function<void()> action) const
{
    QTimer::singleShot(0, m_window.get(), [this, text, action] {
        if (child<QLineEdit>("Text1")->text() == text) {
            action();
        } else {
            whenCounterShows(text, action);
        }
    });
}

void MainWindowTest::initialState()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("main"));
    QCOMPARE(m_window->windowTitle(), QString::fromStdString(quillon::engine::mainCaption()));
    QCOMPARE(child<QPushButton>("cbStart")->isEnabled(), false);
    QCOMPARE(child<QLabel>("lblStatus")->text(), kBlankStatus);
    QCOMPARE(child<QLineEdit>("Text1")->text(), QString());
    QCOMPARE(child<QRadioButton>("bandMETERS")->isChecked(), true);
    QCOMPARE(child<QRadioButton>("bandMHZ")->isChecked(), false);
    for (const char* name : {"dateOption1", "dateOption2", "dateOption3", "dateOption4"}) {
        QCOMPARE(child<QRadioButton>(name)->isChecked(), false);
    }
    QCOMPARE(child<QLabel>("Label1")->text(), QStringLiteral(" Input File:     log.asc"));
    QCOMPARE(child<QLabel>("Label2")->text(), QStringLiteral("Output File:     log.adi "));
    QCOMPARE(child<QLabel>("Label3")->text(), QStringLiteral("Records Processed:"));
    QCOMPARE(child<QLabel>("Label4")->text(), QStringLiteral("Chose for BAND field, not for FREQ field."));
    QCOMPARE(child<QGroupBox>("Frame2")->title(), QStringLiteral("Chose DATE Format"));
    QCOMPARE(child<QGroupBox>("Frame3")->title(), QStringLiteral("Chose BAND Format"));
    QCOMPARE(m_window->focusWidget(), static_cast<QWidget*>(child<QLineEdit>("Text1")));
    QCOMPARE(m_window->windowIcon().isNull(), false);
    QCOMPARE(child<QMenu>("Help")->title(), QStringLiteral("Help"));
    QCOMPARE(child<QAction>("About")->text(), QStringLiteral("About"));
    QCOMPARE(m_window->menuBar()->actions().at(0)->menu(), child<QMenu>("File"));
    QCOMPARE(child<QAction>("OpenFolder")->text(), QStringLiteral("&Open Folder..."));
    QCOMPARE(child<QAction>("OpenFolder")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    QCOMPARE(child<QAction>("Exit")->text(), QStringLiteral("E&xit"));
    QCOMPARE(child<QAction>("Exit")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    QCOMPARE(child<QLabel>("Label1")->toolTip(), QString::fromStdString(m_folder->file("log.asc")));
    QCOMPARE(child<QLabel>("Label2")->toolTip(),
             QString::fromStdString(m_folder->file("log.adi") + "\n" + m_folder->file("bad.adi")));
    QVERIFY(!m_window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(m_window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));

    // F1 shows the user guide, read-only, and shows the same window again.
    QTest::keyClick(m_window.get(), Qt::Key_F1);
    auto* guide = m_window->findChild<QPlainTextEdit*>(QStringLiteral("guideText"));
    QVERIFY(guide != nullptr && guide->isVisible() && guide->isReadOnly());
    QVERIFY(guide->toPlainText().contains(QStringLiteral("What *BAD* means and how to correct it")));
    QVERIFY(!guide->toPlainText().contains(QLatin1Char('\r')));
    QTest::keyClick(m_window.get(), Qt::Key_F1);
    QCOMPARE(m_window->findChildren<QPlainTextEdit*>().size(), 1);
}

void MainWindowTest::startEnabledByDateOptionOnly_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("Mhz") << QStringList{QStringLiteral("bandMHZ")} << false;
    QTest::newRow("Mhz then Meters") << QStringList{QStringLiteral("bandMHZ"), QStringLiteral("bandMETERS")} << false;
    QTest::newRow("YY-MM-DD") << QStringList{QStringLiteral("dateOption1")} << true;
    QTest::newRow("MM-DD-YY") << QStringList{QStringLiteral("dateOption2")} << true;
    QTest::newRow("YY-DD-MM") << QStringList{QStringLiteral("dateOption3")} << true;
    QTest::newRow("DD-MM-YY") << QStringList{QStringLiteral("dateOption4")} << true;
    QTest::newRow("two dates") << QStringList{QStringLiteral("dateOption2"), QStringLiteral("dateOption3")} << true;
}

void MainWindowTest::startEnabledByDateOptionOnly()
{
    QFETCH(QStringList, clicks);
    QFETCH(bool, enabled);
    for (const QString& name : clicks) {
        click(name.toLatin1().constData());
        QCOMPARE(child<QRadioButton>(name.toLatin1().constData())->isChecked(), true);
    }
    QCOMPARE(child<QPushButton>("cbStart")->isEnabled(), enabled);
}

void MainWindowTest::missingInput()
{
    click("dateOption1");
    writeFile(m_folder->path() / "log.asc", ambiguousLog(3));
    startRun();
    const std::string previousLog = readFile(m_folder->path() / "log.adi");
    std::filesystem::remove(m_folder->path() / "log.asc");
    startRun();

    QCOMPARE(m_messages.size(), std::size_t{1});
    const quillon::run::Message& shown = m_messages[0].message;
    QCOMPARE(shown.title, std::string("Missing LOG.ASC"));
    QCOMPARE(shown.text, "The file: " + m_folder->file("log.asc") + " doesn't exist.");
    QCOMPARE(static_cast<int>(shown.style), 16);
    QCOMPARE(m_messages[0].statusWhenShown, kBlankStatus);
    QCOMPARE(child<QLabel>("lblStatus")->text(), kBlankStatus);
    QCOMPARE(child<QLineEdit>("Text1")->text(), QStringLiteral("3"));
    QCOMPARE(child<QPushButton>("cbStart")->isEnabled(), true);
    QCOMPARE(readFile(m_folder->path() / "log.adi"), previousLog);
}

// However few redraws the pacing allows during the run, the counter ends on the exact count.
void MainWindowTest::finalCountWithDefaultPacing()
{
    m_window = std::make_unique<quillon::ui::MainWindow>(QString::fromStdString(m_folder->path().string()),
                                                         [this](QWidget*, const quillon::run::Message& message) {
                                                             m_messages.push_back({message, {}, {}});
                                                         });
    writeFile(m_folder->path() / "log.asc", ambiguousLog(20000));
    click("dateOption1");
    startRun();
    QCOMPARE(child<QLineEdit>("Text1")->text(), QStringLiteral("20000"));
    QCOMPARE(child<QLabel>("lblStatus")->text(), kBlankStatus);
    QCOMPARE(m_messages.size(), std::size_t{0});
}

void MainWindowTest::counterKeptAcrossEmptyRun()
{
    click("dateOption1");
    writeFile(m_folder->path() / "log.asc", ambiguousLog(3));
    startRun();
    QCOMPARE(child<QLineEdit>("Text1")->text(), QStringLiteral("3"));
    writeFile(m_folder->path() / "log.asc", ambiguousLog(2));
    startRun();
    QCOMPARE(child<QLineEdit>("Text1")->text(), QStringLiteral("2"));

    writeFile(m_folder->path() / "log.asc", "");
    startRun();
    QCOMPARE(child<QLineEdit>("Text1")->text(), QStringLiteral("2"));
    QVERIFY(readFile(m_folder->path() / "log.adi").ends_with("\r\nNormal end of run - processed 0 records.\r\n"));
    QCOMPARE(m_messages.size(), std::size_t{0});
}

// A folder chosen in the dialog is where the next run works, where the tool tips point and where the next
// start opens; a cancelled dialog changes nothing.
void MainWindowTest::openFolderChosenAndRemembered()
{
    const TempFolder other;
    const QString otherPath = QString::fromStdString(other.path().string());
    QStringList answers{QString(), otherPath + QStringLiteral("/")};
    QStringList starts;
    m_window->setFolderChooser([&](QWidget*, const QString& start) {
        starts.append(start);
        return answers.takeFirst();
    });
    child<QAction>("OpenFolder")->trigger();
    QCOMPARE(m_window->logFolder(), QString::fromStdString(m_folder->path().string()));
    child<QAction>("OpenFolder")->trigger();
    QCOMPARE(starts, QStringList(2, QString::fromStdString(m_folder->path().string())));
    QCOMPARE(child<QLabel>("Label1")->toolTip(), otherPath + QStringLiteral("/log.asc"));
    QVERIFY(child<QLabel>("Label2")->toolTip().endsWith(otherPath + QStringLiteral("/bad.adi")));

    writeFile(other.path() / "log.asc", ambiguousLog(2));
    click("dateOption1");
    startRun();
    QCOMPARE(recordLines(readFile(other.path() / "log.adi")).size(), std::size_t{2});
    QCOMPARE(std::filesystem::exists(m_folder->path() / "log.adi"), false);

    const auto readOnly = [](const QString&) { return false; };
    const quillon::ui::MainWindow next(quillon::ui::chooseLogFolder(QString(), QStringLiteral("/"), readOnly));
    QCOMPARE(next.logFolder(), otherPath);
    quillon::ui::rememberLogFolder(QString());
}

// The run going on ends normally; the second press touches no file and shows nothing, and no other folder can be
// chosen until the run is over.
void MainWindowTest::secondStartDuringRun()
{
    click("dateOption1");
    writeFile(m_folder->path() / "log.asc", ambiguousLog(5));
    QString statusAfterPress;
    bool pressed = false;
    bool openFolderEnabled = true;
    whenCounterShows(QStringLiteral("2"), [&] {
        click("cbStart");
        pressed = true;
        statusAfterPress = child<QLabel>("lblStatus")->text();
        openFolderEnabled = child<QAction>("OpenFolder")->isEnabled();
    });
    startRun();

    QVERIFY(pressed);
    QCOMPARE(statusAfterPress, kProcessing);
    QCOMPARE(openFolderEnabled, false);
    QCOMPARE(child<QAction>("OpenFolder")->isEnabled(), true);
    QCOMPARE(m_messages.size(), std::size_t{0});
    QCOMPARE(child<QLineEdit>("Text1")->text(), QStringLiteral("5"));
    QCOMPARE(recordLines(readFile(m_folder->path() / "log.adi")).size(), std::size_t{5});
    QVERIFY(readFile(m_folder->path() / "bad.adi").ends_with("Normal end of run - processed 5 records.\r\n"));
}

// File, Exit closes the window as its close box does. The run stops quietly: no message, no trailer, nothing read
// or written after the close.
void MainWindowTest::closeDuringRun()
{
    click("dateOption1");
    writeFile(m_folder->path() / "log.asc", ambiguousLog(5));
    whenCounterShows(QStringLiteral("2"), [this] { child<QAction>("Exit")->trigger(); });
    startRun();

    QCOMPARE(m_window->isVisible(), false);
    QCOMPARE(m_window->isRunning(), false);
    QCOMPARE(m_window->lastRun().outcome, quillon::run::RunOutcome::Stopped);
    QCOMPARE(m_messages.size(), std::size_t{0});
    QCOMPARE(child<QLineEdit>("Text1")->text(), QStringLiteral("2"));
    const std::string log = readFile(m_folder->path() / "log.adi");
    QCOMPARE(recordLines(log).size(), std::size_t{2});
    QVERIFY(log.find("Normal end of run") == std::string::npos);
}

// The converter asks for the layout at every record, so the change applies from the next one.
void MainWindowTest::layoutChangeDuringRun()
{
    writeFile(m_folder->path() / "log.asc", ambiguousLog(4));
    click("dateOption4");
    startRun();
    const std::string dayFirst = recordLines(readFile(m_folder->path() / "log.adi")).at(0);
    click("dateOption1");
    startRun();
    const std::string yearFirst = recordLines(readFile(m_folder->path() / "log.adi")).at(0);
    QVERIFY(dayFirst != yearFirst);

    whenCounterShows(QStringLiteral("2"), [this] { click("dateOption4"); });
    startRun();
    const std::vector<std::string> lines = recordLines(readFile(m_folder->path() / "log.adi"));
    const std::vector<std::string> expected{yearFirst, yearFirst, dayFirst, dayFirst};
    QCOMPARE(lines, expected);
}

void MainWindowTest::untitledMessageGetsApplicationTitle()
{
    m_window->showMessage({"Hello", "", quillon::run::MessageStyle::Exclamation});
    QCOMPARE(m_messages.size(), std::size_t{1});
    QCOMPARE(m_messages[0].message.title, std::string(quillon::engine::kApplicationTitle));
    QCOMPARE(static_cast<int>(m_messages[0].message.style), 48);
}

void MainWindowTest::pacerSpacesEvents()
{
    quillon::ui::EventPacer hourly({std::chrono::hours(1), std::chrono::hours(1)});
    QCOMPARE(hourly.eventsDue(), true);
    QCOMPARE(hourly.counterDue(), true);
    QCOMPARE(hourly.eventsDue(), false);
    QCOMPARE(hourly.counterDue(), false);

    quillon::ui::EventPacer always({{}, std::chrono::hours(1)});
    QCOMPARE(always.eventsDue(), true);
    QCOMPARE(always.counterDue(), true);
    QCOMPARE(always.eventsDue(), true);
    QCOMPARE(always.counterDue(), false);
}

void MainWindowTest::iconIsSmallAndFewColoured()
{
    const QImage icon(QStringLiteral(":/quillon.xpm"));
    QCOMPARE(icon.size(), QSize(32, 32));
    QVERIFY(icon.colorCount() <= 16);
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
