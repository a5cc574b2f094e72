// The Qt converter window: that its controls and menus reach the session and show what the session sets. The
// steps themselves are the session's tests' business.
#include "ui/qt/MainWindow.h"

#include "engine/ProgramInfo.h"
#include "tests/support/SampleLogs.h"
#include "tests/support/TestFiles.h"
#include "tests/ui/qt/TestHome.h"
#include "ui/platform/PlatformServices.h"
#include "ui/qt/AboutBox.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

using quillon::tests::ambiguousLog;
using quillon::tests::readFile;
using quillon::tests::TempFolder;
using quillon::tests::writeFile;

namespace {

[[maybe_unused]] const std::filesystem::path& kHome = quillon::tests::useTestHome();

// The dates of the records in log.adi.
std::vector<std::string> loggedDates(const std::filesystem::path& folder)
{
    std::vector<std::string> dates;
    for (const auto& line : quillon::tests::crlfLines(readFile(folder / "log.adi"))) {
        if (line.starts_with("<QSO_DATE:8>")) {
            dates.push_back(line.substr(12, 8));
        }
    }
    return dates;
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    // No pacing: every record stops for events, so scripted actions land at a known record.
    void init() { makeWindow(); }

    // A click on a date option enables Start, a key in the group changes the layout, and Start runs; the counter
    // and the status show what the session sets.
    void controlsReachTheSession()
    {
        writeFile(m_folder->path() / "log.asc", ambiguousLog(2));
        QVERIFY(!child<QPushButton>("cbStart")->isEnabled());
        click("dateOption2");
        QVERIFY(child<QPushButton>("cbStart")->isEnabled());
        click("cbStart");
        QCOMPARE(loggedDates(m_folder->path()), (std::vector<std::string>{"20030102", "20030102"}));
        // Down goes from MM-DD-YY to YY-MM-DD, the option before it in the group's order of definition.
        child<QRadioButton>("dateOption2")->setFocus();
        QTest::keyClick(child<QRadioButton>("dateOption2"), Qt::Key_Up);
        QVERIFY(!child<QRadioButton>("dateOption2")->isChecked());
        const bool layoutChanged = m_window->session().dateLayout() != quillon::engine::DateLayout::MmDdYy;
        QVERIFY(layoutChanged);
        QCOMPARE(child<QLineEdit>("Text1")->text(), QStringLiteral("2"));
        QCOMPARE(child<QLabel>("lblStatus")->text(), QStringLiteral("Done"));
        QCOMPARE(child<QLabel>("Label1")->toolTip(), QString::fromStdString(m_folder->file("log.asc")));
    }

    // Enter presses Start wherever the focus is, once a layout is chosen, and does nothing before.
    void enterPressesStart_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::newRow("Enter on a date option") << "dateOption2" << int(Qt::Key_Return);
        QTest::newRow("keypad Enter on a band option") << "bandMHZ" << int(Qt::Key_Enter);
        QTest::newRow("Enter on the counter") << "Text1" << int(Qt::Key_Return);
        QTest::newRow("Enter on Start") << "cbStart" << int(Qt::Key_Return);
    }
    void enterPressesStart()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        // A first start: no layout chosen yet.
        quillon::ui::QtSettings().setText(quillon::ui::kDateLayoutSetting, "");
        makeWindow();
        writeFile(m_folder->path() / "log.asc", ambiguousLog(2));
        QVERIFY(child<QPushButton>("cbStart")->isDefault());
        auto* focused = child<QWidget>(focus.toLatin1().constData());
        focused->setFocus();
        QTest::keyClick(focused, Qt::Key(key));
        QVERIFY(!std::filesystem::exists(m_folder->path() / "log.adi"));
        click("dateOption2");
        focused->setFocus();
        QTest::keyClick(focused, Qt::Key(key));
        QCOMPARE(loggedDates(m_folder->path()), (std::vector<std::string>{"20030102", "20030102"}));
    }

    // Alt and the menu's letter opens File, Options and Help.
    void altLettersOpenTheMenus()
    {
        for (const char* name : {"File", "Options", "Help"}) {
            auto* menu = child<QMenu>(name);
            QTest::keyClick(m_window.get(), Qt::Key(name[0]), Qt::AltModifier);
            QTRY_COMPARE(QApplication::activePopupWidget(), menu);
            menu->close();
            QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
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
        QVERIFY(!guide->toPlainText().contains(QStringLiteral("{end}")));
        QTest::keyClick(m_window.get(), Qt::Key_F1);
        QCOMPARE(m_window->findChildren<QPlainTextEdit*>().size(), 1);
    }

    // File, Open Folder asks the dialog from the log folder; mid-run the item is greyed, and File, Exit closes the
    // window as its close box does, stopping the run quietly.
    void menusReachTheSession()
    {
        const TempFolder other;
        QStringList starts;
        m_window->setFolderChooser([&](QWidget*, const QString& start) {
            starts.append(start);
            return QString::fromStdString(other.path().string());
        });
        child<QAction>("OpenFolder")->trigger();
        QCOMPARE(starts, QStringList{QString::fromStdString(m_folder->path().string())});
        QCOMPARE(m_window->session().logFolder(), other.path().string());

        writeFile(other.path() / "log.asc", ambiguousLog(4));
        click("dateOption1");
        bool openFolderEnabled = true;
        whenCounterShows(QStringLiteral("2"), [&] {
            openFolderEnabled = child<QAction>("OpenFolder")->isEnabled();
            child<QAction>("Exit")->trigger();
        });
        click("cbStart");
        QVERIFY(!openFolderEnabled);
        QCOMPARE(m_window->isVisible(), false);
        QCOMPARE(m_window->session().lastRun().outcome, quillon::run::RunOutcome::Stopped);
        QCOMPARE(m_messages.size(), std::size_t{0});
    }

private:
    // A shown window on a folder of its own; its messages are collected instead of shown.
    void makeWindow()
    {
        m_window.reset();
        m_folder = std::make_unique<TempFolder>();
        m_messages.clear();
        m_window = std::make_unique<quillon::ui::MainWindow>(
            [this](QWidget*, const quillon::run::Message& message) { m_messages.push_back(message); },
            quillon::forms::Pacing{{}, {}});
        m_window->session().setLogFolder(m_folder->path().string());
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

    // Acts between two records, once the counter shows `text`: the check is queued again at every event round.
    void whenCounterShows(const QString& text, std::function<void()> action) const
    {
        QTimer::singleShot(0, m_window.get(), [this, text, action] {
            if (child<QLineEdit>("Text1")->text() == text) {
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
