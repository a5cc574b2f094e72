// Builds the converter window: its menu and its controls, each at its place in twips.
#include "ui/ControlFonts.h"
#include "ui/MainWindow.h"
#include "ui/Twips.h"

#include <QAction>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace quillon::ui {

namespace {

constexpr TwipsRect kClientArea{0, 0, 4590, 5055};

// A control's box, grown downwards where the local font needs more height than the box gives. Boxes that
// share a top edge then share their text's line too.
void place(QWidget* control, const TwipsRect& box)
{
    QRect rect = pixelRect(box);
    rect.setHeight(std::max(rect.height(), control->sizeHint().height()));
    control->setGeometry(rect);
}

template <typename Control> Control* makeControl(QWidget* parent, const QString& name, const QFont& font)
{
    auto* control = new Control(parent);
    control->setObjectName(name);
    control->setFont(font);
    return control;
}

QGroupBox* makeFrame(QWidget* parent, const QString& name, const QString& title, const TwipsRect& box)
{
    auto* frame = makeControl<QGroupBox>(parent, name, controlFont(ControlFace::Arial, 9.75));
    frame->setTitle(title);
    frame->setGeometry(pixelRect(box));
    return frame;
}

QRadioButton* makeOption(QWidget* parent, const QString& name, const QString& text, const TwipsRect& box)
{
    auto* option = makeControl<QRadioButton>(parent, name, controlFont(ControlFace::MsSansSerif, 8.25));
    option->setText(text);
    place(option, box);
    return option;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, double points, const TwipsRect& box)
{
    auto* label = makeControl<QLabel>(parent, name, controlFont(ControlFace::Arial, points));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setText(text);
    place(label, box);
    return label;
}

} // namespace

void MainWindow::buildMenu()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File"));
    m_openFolder = file->addAction(QStringLiteral("&Open Folder..."));
    m_openFolder->setObjectName(QStringLiteral("OpenFolder"));
    m_openFolder->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(m_openFolder, &QAction::triggered, this, &MainWindow::openFolder);
    // Exit closes the window as its close box does.
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("Exit"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("Help"));
    QAction* guide = help->addAction(QStringLiteral("User Guide"));
    guide->setObjectName(QStringLiteral("UserGuide"));
    guide->setShortcut(QKeySequence(Qt::Key_F1));
    connect(guide, &QAction::triggered, this, &MainWindow::showUserGuide);
    QAction* about = help->addAction(QStringLiteral("About"));
    about->setObjectName(QStringLiteral("About"));
    connect(about, &QAction::triggered, this, &MainWindow::About_Click);
}

// The window keeps one size: nothing in it follows a change of size.
void MainWindow::buildControls()
{
    installFontSubstitutes();
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(pixelRect(kClientArea).size());
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // A window of one size offers no maximize button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/quillon.xpm")));

    buildFrames(client);
    buildBandOptions();
    buildDateOptions();
    buildRunControls();
    buildFileLabels();
    setFocusOrder();
}

void MainWindow::buildFrames(QWidget* client)
{
    Frame1 = makeFrame(client, QStringLiteral("Frame1"), QString(), {120, 0, 4335, 4935});
    Frame3 = makeFrame(Frame1, QStringLiteral("Frame3"), QStringLiteral("Chose BAND Format"), {480, 1680, 3255, 735});
    Frame2 = makeFrame(Frame1, QStringLiteral("Frame2"), QStringLiteral("Chose DATE Format"), {480, 240, 3255, 1095});
}

void MainWindow::buildBandOptions()
{
    bandMHZ = makeOption(Frame3, QStringLiteral("bandMHZ"), QStringLiteral("Mhz"), {1800, 360, 1215, 195});
    bandMETERS = makeOption(Frame3, QStringLiteral("bandMETERS"), QStringLiteral("Meters"), {360, 360, 1335, 195});
    bandMETERS->setChecked(true);
}

void MainWindow::buildDateOptions()
{
    dateOption4 = makeOption(Frame2, QStringLiteral("dateOption4"), QStringLiteral("DD-MM-YY"), {1800, 720, 1335, 255});
    dateOption3 = makeOption(Frame2, QStringLiteral("dateOption3"), QStringLiteral("YY-DD-MM"), {1800, 360, 1335, 255});
    dateOption2 = makeOption(Frame2, QStringLiteral("dateOption2"), QStringLiteral("MM-DD-YY"), {240, 720, 1455, 195});
    dateOption1 = makeOption(Frame2, QStringLiteral("dateOption1"), QStringLiteral("YY-MM-DD"), {240, 360, 1455, 255});
}

// The counter box is drawn over the right end of "Records Processed:", whose box runs on beneath it.
void MainWindow::buildRunControls()
{
    const QFont windowFont = controlFont(ControlFace::MsSansSerif, 8.25, false);
    cbStart = makeControl<QPushButton>(Frame1, QStringLiteral("cbStart"), windowFont);
    cbStart->setText(QStringLiteral("Start"));
    cbStart->setGeometry(pixelRect({1560, 4080, 1215, 375}));
    Text1 = makeControl<QLineEdit>(Frame1, QStringLiteral("Text1"), windowFont);
    Text1->setGeometry(pixelRect({2880, 3600, 972, 288}));
    // Only the run writes the counter; the user may select and copy it.
    Text1->setReadOnly(true);
    lblStatus = makeLabel(Frame1, QStringLiteral("lblStatus"), QStringLiteral("    "), 11.25, {1440, 4560, 1695, 255});
}

void MainWindow::buildFileLabels()
{
    Label4 = makeLabel(Frame1, QStringLiteral("Label4"), QStringLiteral("Chose for BAND field, not for FREQ field."), 9,
                       {480, 2520, 3735, 255});
    Label1 = makeLabel(Frame1, QStringLiteral("Label1"), QStringLiteral(" Input File:     log.asc"), 11.25,
                       {1080, 2880, 2655, 255});
    Label2 = makeLabel(Frame1, QStringLiteral("Label2"), QStringLiteral("Output File:     log.adi "), 11.25,
                       {960, 3120, 2655, 255});
    Label3 = makeLabel(Frame1, QStringLiteral("Label3"), QStringLiteral("Records Processed:"), 11.25,
                       {720, 3600, 2415, 375});
    Text1->raise();
}

// Focus follows the tab index: the counter, Start, the date options, then the band options.
void MainWindow::setFocusOrder()
{
    QWidget* const order[] = {Text1, cbStart, dateOption1, dateOption2, dateOption3, dateOption4, bandMETERS, bandMHZ};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
    Text1->setFocus();
}

void MainWindow::connectHandlers()
{
    connect(dateOption1, &QRadioButton::clicked, this, &MainWindow::dateOption1_Click);
    connect(dateOption2, &QRadioButton::clicked, this, &MainWindow::dateOption2_Click);
    connect(dateOption3, &QRadioButton::clicked, this, &MainWindow::dateOption3_Click);
    connect(dateOption4, &QRadioButton::clicked, this, &MainWindow::dateOption4_Click);
    connect(cbStart, &QPushButton::clicked, this, &MainWindow::cbStart_Click);
}

} // namespace quillon::ui
