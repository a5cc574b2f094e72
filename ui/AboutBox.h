// The About box: the program's name and version, its documentation, its author and the maker's web page.
#pragma once

#include "ui/platform/PlatformServices.h"

#include <QDialog>

#include <utility>

class QLabel;
class QPushButton;

namespace quillon::ui {

// Where a box of the given outer size stands centred on a screen of the given size, in twips. The halving is
// done in floating point and passed on unrounded.
std::pair<double, double> centredOrigin(double screenWidth, double screenHeight, double outerWidth, double outerHeight);

// "Version " and the numbers in plain decimal, without leading zeros, joined by dots.
QString versionLabelText(int major, int minor, int revision);

// Shown modally over the converter window and destroyed when closed, so it loads afresh every time. The controls
// and their event handlers keep their historical names (cmdOK, Label2_Click, Form_Load); the rest follows the
// usual lowerCamelCase.
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    AboutBox(platform::PlatformServices& platform, QWidget* owner);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void Label2_Click();

    void buildControls();
    QLabel* makeLabel(const QString& name, const QString& text, const QFont& font, Qt::Alignment alignment);

    platform::PlatformServices& m_platform;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDisclaimer = nullptr;
};

} // namespace quillon::ui
