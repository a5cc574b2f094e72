// Making Qt widgets from a form's rows.
#include "ui/qt/FormWidgets.h"

#include "ui/qt/ControlFonts.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

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
        break;
    }
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    const bool centred = row.alignment == forms::TextAlignment::Centre;
    label->setAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    label->setWordWrap(centred);
    label->setText(text);
    return label;
}

// A wrapping label grows to the lines its text takes at its width; any other control to its own height.
void place(QWidget* control, const forms::ControlRow& row)
{
    QRect rect = pixelQRect(row.box);
    switch (row.fit) {
    case forms::Fit::Box:
        break;
    case forms::Fit::GrowDown: {
        const auto* label = qobject_cast<QLabel*>(control);
        const int needed =
            label != nullptr && label->wordWrap() ? label->heightForWidth(rect.width()) : control->sizeHint().height();
        rect.setHeight(std::max(rect.height(), needed));
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

} // namespace quillon::ui
