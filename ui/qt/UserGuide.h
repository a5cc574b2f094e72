// The user guide, QUILLON.DOC, shown read-only in a window of its own.
#pragma once

#include <QWidget>

namespace quillon::ui {

// Built into the program, so the guide is there wherever the program is, installed or not.
class UserGuide : public QWidget
{
    Q_OBJECT

public:
    explicit UserGuide(QWidget* owner);

    // The text of QUILLON.DOC with plain line ends.
    static QString text();
    // Shows the window, the first time centred on the owner's screen and no larger than it.
    void showOnScreen();

private:
    bool m_placed = false;
};

} // namespace quillon::ui
