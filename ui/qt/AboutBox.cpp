// The About box's controls at their places in twips, its two etched lines, and its handlers.
#include "ui/qt/AboutBox.h"

#include "engine/ProgramInfo.h"
#include "ui/qt/ControlFonts.h"
#include "ui/qt/FormWidgets.h"
#include "ui/qt/TextConversion.h"
#include "ui/shared/ConverterState.h"
#include "ui/shared/forms/AboutForm.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <cmath>

namespace quillon::ui {

QPoint centredPosition(const QSize& screen, const QSize& inner, const QMargins& frame)
{
    const QSize outer = inner.grownBy(frame);
    constexpr double kTwips = forms::kTwipsPerPixel;
    const forms::Position centred = forms::centredPosition(screen.width() * kTwips, screen.height() * kTwips,
                                                           outer.width() * kTwips, outer.height() * kTwips);
    return {static_cast<int>(std::lround(centred.left / kTwips)), static_cast<int>(std::lround(centred.top / kTwips))};
}

AboutBox::AboutBox(platform::PlatformServices& platform, MessagePresenter presenter, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                         Qt::WindowCloseButtonHint | Qt::WindowTitleHint)
    , m_platform(platform)
    , m_presenter(std::move(presenter))
{
    setObjectName(QStringLiteral("frmAbout"));
    setFixedSize(pixelQRect(forms::kAboutClientArea).size());
    setWindowIcon(QIcon(QStringLiteral(":/quillon.xpm")));
    buildControls();
    Form_Load();
}

void AboutBox::buildControls()
{
    setFont(controlFont(forms::kWindowDefaultFont)); // the box's default font
    for (const forms::ControlRow& row : forms::aboutControls()) {
        makeControl(row, this);
    }
    cmdOK = findChild<QPushButton*>(QStringLiteral("cmdOK"));
    cmdSysInfo = findChild<QPushButton*>(QStringLiteral("cmdSysInfo"));
    Label1 = findChild<QLabel*>(QStringLiteral("Label1"));
    Label2 = findChild<QLabel*>(QStringLiteral("Label2"));
    lblDescription = findChild<QLabel*>(QStringLiteral("lblDescription"));
    lblVersion = findChild<QLabel*>(QStringLiteral("lblVersion"));
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    cmdSysInfo->setAutoDefault(true); // Enter presses whichever button has the focus
    setTabOrder(cmdOK, cmdSysInfo);
    setTabOrder(cmdSysInfo, Label2);

    Label2->setCursor(Qt::PointingHandCursor);
    Label2->installEventFilter(this);
    connect(cmdOK, &QPushButton::clicked, this, &AboutBox::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &AboutBox::cmdSysInfo_Click);
}

// Centres the box on the whole screen, lines the author up under the description, and sets the texts.
void AboutBox::Form_Load()
{
    centreOnScreen();
    Label1->move(lblDescription->x(), Label1->y());
    setWindowTitle(qtText(forms::aboutCaption()));
    lblVersion->setText(
        qtText(forms::versionLabelText(engine::kVersionMajor, engine::kVersionMinor, engine::kVersionRevision)));
}

// A window's position includes its frame, so the frame goes into the centring as well.
void AboutBox::centreOnScreen()
{
    m_centredFrame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    move(centredPosition(QGuiApplication::primaryScreen()->size(), size(), m_centredFrame));
}

// The frame is known only once a window manager has framed the box, after it is first shown. Until then the box
// stands centred by its inner size; it is centred again as soon as its frame turns out different. A box that the
// user drags keeps its frame, so it stays where it is put.
bool AboutBox::event(QEvent* event)
{
    const bool handled = QDialog::event(event);
    const auto type = event->type();
    if ((type == QEvent::Show || type == QEvent::Move) && windowHandle() &&
        windowHandle()->frameMargins() != m_centredFrame) {
        centreOnScreen();
    }
    return handled;
}

void AboutBox::cmdOK_Click()
{
    accept();
}

void AboutBox::cmdSysInfo_Click()
{
    showFailure(m_platform.startSystemInfo());
}

void AboutBox::Label2_Click()
{
    showFailure(m_platform.openWebPage(std::string(engine::kWebAddress)));
}

void AboutBox::showFailure(const std::optional<run::Message>& failure)
{
    if (failure) {
        m_presenter(this, forms::titled(*failure));
    }
}

// The web address opens with a click, or with Enter or Space once Tab has brought the focus to it; it is underlined
// while it has the focus.
bool AboutBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != Label2) {
        return QDialog::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) {
            break;
        }
        Label2_Click();
        return true;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space) {
            break;
        }
        Label2_Click();
        return true;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        QFont font = Label2->font();
        font.setUnderline(event->type() == QEvent::FocusIn);
        Label2->setFont(font);
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

// The etched rule between the author line and the buttons: a grey line with a white one just under it. A pen
// two pixels wide is centred on its line, so the wide line is moved down by one to lie under the grey one.
void AboutBox::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    for (const forms::LineRow& line : forms::aboutLines()) {
        const int shift = line.width / 2;
        painter.setPen(QPen(QColor(line.colour.red, line.colour.green, line.colour.blue), line.width));
        painter.drawLine(forms::twipsToPixels(line.from.x), forms::twipsToPixels(line.from.y) + shift,
                         forms::twipsToPixels(line.to.x), forms::twipsToPixels(line.to.y) + shift);
    }
}

} // namespace quillon::ui
