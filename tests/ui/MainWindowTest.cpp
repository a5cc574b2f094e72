// The converter window driven as a user would: the options Start reads, the counter and status it shows, the folder
// it works in, and the user acting mid-run. What a run writes is the run's own tests' business.
#include "ui/MainWindow.h"

#include "engine/ProgramInfo.h"
#include "tests/support/TestFiles.h"
#include "tests/ui/TestHome.h"
#include "ui/LogFolder.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
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

// Records of the band 20 and the ambiguous date 01-02-03, whose meaning depends on the chosen layout.
std::string ambiguousLog(int records)
{
    std::string log;
    for (int i = 0; i < records; ++i) {
        log += "N0CALL,20,14.025,SSB,59,57,Bob,nice qso,291,y,n,ma,NA-123,Hampden,5,Springfield,01-02-03,1234\r\n";
    }
    return log;
}

// The records of log.adi, then those of bad.adi.
std::vector<std::string> recordLines(const std::filesystem::path& folder)
{
    std::vector<std::string> lines;
    for (const char* name : {"log.adi", "bad.adi"}) {
        for (const auto& line : quillon::tests::crlfLines(readFile(folder / name))) {
            if (line.starts_with("<QSO_DATE")) {
                lines.push_back(line);
            }
        }
    }
    return lines;
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    // No pacing: every record stops for events, so scripted actions land at a known record.
    void init() { makeWindow(quillon::ui::Pacing{{}, {}}); }

    // Start waits for a date layout; the run then reads the layout and the band format the options show.
    void optionsReadByTheRun_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("date"); // empty: Start stays disabled
        QTest::addColumn<QString>("band");
        const auto row = [](const char* name, const char* clicks, const char* date, const char* band) {
            QTest::newRow(name) << QString::fromLatin1(clicks).split(QLatin1Char(' '), Qt::SkipEmptyParts)
                                << QString::fromLatin1(date) << QString::fromLatin1(band);
        };
        row("nothing chosen", "", "", "");
        row("Mhz only", "bandMHZ", "", "");
        row("YY-MM-DD", "dateOption1", "20010203", "3>20M");
        row("MM-DD-YY", "dateOption2", "20030102", "3>20M");
        row("YY-DD-MM", "dateOption3", "20010302", "3>20M");
        row("DD-MM-YY in Mhz", "dateOption4 bandMHZ", "20030201", "9>*BAD* 20");
        row("the last choices", "bandMHZ bandMETERS dateOption2 dateOption1", "20010203", "3>20M");
    }
    void optionsReadByTheRun()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, date);
        QFETCH(QString, band);
        for (const QString& name : clicks) {
            click(name.toLatin1().constData());
        }
        QCOMPARE(child<QPushButton>("cbStart")->isEnabled(), !date.isEmpty());
        if (!date.isEmpty()) {
            writeFile(m_folder->path() / "log.asc", ambiguousLog(1));
            click("cbStart");
            const std::vector<std::string> lines = recordLines(m_folder->path());
            QCOMPARE(lines.size(), std::size_t{1});
            QVERIFY2(lines[0].starts_with("<QSO_DATE:8>" + date.toStdString() +
                                          " <TIME_ON:4>1234 <CALL:6>N0CALL <BAND:" + band.toStdString() + " "),
                     lines[0].c_str());
        }
    }

    // F1 shows the user guide, read-only, and shows the same window again.
    void f1ShowsOneGuide()
    {
        QTest::keyClick(m_window.get(), Qt::Key_F1);
        auto* guide = m_window->findChild<QPlainTextEdit*>(QStringLiteral("guideText"));
        QVERIFY(guide != nullptr && guide->isVisible() && guide->isReadOnly());
        QVERIFY(guide->toPlainText().contains(QStringLiteral("What *BAD* means and how to correct it")));
        QVERIFY(!guide->toPlainText().contains(QLatin1Char('\r')));
        QTest::keyClick(m_window.get(), Qt::Key_F1);
        QCOMPARE(m_window->findChildren<QPlainTextEdit*>().size(), 1);
    }

    // However few redraws the pacing allows during the run, the counter ends on the exact count and the status is
    // blank again; a log without records leaves the counter as it was.
    void finalCountWithDefaultPacing()
    {
        makeWindow({});
        writeFile(m_folder->path() / "log.asc", ambiguousLog(20000));
        click("dateOption1");
        click("cbStart");
        QCOMPARE(counter(), QStringLiteral("20000"));
        QCOMPARE(child<QLabel>("lblStatus")->text(), QStringLiteral("    "));
        writeFile(m_folder->path() / "log.asc", "");
        click("cbStart");
        QCOMPARE(counter(), QStringLiteral("20000"));
        QCOMPARE(m_messages.size(), std::size_t{0});
    }

    // A folder chosen in the dialog is where the next run works, where the tool tips point (to the log as it is
    // named there), and is remembered for the next start; a cancelled dialog changes nothing.
    void openFolderChosenAndRemembered()
    {
        const TempFolder other;
        const QString otherPath = QString::fromStdString(other.path().string());
        const QString firstPath = QString::fromStdString(m_folder->path().string());
        QStringList answers{QString(), otherPath + QStringLiteral("/")};
        QStringList starts;
        m_window->setFolderChooser([&](QWidget*, const QString& start) {
            starts.append(start);
            return answers.takeFirst();
        });
        child<QAction>("OpenFolder")->trigger();
        QCOMPARE(m_window->logFolder(), firstPath);
        child<QAction>("OpenFolder")->trigger();
        QCOMPARE(starts, QStringList(2, firstPath));
        QCOMPARE(child<QLabel>("Label1")->toolTip(), otherPath + QStringLiteral("/log.asc"));
        QCOMPARE(child<QLabel>("Label2")->toolTip(),
                 otherPath + QStringLiteral("/log.adi\n") + otherPath + QStringLiteral("/bad.adi"));

        writeFile(other.path() / "LOG.ASC", ambiguousLog(2));
        click("dateOption1");
        click("cbStart");
        QCOMPARE(recordLines(other.path()).size(), std::size_t{2});
        QCOMPARE(child<QLabel>("Label1")->toolTip(), otherPath + QStringLiteral("/LOG.ASC")); // the file read

        QCOMPARE(quillon::ui::rememberedLogFolder(), otherPath);
    }

    // Mid-run, a second press of Start is turned away by the run, a new date layout applies from the next record,
    // and no other folder can be chosen. File, Exit closes the window as its close box does; the run stops quietly
    // at once.
    void userActsDuringRun()
    {
        writeFile(m_folder->path() / "log.asc", ambiguousLog(4));
        click("dateOption1");
        QString statusAfterPress;
        bool openFolderEnabled = true;
        whenCounterShows(QStringLiteral("2"), [&] {
            click("dateOption4");
            click("cbStart");
            statusAfterPress = child<QLabel>("lblStatus")->text();
            openFolderEnabled = child<QAction>("OpenFolder")->isEnabled();
        });
        click("cbStart");
        QCOMPARE(statusAfterPress, QStringLiteral("Processing....."));
        QCOMPARE(openFolderEnabled, false);
        QCOMPARE(child<QAction>("OpenFolder")->isEnabled(), true);
        QCOMPARE(counter(), QStringLiteral("4"));
        const std::vector<std::string> lines = recordLines(m_folder->path());
        QCOMPARE(lines.size(), std::size_t{4});
        QVERIFY(lines[1].starts_with("<QSO_DATE:8>20010203"));
        QVERIFY(lines[2].starts_with("<QSO_DATE:8>20030201"));
        QCOMPARE(lines[0], lines[1]);
        QCOMPARE(lines[2], lines[3]);

        whenCounterShows(QStringLiteral("2"), [this] { child<QAction>("Exit")->trigger(); });
        click("cbStart");
        QCOMPARE(m_window->isVisible(), false);
        QCOMPARE(m_window->isRunning(), false);
        QCOMPARE(m_window->lastRun().outcome, quillon::run::RunOutcome::Stopped);
        QCOMPARE(m_messages.size(), std::size_t{0});
        QCOMPARE(counter(), QStringLiteral("2"));
    }

    void untitledMessageGetsApplicationTitle()
    {
        m_window->showMessage({"Hello", "", quillon::run::MessageStyle::Exclamation});
        m_window->showMessage({"Hello", "Missing LOG.ASC", quillon::run::MessageStyle::Stop});
        QCOMPARE(m_messages.size(), std::size_t{2});
        QCOMPARE(m_messages[0].title, std::string(quillon::engine::kApplicationTitle));
        QCOMPARE(m_messages[1].title, std::string("Missing LOG.ASC"));
    }

private:
    // A shown window on a folder of its own; its messages are collected instead of shown.
    void makeWindow(quillon::ui::Pacing pacing)
    {
        m_window.reset();
        m_folder = std::make_unique<TempFolder>();
        m_messages.clear();
        m_window = std::make_unique<quillon::ui::MainWindow>(
            QString::fromStdString(m_folder->path().string()),
            [this](QWidget*, const quillon::run::Message& message) { m_messages.push_back(message); }, pacing);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    template <typename Widget> Widget* child(const char* name) const
    {
        auto* widget = m_window->findChild<Widget*>(QString::fromLatin1(name));
        if (widget == nullptr) {
            qFatal("no control named %s", name);
        }
        return widget;
    }

    // On the option's indicator or the button's middle, where a user would click.
    void click(const char* name) const
    {
        auto* button = child<QAbstractButton>(name);
        const bool isOption = qobject_cast<QRadioButton*>(button) != nullptr;
        QTest::mouseClick(button, Qt::LeftButton, {},
                          isOption ? QPoint(6, button->height() / 2) : button->rect().center());
    }

    QString counter() const { return child<QLineEdit>("Text1")->text(); }

    // Acts between two records, once the counter shows `text`: the check is queued again at every event round.
    void whenCounterShows(const QString& text, std::function<void()> action) const
    {
        QTimer::singleShot(0, m_window.get(), [this, text, action] {
            if (counter() == text) {
                action();
            } else {
                whenCounterShows(text, action);
            }
        });
    }

    std::unique_ptr<TempFolder> m_folder;
    std::unique_ptr<quillon::ui::MainWindow> m_window;
    std::vector<quillon::run::Message> m_messages;
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
