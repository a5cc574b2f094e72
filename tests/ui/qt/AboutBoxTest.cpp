// The About box: where it stands, the keys that close it or start System Info, the web link, and how the converter
// window shows it modally and closes it.
#include "ui/qt/AboutBox.h"

#include "engine/ProgramInfo.h"
#include "tests/support/TestFiles.h"
#include "ui/qt/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <optional>
#include <string>
#include <vector>

using quillon::ui::AboutBox;

namespace {

// Platform services that note what they were asked and fail as scripted.
class FakePlatform : public quillon::ui::platform::PlatformServices
{
public:
    std::vector<std::string> asked;
    std::optional<quillon::run::Message> failure;

    std::optional<quillon::run::Message> startSystemInfo() override
    {
        asked.emplace_back("system info");
        return failure;
    }
    std::optional<quillon::run::Message> openWebPage(const std::string& address) override
    {
        asked.push_back(address);
        return failure;
    }
};

// The messages shown, instead of their boxes.
struct Shown {
    std::vector<quillon::run::Message> messages;
    quillon::ui::MessagePresenter presenter()
    {
        return [this](QWidget*, const quillon::run::Message& message) { messages.push_back(message); };
    }
};

} // namespace

class AboutBoxTest : public QObject
{
    Q_OBJECT

private slots:
    // The box is centred by its outer size: 382 x 237 inside a frame of 4 + 4 by 23 + 4 is 390 x 264.
    void centresByOuterSize()
    {
        using quillon::ui::centredPosition;
        QCOMPARE(centredPosition({800, 600}, {382, 237}, {4, 23, 4, 4}), QPoint(205, 168));
        QCOMPARE(centredPosition({1024, 768}, {382, 237}, {}), QPoint(321, 266));
    }

    void keys_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("startsSysInfo");
        QTest::newRow("Esc on OK") << "cmdOK" << int(Qt::Key_Escape) << 0 << true << false;
        QTest::newRow("Esc on System Info") << "cmdSysInfo" << int(Qt::Key_Escape) << 0 << true << false;
        QTest::newRow("Enter on OK") << "cmdOK" << int(Qt::Key_Return) << 0 << true << false;
        QTest::newRow("Enter on System Info") << "cmdSysInfo" << int(Qt::Key_Return) << 0 << false << true;
        QTest::newRow("Alt+S") << "cmdOK" << int(Qt::Key_S) << int(Qt::AltModifier) << false << true;
    }
    void keys()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, closes);
        QFETCH(bool, startsSysInfo);
        FakePlatform platform;
        AboutBox box(platform, quillon::ui::showMessageBox, nullptr);
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>(box, "cmdOK"));
        child<QPushButton>(box, focus.toLatin1().constData())->setFocus();
        QTest::keyClick(&box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(box.isVisible(), !closes);
        // A shortcut presses its button after a moment.
        QTRY_COMPARE(platform.asked.empty(), !startsSysInfo);
    }

    // Tab goes from OK to System Info to the web address, which shows the focus underlined; Enter or Space opens it
    // and the box stays.
    void webAddressFromTheKeyboard_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Enter on the keypad") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void webAddressFromTheKeyboard()
    {
        QFETCH(int, key);
        FakePlatform platform;
        AboutBox box(platform, quillon::ui::showMessageBox, nullptr);
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        auto* link = child<QLabel>(box, "Label2");
        QVERIFY(!link->font().underline());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>(box, "cmdSysInfo"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), link);
        QVERIFY(link->font().underline());
        QTest::keyClick(link, Qt::Key(key));
        QCOMPARE(platform.asked, std::vector<std::string>{link->text().toStdString()});
        QVERIFY(box.isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>(box, "cmdOK"));
        QVERIFY(!link->font().underline());
    }

    // The box shows the version the program answers --version with; a click on the web address opens it, and
    // what the platform says when it cannot is shown with the application title.
    void versionAndWebAddress()
    {
        FakePlatform platform;
        Shown shown;
        AboutBox box(platform, shown.presenter(), nullptr);
        box.show();
        QCOMPARE(child<QLabel>(box, "lblVersion")->text(),
                 QStringLiteral("Version ") + QString::fromStdString(quillon::engine::versionText()));
        QTest::mouseClick(child<QLabel>(box, "Label2"), Qt::LeftButton);
        QCOMPARE(platform.asked.size(), size_t{1});
        QCOMPARE(QString::fromStdString(platform.asked[0]), child<QLabel>(box, "Label2")->text());
        QVERIFY(shown.messages.empty());
        platform.failure = quillon::run::Message{"System Information Is Unavailable At This Time", "",
                                                 quillon::run::MessageStyle::Plain};
        QTest::mouseClick(child<QPushButton>(box, "cmdSysInfo"), Qt::LeftButton);
        QCOMPARE(shown.messages.size(), size_t{1});
        QCOMPARE(shown.messages[0].title, std::string(quillon::engine::kApplicationTitle));
        QVERIFY(box.isVisible());
    }

    // Help, About shows the box modally over the window, made afresh each time and destroyed when it closes;
    // closing the window closes it too.
    void helpAboutIsModalAndClosesWithTheWindow()
    {
        quillon::ui::MainWindow window;
        window.session().setLogFolder(QDir::tempPath().toStdString());
        window.show();
        for (const bool closeTheWindow : {false, true}) {
            QPointer<QDialog> seen;
            QTimer::singleShot(0, [&] {
                seen = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                QVERIFY(seen);
                QCOMPARE(seen->parentWidget(), &window);
                QVERIFY(seen->isModal());
                if (closeTheWindow) {
                    window.close();
                } else {
                    child<QPushButton>(*seen, "cmdOK")->click();
                }
            });
            child<QAction>(window, "About")->trigger();
            QVERIFY(seen.isNull()); // destroyed once closed
        }
        QVERIFY(!window.isVisible());
    }

private:
    template <typename Widget> static Widget* child(QWidget& parent, const char* name)
    {
        auto* widget = parent.findChild<Widget*>(QString::fromLatin1(name));
        if (widget == nullptr) {
            qFatal("no control named %s", name);
        }
        return widget;
    }
};

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
