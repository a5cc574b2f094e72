// The About box: its texts and places, the keys that close it or start System Info, the web link, and how the
// converter window shows it modally and closes it.
#include "ui/AboutBox.h"

#include "engine/ProgramInfo.h"
#include "tests/ui/platform/FakePlatform.h"
#include "ui/MainWindow.h"
#include "ui/platform/LinuxPlatform.h"
#include "ui/platform/SystemInfoLauncher.h"
#include "ui/platform/WebLink.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using quillon::tests::FakePlatform;
using quillon::ui::AboutBox;

namespace {

bool sysInfoAsked(const FakePlatform& platform)
{
    return !platform.calls.empty() &&
           platform.calls.front() == std::string("open ") + quillon::ui::platform::kSysInfoPathKey;
}

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

    void showsItsTexts()
    {
        FakePlatform platform;
        AboutBox box(platform, nullptr);
        QCOMPARE(box.windowTitle(), QStringLiteral("About Quillon"));
        QCOMPARE(box.size(), QSize(382, 237));
        QCOMPARE(label(box, "lblVersion")->text(),
                 QStringLiteral("Version ") + QString::fromStdString(quillon::engine::versionText()));
        QCOMPARE(label(box, "lblTitle")->text(), QStringLiteral("Quillon Converter"));
        QVERIFY(label(box, "lblTitle")->font().bold());
        QCOMPARE(label(box, "Label3")->text(), QStringLiteral("For program documentation, see QUILLON.DOC"));
        QVERIFY(label(box, "Label1")->text().startsWith(QStringLiteral("Written by Ambrel, ZELK - email ")));
        QCOMPARE(label(box, "Label1")->x(), label(box, "lblDescription")->x());
        QCOMPARE(label(box, "Label2")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(label(box, "lblDisclaimer")->font().italic());
        QCOMPARE(button(box, "cmdSysInfo")->text(), QStringLiteral("&System Info..."));
        QVERIFY(button(box, "cmdOK")->isDefault());
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
        QCOMPARE(QApplication::focusWidget(), button(box, "cmdOK"));
        button(box, focus.toLatin1().constData())->setFocus();
        QTest::keyClick(&box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(box.isVisible(), !closes);
        QTRY_COMPARE(sysInfoAsked(platform), startsSysInfo); // a shortcut presses its button after a moment
        if (startsSysInfo) {
            QCOMPARE(platform.messages.size(), size_t{1}); // the fake has no system-information program
        }
    }

    void webAddressOpensTheBrowser()
    {
        FakePlatform platform;
        platform.browser = "/usr/bin/browser";
        AboutBox box(platform, nullptr);
        box.show();
        QTest::mouseClick(label(box, "Label2"), Qt::LeftButton);
        QCOMPARE(platform.opened.size(), size_t{1});
        QCOMPARE(QString::fromStdString(platform.opened[0].second), label(box, "Label2")->text());
        QVERIFY(platform.documents.empty());
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
                    seen->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
                }
            });
            aboutAction(window)->trigger();
            QVERIFY(seen.isNull()); // destroyed once closed
        }
        QVERIFY(!window.isVisible());
    }

    // The temporary document gets a fresh name in the temporary folder each time, keeps its extension and its
    // 18 bytes, and is made exclusively, so a planted file or link is never written through.
    void linuxTemporaryDocument()
    {
        quillon::ui::platform::LinuxPlatform platform;
        const auto content = quillon::ui::platform::kTemporaryDocument;
        const QString first = QString::fromStdString(platform.createTemporaryDocument(".HTM", content));
        const QString second = QString::fromStdString(platform.createTemporaryDocument(".HTM", content));
        QVERIFY(!first.isEmpty());
        QVERIFY(first != second);
        QCOMPARE(QFileInfo(first).absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
        QVERIFY(first.endsWith(QStringLiteral(".HTM")));
        QFile file(first);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray(content.data(), 18));
        file.close();
        platform.deleteFile(first.toStdString());
        platform.deleteFile(second.toStdString());
        QVERIFY(!QFileInfo::exists(first));
        QVERIFY(!QFileInfo::exists(second));
    }

    // Only the first place of the system-information program is known here, and keys open for reading only.
    void linuxRegistryStandIn()
    {
        namespace p = quillon::ui::platform;
        p::LinuxPlatform platform;
        p::RegistryKey key = 99;
        QCOMPARE(platform.openKey(p::kHkeyLocalMachine, p::kSysInfoFolderKey, p::kKeyRead, key), p::kRegistryNotFound);
        QCOMPARE(key, p::RegistryKey{0});
        QCOMPARE(platform.openKey(p::kHkeyLocalMachine, p::kSysInfoPathKey, 0x2003F, key), p::kRegistryAccessDenied);
        QVERIFY(!platform.startProgram(""));
        QVERIFY(!platform.fileExists(QDir::tempPath().toStdString()));
    }

private:
    static QLabel* label(QWidget& box, const char* name) { return box.findChild<QLabel*>(QString::fromLatin1(name)); }
    static QPushButton* button(QWidget& box, const char* name)
    {
        return box.findChild<QPushButton*>(QString::fromLatin1(name));
    }
    static QAction* aboutAction(QWidget& window)
    {
        for (QAction* action : window.findChildren<QAction*>()) {
            if (action->text() == QStringLiteral("About")) {
                return action;
            }
        }
        return nullptr;
    }
};

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
