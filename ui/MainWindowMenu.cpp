// The converter window's menus and what their commands do: File, Open Folder and Exit; Help, User Guide and About.
#include "ui/AboutBox.h"
#include "ui/FormWidgets.h"
#include "ui/MainWindow.h"
#include "ui/TextConversion.h"
#include "ui/UserGuide.h"
#include "ui/forms/ConverterForm.h"

#include <QAction>
#include <QDir>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace quillon::ui {

namespace {

QKeySequence keysOf(forms::Shortcut shortcut)
{
    return QKeySequence(qtText(forms::shortcutText(shortcut)));
}

} // namespace

void MainWindow::buildMenu()
{
    for (const forms::Menu& menu : forms::converterMenus()) {
        QMenu* shown = menuBar()->addMenu(qtText(menu.text));
        shown->setObjectName(qtText(menu.name));
        for (const forms::MenuItem& item : menu.items) {
            QAction* action = shown->addAction(qtText(item.text));
            action->setObjectName(qtText(item.name));
            action->setShortcut(keysOf(item.shortcut));
            switch (item.command) {
            case forms::MenuCommand::OpenFolder:
                m_openFolder = action;
                connect(action, &QAction::triggered, this, &MainWindow::openFolder);
                break;
            case forms::MenuCommand::Exit: // closes the window as its close box does
                connect(action, &QAction::triggered, this, &QWidget::close);
                break;
            case forms::MenuCommand::UserGuide:
                connect(action, &QAction::triggered, this, &MainWindow::showUserGuide);
                break;
            case forms::MenuCommand::About:
                connect(action, &QAction::triggered, this, &MainWindow::About_Click);
                break;
            }
        }
    }
}

// Help, About.
// The box is made afresh for every showing and destroyed when it closes; while it is up, the window and a run
// paused in its event processing wait for it.
void MainWindow::About_Click()
{
    // The messages of the box's actions belong to the box, which can only be made once its platform exists.
    QPointer<QWidget> owner;
    const auto platform =
        m_platformMaker([this, &owner](QWidget*, const run::Message& message) { m_presenter(owner.data(), message); });
    AboutBox box(*platform, this);
    owner = &box;
    m_about = &box;
    box.exec();
}

// Help, User Guide: one window for the guide, raised again when it is already open.
void MainWindow::showUserGuide()
{
    if (m_guide == nullptr) {
        m_guide = new UserGuide(this);
    }
    m_guide->show();
    m_guide->raise();
    m_guide->activateWindow();
}

// File, Open Folder: the chosen folder becomes the log folder, now and at the next start.
void MainWindow::openFolder()
{
    const QString chosen = m_chooseFolder(this, m_logFolder);
    if (chosen.isEmpty()) {
        return;
    }
    setLogFolder(cleanFolderPath(chosen));
    rememberLogFolder(m_logFolder);
}

// The file labels keep their captions; their tool tips say where the files are.
void MainWindow::setLogFolder(const QString& folder)
{
    m_logFolder = folder;
    m_logFileName.clear();
    showPaths();
}

void MainWindow::setLogFileName(const QString& name)
{
    m_logFileName = name;
    showPaths();
}

void MainWindow::showPaths()
{
    const run::RunInput input = run::chooseInput(*m_files, programFolder(), logFileName());
    const forms::FileToolTips tips = forms::fileToolTips(input, programFolder());
    Label1->setToolTip(QDir::toNativeSeparators(fromRunText(tips.input)));
    Label2->setToolTip(QDir::toNativeSeparators(fromRunText(tips.output)));
}

} // namespace quillon::ui
