// The labels of the Qt converter window and About box at the scale factors of denser screens (run once for each,
// with QT_SCALE_FACTOR set): every text within its label and clear of the controls drawn over it, the status
// label's with each kind of text a run leaves there.
#include "tests/ui/qt/TestHome.h"
#include "ui/platform/PlatformServices.h"
#include "ui/qt/AboutBox.h"
#include "ui/qt/MainWindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cmath>

namespace {

[[maybe_unused]] const std::filesystem::path& kHome = quillon::tests::useTestHome();

class NoPlatform : public quillon::ui::platform::PlatformServices
{
public:
    std::optional<quillon::run::Message> startSystemInfo() override { return std::nullopt; }
    std::optional<quillon::run::Message> openWebPage(const std::string&) override { return std::nullopt; }
};

// The text of each label, as the label lays it out, within the label and clear of every line edit and push button
// beside it; in device pixels, rounded outwards, as the screen shows it.
void checkLabels(const QWidget& top)
{
    const double scale = top.devicePixelRatioF();
    const auto device = [scale](const QRectF& box) {
        return QRect(QPoint(int(std::floor(box.left() * scale)), int(std::floor(box.top() * scale))),
                     QPoint(int(std::ceil(box.right() * scale)) - 1, int(std::ceil(box.bottom() * scale)) - 1));
    };
    for (const QLabel* label : top.findChildren<QLabel*>()) {
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QFontMetricsF metrics(label->font());
        // The ink of a line, from its first glyph's left edge to its last glyph's right edge; a wrapped text's lines.
        const QRectF text =
            label->wordWrap()
                ? metrics.boundingRect(label->contentsRect(), flags, label->text())
                : metrics.tightBoundingRect(label->text()).translated(label->contentsRect().left(), metrics.ascent());
        const QRectF placed = text.translated(label->mapTo(&top, QPoint()));
        const QRect inLabel(label->mapTo(&top, QPoint()), label->size());
        const QString what = label->objectName() + QStringLiteral(" at ") + QString::number(scale);
        QVERIFY2(device(QRectF(inLabel)).contains(device(placed)), qPrintable(what + QStringLiteral(" is clipped")));
        for (const QWidget* over : top.findChildren<QWidget*>()) {
            if (qobject_cast<const QLineEdit*>(over) != nullptr || qobject_cast<const QPushButton*>(over) != nullptr) {
                const QRectF box(over->mapTo(&top, QPoint()), over->size());
                QVERIFY2(!device(box).intersects(device(placed)),
                         qPrintable(what + QStringLiteral(" runs under ") + over->objectName()));
            }
        }
    }
}

} // namespace

class FitTest : public QObject
{
    Q_OBJECT

private slots:
    void labelsFit()
    {
        const quillon::tests::TempFolder folder;
        quillon::ui::MainWindow window;
        window.session().setLogFolder(folder.path().string());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        checkLabels(window);
        // The status label's texts during and after a run, the widest of each kind.
        for (const char* status :
             {"Processing.....", "Done: 999 bad", "No contacts", "ADIF 3: 999 bad", "ADIF 3: none"}) {
            window.setControlText("lblStatus", status);
            checkLabels(window);
        }
        NoPlatform platform;
        quillon::ui::AboutBox box(platform, quillon::ui::showMessageBox, &window);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        checkLabels(box);
    }
};

QTEST_MAIN(FitTest)
#include "FitTest.moc"
