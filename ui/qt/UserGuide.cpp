// The user guide's window: the document in a fixed-pitch font, as it was laid out.
#include "ui/qt/UserGuide.h"

#include "ui/qt/FormWidgets.h"
#include "ui/shared/forms/ConverterForm.h"

#include <QFile>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace quillon::ui {

UserGuide::UserGuide(QWidget* owner)
    : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("UserGuide"));
    setWindowTitle(qtText(forms::kUserGuideTitle));
    auto* view = new QPlainTextEdit(this);
    view->setObjectName(QStringLiteral("guideText"));
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view->setPlainText(text());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    resize(view->fontMetrics().horizontalAdvance(QString(88, QLatin1Char('M'))), 600);
    // Esc closes the guide, as it closes a dialog.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

// The window manager may place a new window where it likes, and on a small screen part of 600 pixels may hang
// below its bottom edge; so the guide is fitted into the screen's free area and centred there.
void UserGuide::showOnScreen()
{
    if (!m_placed) {
        m_placed = true;
        const QScreen* shown = parentWidget() != nullptr ? parentWidget()->screen() : screen();
        const QRect room = shown->availableGeometry();
        resize(std::min(width(), room.width() * 9 / 10), std::min(height(), room.height() * 8 / 10));
        move(room.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    raise();
    activateWindow();
}

// The guide is plain 8-bit text with CR LF line ends, like every file of the program.
QString UserGuide::text()
{
    QFile file(QStringLiteral(":/QUILLON.DOC"));
    file.open(QIODevice::ReadOnly);
    return QString::fromLatin1(file.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace quillon::ui
