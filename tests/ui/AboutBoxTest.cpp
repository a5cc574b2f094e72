// The About box: where it stands, the keys that close it or start System Info, the web link, how the converter
// window shows it modally and closes it, and the Linux stand-ins for the registry and the shell behind it.
#include "ui/AboutBox.h"

#include "engine/ProgramInfo.h"
#include "tests/support/TestFiles.h"
#include "tests/ui/platform/FakePlatform.h"
#include "ui/MainWindow.h"
#include "ui/platform/LinuxPlatform.h"
#include "ui/platform/SystemInfoLauncher.h"
#include "ui/platform/WebLink.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using quillon::tests::FakePlatform;
using quillon::ui::AboutBox;

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
        AboutBox box(platform, nullptr);
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>(box, "cmdOK"));
        child<QPushButton>(box, focus.toLatin1().constData())->setFocus();
        QTest::keyClick(&box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(box.isVisible(), !closes);
        // A shortcut presses its button after a moment; the fake has no system-information program to start.
        QTRY_COMPARE(platform.shown.empty(), !startsSysInfo);
    }

    // The box shows the version the program answers --version with; a click on the web address opens it.
    void versionAndWebAddress()
    {
        FakePlatform platform;
        platform.browser = "/usr/bin/browser";
        AboutBox box(platform, nullptr);
        box.show();
        QCOMPARE(child<QLabel>(box, "lblVersion")->text(),
                 QStringLiteral("Version ") + QString::fromStdString(quillon::engine::versionText()));
        QTest::mouseClick(child<QLabel>(box, "Label2"), Qt::LeftButton);
        QCOMPARE(platform.opened.size(), size_t{1});
        QCOMPARE(QString::fromStdString(platform.opened[0].second), child<QLabel>(box, "Label2")->text());
        QVERIFY(box.isVisible());
    }

    // Help, About shows the box modally over the window, made afresh each time and destroyed when it closes;
    // closing the window closes it too.
    void helpAboutIsModalAndClosesWithTheWindow()
    {
        quillon::ui::MainWindow window(QDir::tempPath());
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

    // The temporary document gets a fresh name in the temporary folder each time, keeps its extension and its
    // bytes, and is made exclusively, so a planted file or link is never written through. Once deleted, no
    // program opens it.
    void linuxTemporaryDocument()
    {
        quillon::ui::platform::LinuxPlatform platform;
        const auto content = quillon::ui::platform::kTemporaryDocument;
        const std::string first = platform.createTemporaryDocument(".HTM", content);
        const std::string second = platform.createTemporaryDocument(".HTM", content);
        QVERIFY(!first.empty() && first != second && first.ends_with(".HTM"));
        QCOMPARE(QFileInfo(QString::fromStdString(first)).absolutePath(), QDir(QDir::tempPath()).absolutePath());
        QCOMPARE(quillon::tests::readFile(first), std::string(content));
        platform.deleteFile(first);
        platform.deleteFile(second);
        QVERIFY(!QFileInfo::exists(QString::fromStdString(first)));
        std::string browser;
        QCOMPARE(platform.findExecutable(first, browser), quillon::ui::platform::kShellFileNotFound);
    }

    // Only the first place of the system-information program is known here, while one is on PATH; its value is
    // the program's path with a zero byte. Keys open for reading only. Untitled messages get the program's title.
    void linuxRegistryStandIn()
    {
        namespace p = quillon::ui::platform;
        std::vector<quillon::run::Message> shown;
        p::LinuxPlatform platform(
            [&shown](QWidget*, const quillon::run::Message& message) { shown.push_back(message); });
        const quillon::tests::TempFolder bin;
        const std::string program = bin.file("hardinfo");
        quillon::tests::writeFile(program, "#!/bin/sh\n");
        std::filesystem::permissions(program, std::filesystem::perms::owner_all);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QByteArray::fromStdString(bin.path().string()));
        p::RegistryKey key = 99;
        QCOMPARE(platform.openKey(p::kHkeyLocalMachine, p::kSysInfoFolderKey, p::kKeyRead, key), p::kRegistryNotFound);
        QCOMPARE(key, p::RegistryKey{0});
        QCOMPARE(platform.openKey(p::kHkeyLocalMachine, p::kSysInfoPathKey, 0x2003F, key), p::kRegistryAccessDenied);
        QCOMPARE(platform.openKey(p::kHkeyLocalMachine, p::kSysInfoPathKey, p::kKeyRead, key), p::kRegistrySuccess);
        unsigned char data[1024] = {};
        std::uint32_t type = 0;
        auto length = static_cast<std::uint32_t>(program.size() + 1);
        QCOMPARE(platform.queryValue(key, "Path", type, data, length), p::kRegistrySuccess);
        QCOMPARE(std::string(reinterpret_cast<const char*>(data), length), program + '\0');
        QCOMPARE(type, p::kRegSz);
        length = static_cast<std::uint32_t>(program.size());
        QCOMPARE(platform.queryValue(key, "PATH", type, data, length), p::kRegistryMoreData);
        QCOMPARE(platform.queryValue(key + 1, "PATH", type, data, length), p::kRegistryNotFound);
        QCOMPARE(platform.queryValue(key, "MSINFO", type, data, length), p::kRegistryNotFound);
        qputenv("PATH", path);
        QVERIFY(!platform.startProgram(""));
        QVERIFY(!platform.fileExists(QDir::tempPath().toStdString()));

        platform.showMessage({"Web Page not Opened", "URL Failed", quillon::run::MessageStyle::Exclamation});
        platform.showMessage({"Hello", "", quillon::run::MessageStyle::Plain});
        QCOMPARE(shown.size(), std::size_t{2});
        QCOMPARE(shown[0].title, std::string("URL Failed"));
        QCOMPARE(shown[1].title, std::string(quillon::engine::kApplicationTitle));
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
