// The correction window in Qt: the contact's fields with their labels and reasons, over the correction session that
// holds the window's logic.
#pragma once

#include "ui/qt/MessageBoxes.h"
#include "ui/shared/CorrectionSession.h"
#include "ui/shared/CorrectionView.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <map>
#include <string>

class QLineEdit;

namespace quillon::ui {

// What the window asks when it is closed with unsaved corrections; a box with Save, Discard and Cancel unless a
// test puts a stub in its place.
using UnsavedQuestion = std::function<UnsavedAnswer(QWidget* owner, const run::Message& question)>;
UnsavedAnswer askAboutUnsavedInBox(QWidget* owner, const run::Message& question);

// Modal over the converter window. Its controls come from the correction form and keep their names (txtField1,
// lblReason1, txtLine); Page Down, Page Up, Ctrl+S and Esc, the buttons and every box left or edited reach the
// session.
class CorrectionWindow : public QDialog, public CorrectionView
{
    Q_OBJECT

public:
    CorrectionWindow(ConverterSession& converter, run::FileSystem& files, MessagePresenter presenter,
                     UnsavedQuestion ask = askAboutUnsavedInBox, QWidget* parent = nullptr);

    // Reads the bad contacts; false, with the message shown, when there is nothing to correct.
    bool start() { return m_session.open(); }
    CorrectionSession& session() { return m_session; }

    void setControlText(std::string_view control, const std::string& text) override;
    std::string controlText(std::string_view control) const override;
    void showControl(std::string_view control, bool shown) override;
    void enableControl(std::string_view control, bool enabled) override;
    void setFailed(std::string_view control, bool failed) override;
    void focusAndSelect(std::string_view control) override;
    void showMessage(const run::Message& message) override;
    UnsavedAnswer askAboutUnsaved(const run::Message& question) override;
    void closeWindow() override;

public slots:
    // Esc and the close box ask the session, which may keep the window open.
    void reject() override;

private:
    void buildControls();
    void connectHandlers();
    QWidget* control(std::string_view name) const;

    std::map<std::string, QWidget*, std::less<>> m_controls;
    // The bytes each box was given and the text it showed for them: a box left as it was gives its bytes back
    // exactly, whatever code page the log is written in.
    std::map<std::string, std::pair<std::string, QString>, std::less<>> m_given;
    MessagePresenter m_presenter;
    UnsavedQuestion m_ask;
    bool m_closing = false;
    CorrectionSession m_session;
};

} // namespace quillon::ui
