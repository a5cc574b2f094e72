// The user guide's window: the document in a fixed-pitch font, as it was laid out.
#include "ui/qt/UserGuide.h"

#include "ui/qt/FormWidgets.h"
#include "ui/shared/forms/ConverterForm.h"

#include <QFile>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

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
}

// The guide is plain 8-bit text with CR LF line ends, like every file of the program.
QString UserGuide::text()
{
    QFile file(QStringLiteral(":/QUILLON.DOC"));
    file.open(QIODevice::ReadOnly);
    return QString::fromLatin1(file.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace quillon::ui
