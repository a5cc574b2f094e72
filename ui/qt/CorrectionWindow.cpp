// The Qt correction window: controls from the correction form, keys and events forwarded to the session.
#include "ui/qt/CorrectionWindow.h"

#include "ui/qt/ControlFonts.h"
#include "ui/qt/FormWidgets.h"
#include "ui/qt/TextConversion.h"
#include "ui/shared/ConverterState.h"
#include "ui/shared/forms/CorrectionForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

namespace quillon::ui {

namespace {

constexpr std::pair<QKeyCombination, forms::CorrectionKey> kKeys[] = {
    {QKeyCombination(Qt::Key_PageDown), forms::CorrectionKey::PageDown},
    {QKeyCombination(Qt::Key_PageUp), forms::CorrectionKey::PageUp},
    {QKeyCombination(Qt::ControlModifier, Qt::Key_S), forms::CorrectionKey::CtrlS},
};

} // namespace

UnsavedAnswer askAboutUnsavedInBox(QWidget* owner, const run::Message& question)
{
    QMessageBox box(QMessageBox::Warning, fromRunText(question.title), fromRunText(question.text),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, owner);
    box.setDefaultButton(QMessageBox::Save);
    const int answer = box.exec();
    return answer == QMessageBox::Save      ? UnsavedAnswer::Save
           : answer == QMessageBox::Discard ? UnsavedAnswer::Discard
                                            : UnsavedAnswer::Cancel;
}

CorrectionWindow::CorrectionWindow(ConverterSession& converter, run::FileSystem& files, MessagePresenter presenter,
                                   UnsavedQuestion ask, QWidget* parent)
    : QDialog(parent)
    , m_presenter(std::move(presenter))
    , m_ask(std::move(ask))
    , m_session(*this, converter, files)
{
    setObjectName(QStringLiteral("CorrectionWindow"));
    setWindowTitle(qtText(forms::kCorrectionTitle));
    buildControls();
    connectHandlers();
}

void CorrectionWindow::buildControls()
{
    installFontSubstitutes();
    setFixedSize(pixelQRect(forms::kCorrectionClientArea).size());
    m_controls.emplace("", this);
    for (const forms::ControlRow& row : forms::correctionControls()) {
        m_controls.emplace(std::string(row.name), makeControl(row, this));
    }
    QWidget* previous = nullptr;
    for (const std::string_view name : forms::focusOrder(forms::correctionControls())) {
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, control(name));
        }
        previous = control(name);
    }
    static_cast<QLabel*>(control(forms::kLineReason))->setWordWrap(true);
}

// A box is checked again as it is edited and when it is left.
void CorrectionWindow::connectHandlers()
{
    for (const forms::ControlRow& row : forms::correctionControls()) {
        if (row.kind == forms::ControlKind::TextBox) {
            auto* box = static_cast<QLineEdit*>(control(row.name));
            const std::string_view name = row.name;
            connect(box, &QLineEdit::textEdited, this, [this, name] { m_session.fieldLeft(name); });
            connect(box, &QLineEdit::editingFinished, this, [this, name] { m_session.fieldLeft(name); });
        }
    }
    for (const auto& [keys, key] : kKeys) {
        auto* shortcut = new QShortcut(QKeySequence(keys), this);
        connect(shortcut, &QShortcut::activated, this, [this, key = key] { m_session.key(key); });
    }
    const auto onClick = [this](std::string_view name, auto handler) {
        connect(static_cast<QPushButton*>(control(name)), &QPushButton::clicked, this, handler);
    };
    onClick("cbPrevious", [this] { m_session.previousContact(); });
    onClick("cbNext", [this] { m_session.nextContact(); });
    onClick("cbSave", [this] { m_session.save(); });
    onClick("cbClose", [this] { m_session.closeRequested(); });
    for (const char* name : {"cbPrevious", "cbNext", "cbSave", "cbClose"}) {
        static_cast<QPushButton*>(control(name))->setAutoDefault(false);
    }
}

QWidget* CorrectionWindow::control(std::string_view name) const
{
    return m_controls.find(name)->second;
}

void CorrectionWindow::setControlText(std::string_view control, const std::string& text)
{
    QWidget* widget = this->control(control);
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        const QString shown = fromRunText(text);
        m_given[std::string(control)] = {text, shown};
        box->setText(shown);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(fromRunText(text));
        label->setToolTip(label->text()); // a long reason runs past its label
    }
}

std::string CorrectionWindow::controlText(std::string_view control) const
{
    const QString text = static_cast<QLineEdit*>(this->control(control))->text();
    const auto given = m_given.find(control);
    return given != m_given.end() && given->second.second == text ? given->second.first : toRunText(text);
}

void CorrectionWindow::showControl(std::string_view control, bool shown)
{
    this->control(control)->setVisible(shown);
}

void CorrectionWindow::enableControl(std::string_view control, bool enabled)
{
    this->control(control)->setEnabled(enabled);
}

// A failed field is drawn in the colour of its reason on a pale ground.
void CorrectionWindow::setFailed(std::string_view control, bool failed)
{
    QWidget* box = this->control(control);
    QPalette palette = box->parentWidget()->palette();
    if (failed) {
        const forms::Rgb& colour = forms::kProblemColour;
        palette.setColor(QPalette::Text, QColor(colour.red, colour.green, colour.blue));
        palette.setColor(QPalette::Base, QColor(255, 236, 236));
    }
    box->setPalette(palette);
}

void CorrectionWindow::focusAndSelect(std::string_view control)
{
    auto* box = static_cast<QLineEdit*>(this->control(control));
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

void CorrectionWindow::showMessage(const run::Message& message)
{
    m_presenter(this, forms::titled(message));
}

UnsavedAnswer CorrectionWindow::askAboutUnsaved(const run::Message& question)
{
    return m_ask(this, forms::titled(question));
}

void CorrectionWindow::closeWindow()
{
    m_closing = true;
    QDialog::reject();
}

void CorrectionWindow::reject()
{
    if (m_closing) {
        QDialog::reject();
        return;
    }
    m_session.closeRequested();
}

} // namespace quillon::ui
