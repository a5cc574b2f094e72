// The converter window in Qt: the two option groups, Start, the counter and the status text, the File and Help
// menus, over the converter session that holds the window's logic.
#pragma once

#include "ui/qt/CorrectionWindow.h"
#include "ui/qt/LogFolder.h"
#include "ui/qt/MessageBoxes.h"
#include "ui/shared/ConverterSession.h"
#include "ui/shared/ConverterView.h"

#include <QMainWindow>
#include <QPointer>

#include <map>
#include <string>
#include <string_view>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quillon::ui {

class AboutBox;
class UserGuide;

// The controls come from the converter form's rows and keep their names (cbStart, Text1); each event is forwarded
// to the session's handler of the same name.
class MainWindow : public QMainWindow, public ConverterView
{
    Q_OBJECT

public:
    // `presenter` shows the messages of the run and of the About box.
    explicit MainWindow(MessagePresenter presenter = showMessageBox, forms::Pacing pacing = {},
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    ConverterSession& session() { return m_session; }
    // What File, Open Folder asks with; the folder dialog unless a test puts a stub in its place.
    void setFolderChooser(FolderChooser chooser) { m_chooseFolder = std::move(chooser); }
    // What a question is asked with; a message box unless a test puts a stub in its place.
    void setAnswerChooser(AnswerChooser chooser) { m_chooser = std::move(chooser); }
    // What the correction window asks when closed with unsaved corrections; a message box unless a test stubs it.
    void setUnsavedQuestion(UnsavedQuestion ask) { m_askAboutUnsaved = std::move(ask); }

    void setCaption(const std::string& text) override;
    void setControlText(std::string_view control, const std::string& text) override;
    void setToolTip(std::string_view control, const std::string& text) override;
    void enableControl(std::string_view control, bool enabled) override;
    void enableMenuItem(forms::MenuCommand command, bool enabled) override;
    void checkMenuItem(forms::MenuCommand command, bool checked) override;
    bool isOptionSelected(std::string_view control) const override;
    void selectOption(std::string_view control) override;
    std::string askForFolder(const std::string& start) override;
    std::optional<std::string> askText(const std::string& title, const std::string& prompt,
                                       const std::string& initial) override;
    std::size_t askChoice(const run::Message& question, const std::vector<std::string>& answers,
                          std::size_t escapeAnswer) override;
    void showMessage(const run::Message& message) override;
    void processEvents() override;
    void closeAboutBox() override;
    void openCorrectionWindow() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void menu_Click(forms::MenuCommand command);
    void About_Click();
    void showUserGuide();
    void correctBadContacts();

    void buildMenu();
    void buildControls();
    void setFocusOrder();
    void connectHandlers();
    QWidget* control(std::string_view name) const;

    // Every control and menu item by its name in the form.
    std::map<std::string, QWidget*, std::less<>> m_controls;
    std::map<forms::MenuCommand, QAction*> m_menuItems;
    QPointer<AboutBox> m_about;   // while Help, About shows it
    UserGuide* m_guide = nullptr; // made when first asked for, then shown again
    FolderChooser m_chooseFolder = askForFolderInDialog;
    UnsavedQuestion m_askAboutUnsaved = askAboutUnsavedInBox;
    MessagePresenter m_presenter;
    AnswerChooser m_chooser = askInMessageBox;
    QtFolderPlaces m_places;
    QtSettings m_settings;
    ConverterSession m_session;
};

} // namespace quillon::ui
