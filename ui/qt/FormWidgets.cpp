// Making Qt widgets from a form's rows.
#include "ui/qt/FormWidgets.h"

#include "ui/qt/ControlFonts.h"

#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>

namespace quillon::ui {

namespace {

QWidget* makeWidget(const forms::ControlRow& row, QWidget* parent)
{
    const QString text = qtText(row.text);
    switch (row.kind) {
    case forms::ControlKind::Frame: {
        auto* frame = new QGroupBox(parent);
        frame->setTitle(text);
        return frame;
    }
    case forms::ControlKind::OptionButton:
        return new QRadioButton(text, parent);
    case forms::ControlKind::PushButton:
        return new QPushButton(text, parent);
    case forms::ControlKind::TextBox:
        return new QLineEdit(text, parent);
    case forms::ControlKind::Label:
    case forms::ControlKind::Link:
        break;
    }
    auto* label = new QLabel(parent);
    if (row.kind == forms::ControlKind::Link) {
        label->setFocusPolicy(Qt::TabFocus);
    }
    label->setTextFormat(Qt::PlainText);
    const bool centred = row.alignment == forms::TextAlignment::Centre;
    label->setAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    label->setWordWrap(centred);
    label->setText(text);
    return label;
}

// The height a control needs: a wrapping label the lines its text takes at that width; a label of one line also
// the lowest point of its letters, which on a scaled screen can lie below the line's height ("g" of "log.asc" at
// 1.5 times); any other control its own height.
int neededHeight(const QWidget* control, int width)
{
    const auto* label = qobject_cast<const QLabel*>(control);
    if (label == nullptr) {
        return control->sizeHint().height();
    }
    if (label->wordWrap()) {
        return label->heightForWidth(width);
    }
    const QFontMetricsF metrics(label->font());
    const double inkBottom = label->contentsMargins().top() + metrics.ascent() +
                             std::max(0.0, metrics.tightBoundingRect(label->text()).bottom());
    return std::max(label->sizeHint().height(), static_cast<int>(std::ceil(inkBottom)));
}

// A label grows downwards to the height its text needs; any other control to its own height.
void place(QWidget* control, const forms::ControlRow& row)
{
    QRect rect = pixelQRect(row.box);
    switch (row.fit) {
    case forms::Fit::Box:
        break;
    case forms::Fit::GrowDown: {
        rect.setHeight(std::max(rect.height(), neededHeight(control, rect.width())));
        break;
    }
    case forms::Fit::ToText:
        control->move(rect.topLeft());
        control->adjustSize();
        return;
    }
    control->setGeometry(rect);
}

} // namespace

QRect pixelQRect(const forms::TwipsRect& box)
{
    const forms::PixelRect pixels = forms::pixelRect(box);
    return {pixels.left, pixels.top, pixels.width, pixels.height};
}

QWidget* makeControl(const forms::ControlRow& row, QWidget* parent)
{
    QWidget* control = makeWidget(row, parent);
    control->setObjectName(qtText(row.name));
    control->setFont(controlFont(row.font));
    if (row.textColour != nullptr) {
        QPalette palette = control->palette();
        palette.setColor(QPalette::WindowText,
                         QColor(row.textColour->red, row.textColour->green, row.textColour->blue));
        control->setPalette(palette);
    }
    place(control, row);
    return control;
}

void growToText(QWidget* control, const forms::ControlRow& row)
{
    if (row.fit == forms::Fit::GrowDown) {
        control->resize(control->width(), std::max(control->height(), neededHeight(control, control->width())));
    }
}

} // namespace quillon::ui
