// The Qt converter window and its About box as a user sees them at start, compared pixel for pixel with their
// reference images: every control in its place, font and size. A program of its own, so that nothing drawn before
// changes what the fonts resolve to.
#include "tests/ui/qt/TestHome.h"
#include "ui/platform/PlatformServices.h"
#include "ui/qt/AboutBox.h"
#include "ui/qt/MainWindow.h"

#include <QApplication>
#include <QImage>
#include <QTest>

namespace {

[[maybe_unused]] const std::filesystem::path& kHome = quillon::tests::useTestHome();

// Compares a widget's pixels with the reference image of that name. With QUILLON_UPDATE_REFERENCE set, the
// reference is written instead; on a difference the image seen is left in the build folder to look at.
bool matchesReference(QWidget& widget, const QString& name)
{
    const QImage seen = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString reference = QStringLiteral(QUILLON_TEST_SOURCE_DIR "/reference-") + name + QStringLiteral(".png");
    if (qEnvironmentVariableIsSet("QUILLON_UPDATE_REFERENCE")) {
        return seen.save(reference);
    }
    if (seen == QImage(reference).convertToFormat(QImage::Format_RGB32)) {
        return true;
    }
    seen.save(QStringLiteral("seen-") + name + QStringLiteral(".png"));
    qWarning("%s differs from %s; see seen-%s.png", qPrintable(name), qPrintable(reference), qPrintable(name));
    return false;
}

// The About box's services, which the picture needs none of.
class NoPlatform : public quillon::ui::platform::PlatformServices
{
public:
    std::optional<quillon::run::Message> startSystemInfo() override { return std::nullopt; }
    std::optional<quillon::run::Message> openWebPage(const std::string&) override { return std::nullopt; }
};

} // namespace

class LookTest : public QObject
{
    Q_OBJECT

private slots:
    void windowAndAboutBox()
    {
        const quillon::tests::TempFolder folder;
        quillon::ui::MainWindow window;
        window.session().setLogFolder(folder.path().string());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QApplication::focusWidget()->clearFocus();
        QVERIFY(matchesReference(window, QStringLiteral("window")));
        NoPlatform platform;
        quillon::ui::AboutBox box(platform, quillon::ui::showMessageBox, &window);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QVERIFY(matchesReference(box, QStringLiteral("about-box")));
    }
};

QTEST_MAIN(LookTest)
#include "LookTest.moc"
