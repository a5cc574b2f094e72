// The Qt correction window: opened with Ctrl+E, the first failed field focused and selected, typing replaces it,
// Page Down moves on, Ctrl+S mends the log and converts again, Esc asks about unsaved corrections. The steps
// themselves are the correction session's tests' business.
#include "ui/qt/CorrectionWindow.h"

#include "tests/support/TestFiles.h"
#include "tests/ui/qt/TestHome.h"
#include "ui/qt/MainWindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using quillon::tests::readFile;
using quillon::tests::TempFolder;
using quillon::tests::writeFile;

namespace {

[[maybe_unused]] const std::filesystem::path& kHome = quillon::tests::useTestHome();

std::string contact(const std::string& band, const std::string& dxcc, const std::string& date)
{
    return "N0CALL," + band + ",14.025,SSB,59,57,Bob,nice qso," + dxcc + ",y,n,ma,NA-123,Hampden,5,Springfield," +
           date + ",1234";
}

const std::string kLog = contact("20", "291", "99-12-31") + "\r\n" + contact("20", "291", "99-13-31") + "\r\n" +
                         contact("20X", "291", "99-12-30") + "\r\n" + contact("20", "USA", "99-12-29") + "\r\n";

} // namespace

class CorrectionWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = std::make_unique<TempFolder>();
        m_messages.clear();
        m_window = std::make_unique<quillon::ui::MainWindow>(
            [this](QWidget*, const quillon::run::Message& message) { m_messages.push_back(message); },
            quillon::forms::Pacing{{}, {}});
        m_window->session().setLogFolder(m_folder->path().string());
        // The box after a run is answered OK; the window is opened as the user would, with Ctrl+E.
        m_window->setAnswerChooser(
            [this](QWidget*, const quillon::run::Message& report, const std::vector<std::string>&, std::size_t) {
                m_messages.push_back(report);
                return std::size_t{0};
            });
        m_window->setUnsavedQuestion([this](QWidget*, const quillon::run::Message&) {
            ++m_questions;
            return quillon::ui::UnsavedAnswer::Discard;
        });
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        writeFile(m_folder->path() / "log.asc", kLog);
        m_window->findChild<QRadioButton*>(QStringLiteral("dateOption1"))->click();
        QTest::mouseClick(m_window->findChild<QWidget*>(QStringLiteral("cbStart")), Qt::LeftButton);
    }

    void correctsTwoContactsFromTheKeyboard()
    {
        inCorrectionWindow([this](QWidget* window) {
            QCOMPARE(focused()->objectName(), QStringLiteral("txtField17"));
            QCOMPARE(focused()->selectedText(), QStringLiteral("99-13-31"));
            QCOMPARE(label(window, "lblReason17"), QStringLiteral("no month 13 in YY-MM-DD"));
            QTest::keyClicks(focused(), QStringLiteral("99-12-28"));
            QCOMPARE(label(window, "lblReason17"), QString());
            QTest::keyClick(focused(), Qt::Key_PageDown);
            QCOMPARE(focused()->objectName(), QStringLiteral("txtField2"));
            QTest::keyClicks(focused(), QStringLiteral("20"));
            QTest::keyClick(focused(), Qt::Key_S, Qt::ControlModifier);
            QCOMPARE(label(window, "lblStatus"),
                     QStringLiteral("Saved and converted again: 4 contacts, 3 to log.adi, 1 to bad.adi."));
            QCOMPARE(focused()->objectName(), QStringLiteral("txtField9"));
            QTest::keyClick(focused(), Qt::Key_Escape);
        });
        // What the log holds then is the correction session's tests' business, and the window drive's.
        QCOMPARE(m_questions, 0);
        QVERIFY(readFile(m_folder->path() / "bad.adi").find("<DXCC:5>*BAD* USA") != std::string::npos);
        // The results of the first run and of the run after the save, and nothing else.
        QCOMPARE(m_messages.size(), std::size_t{2});
    }

    void escAsksAboutUnsavedCorrections()
    {
        inCorrectionWindow([](QWidget*) {
            QTest::keyClicks(focused(), QStringLiteral("99-12-28"));
            QTest::keyClick(focused(), Qt::Key_Escape);
        });
        QCOMPARE(m_questions, 1);
        QCOMPARE(readFile(m_folder->path() / "log.asc"), kLog);
    }

private:
    static QLineEdit* focused() { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }
    static QString label(QWidget* window, const char* name)
    {
        return window->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }

    // Opens the window with Ctrl+E and runs `steps` in it; returns once it has closed.
    void inCorrectionWindow(const std::function<void(QWidget*)>& steps)
    {
        bool ran = false;
        QTimer::singleShot(0, this, [&] {
            QWidget* window = QApplication::activeModalWidget();
            QVERIFY(window != nullptr && window->objectName() == QStringLiteral("CorrectionWindow"));
            window->activateWindow(); // the offscreen platform leaves that to the program
            QTRY_VERIFY(QApplication::activeWindow() == window);
            steps(window);
            ran = true;
            if (window->isVisible()) {
                window->close();
            }
        });
        QTest::keyClick(m_window.get(), Qt::Key_E, Qt::ControlModifier);
        QVERIFY(ran);
    }

    std::unique_ptr<TempFolder> m_folder;
    std::unique_ptr<quillon::ui::MainWindow> m_window;
    std::vector<quillon::run::Message> m_messages;
    int m_questions = 0;
};

QTEST_MAIN(CorrectionWindowTest)
#include "CorrectionWindowTest.moc"
