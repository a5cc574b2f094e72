// The About box: the program's name and version, its documentation, its author and the maker's web page.
#pragma once

#include "ui/platform/PlatformServices.h"
#include "ui/qt/MessageBoxes.h"

#include <QDialog>

#include <optional>
#include <utility>

class QLabel;
class QPushButton;

namespace quillon::ui {

// Where a window of the given inner size stands, in pixels, when it is centred on the screen by its outer size:
// the inner area grown by its frame and caption. The halving is done in twips, in floating point, and only the
// position that results is rounded to a pixel.
QPoint centredPosition(const QSize& screen, const QSize& inner, const QMargins& frame);

// Shown modally over the converter window and destroyed when closed, so it loads afresh every time. The controls
// come from the About form's rows; they and their event handlers keep their historical names (cmdOK, Label2_Click,
// Form_Load); the rest follows the usual lowerCamelCase.
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    // `presenter` shows what the platform says when an action fails.
    AboutBox(platform::PlatformServices& platform, MessagePresenter presenter, QWidget* owner);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void Label2_Click();

    void centreOnScreen();
    void buildControls();

    void showFailure(const std::optional<run::Message>& failure);

    platform::PlatformServices& m_platform;
    MessagePresenter m_presenter;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblVersion = nullptr;
    QMargins m_centredFrame; // the frame the box was last centred with
};

} // namespace quillon::ui
