// The About box's controls at their places in twips, its two etched lines, and its handlers.
#include "ui/AboutBox.h"

#include "engine/ProgramInfo.h"
#include "ui/ControlFonts.h"
#include "ui/TextConversion.h"
#include "ui/Twips.h"
#include "ui/platform/SystemInfoLauncher.h"
#include "ui/platform/WebLink.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace quillon::ui {

namespace {

constexpr TwipsRect kClientArea{0, 0, 5730, 3555};
const QColor kBlack(0, 0, 0);

QPushButton* makeButton(QWidget* box, const QString& name, const QString& text, const TwipsRect& where)
{
    auto* button = new QPushButton(text, box);
    button->setObjectName(name);
    button->setGeometry(pixelRect(where));
    return button;
}

// A label at its box, grown downwards when the local font wraps its text onto more lines than the box holds.
void placeWrapped(QLabel* label, const TwipsRect& where)
{
    QRect box = pixelRect(where);
    box.setHeight(std::max(box.height(), label->heightForWidth(box.width())));
    label->setGeometry(box);
}

void setTextColour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

QPoint centredPosition(const QSize& screen, const QSize& inner, const QMargins& frame)
{
    const QSize outer = inner.grownBy(frame);
    const auto centred = [](int screenPixels, int outerPixels) {
        const double twips = (screenPixels * double{kTwipsPerPixel} - outerPixels * double{kTwipsPerPixel}) / 2;
        return static_cast<int>(std::lround(twips / kTwipsPerPixel));
    };
    return {centred(screen.width(), outer.width()), centred(screen.height(), outer.height())};
}

QString versionLabelText(int major, int minor, int revision)
{
    return QStringLiteral("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

AboutBox::AboutBox(platform::PlatformServices& platform, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                         Qt::WindowCloseButtonHint | Qt::WindowTitleHint)
    , m_platform(platform)
{
    setObjectName(QStringLiteral("frmAbout"));
    setFixedSize(pixelRect(kClientArea).size());
    setWindowIcon(QIcon(QStringLiteral(":/quillon.xpm")));
    buildControls();
    Form_Load();
}

void AboutBox::buildControls()
{
    cmdOK = makeButton(this, QStringLiteral("cmdOK"), QStringLiteral("OK"), {4245, 2640, 1260, 345});
    cmdSysInfo =
        makeButton(this, QStringLiteral("cmdSysInfo"), QStringLiteral("&System Info..."), {4260, 3075, 1245, 345});
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    cmdSysInfo->setAutoDefault(true); // Enter presses whichever button has the focus
    setTabOrder(cmdOK, cmdSysInfo);

    setFont(controlFont(ControlFace::MsSansSerif, 8.25, false)); // the box's default font
    const QFont plain = font();
    const auto centred = Qt::AlignHCenter | Qt::AlignTop;
    Label3 = makeLabel(QStringLiteral("Label3"), QStringLiteral("For program documentation, see QUILLON.DOC"), plain,
                       centred);
    Label2 = makeLabel(QStringLiteral("Label2"), fromRunText(engine::kWebAddress), plain, Qt::AlignLeft);
    Label1 = makeLabel(QStringLiteral("Label1"),
                       QStringLiteral("Written by Ambrel, ZELK - email ") + fromRunText(engine::kAuthorEmail), plain,
                       centred);
    lblDescription =
        makeLabel(QStringLiteral("lblDescription"), QStringLiteral("For Windows 95/98/NT"), plain, centred);
    lblTitle = makeLabel(QStringLiteral("lblTitle"), QStringLiteral("Quillon Converter"),
                         controlFont(ControlFace::ComicSansMs, 9.75), centred);
    lblVersion = makeLabel(QStringLiteral("lblVersion"), QString(), plain, centred);
    QFont disclaimerFont = controlFont(ControlFace::MsSansSerif, 8.25);
    disclaimerFont.setItalic(true);
    lblDisclaimer =
        makeLabel(QStringLiteral("lblDisclaimer"), QStringLiteral("Click URL to Visit NORVA on the internet at:"),
                  disclaimerFont, Qt::AlignLeft);

    placeWrapped(Label3, {960, 1560, 3885, 330});
    placeWrapped(Label1, {960, 2040, 3885, 330});
    placeWrapped(lblDescription, {960, 1125, 3885, 330});
    placeWrapped(lblTitle, {120, 240, 5565, 480});
    placeWrapped(lblVersion, {960, 780, 3885, 225});
    // The web address and the line above it are sized to their text.
    Label2->move(pixelRect({240, 3120, 2430, 195}).topLeft());
    Label2->adjustSize();
    lblDisclaimer->move(pixelRect({240, 2760, 3840, 195}).topLeft());
    lblDisclaimer->adjustSize();

    setTextColour(Label2, QColor(0, 0, 255));
    Label2->setCursor(Qt::PointingHandCursor);
    Label2->installEventFilter(this);
    connect(cmdOK, &QPushButton::clicked, this, &AboutBox::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &AboutBox::cmdSysInfo_Click);
}

QLabel* AboutBox::makeLabel(const QString& name, const QString& text, const QFont& labelFont, Qt::Alignment alignment)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setFont(labelFont);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    label->setWordWrap(alignment != Qt::AlignLeft);
    if (name != QStringLiteral("lblVersion") && name != QStringLiteral("Label2")) {
        setTextColour(label, kBlack);
    }
    return label;
}

// Centres the box on the whole screen, lines the author up under the description, and sets the texts.
void AboutBox::Form_Load()
{
    centreOnScreen();
    Label1->move(lblDescription->x(), Label1->y());
    setWindowTitle(QStringLiteral("About ") + fromRunText(engine::kApplicationTitle));
    lblVersion->setText(versionLabelText(engine::kVersionMajor, engine::kVersionMinor, engine::kVersionRevision));
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
    platform::StartSysInfo(m_platform);
}

void AboutBox::Label2_Click()
{
    platform::Label2_Click(m_platform, std::string(engine::kWebAddress));
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Label2 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Label2_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// The etched rule between the author line and the buttons: a grey line with a white one just under it.
void AboutBox::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    painter.drawLine(twipsToPixels(90), twipsToPixels(2445), twipsToPixels(5654), twipsToPixels(2445));
    painter.setPen(QPen(QColor(255, 255, 255), 2));
    painter.drawLine(twipsToPixels(105), twipsToPixels(2460) + 1, twipsToPixels(5654), twipsToPixels(2460) + 1);
}

} // namespace quillon::ui
