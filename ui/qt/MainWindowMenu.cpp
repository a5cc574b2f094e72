// The converter window's menus and what their commands do: File, Open Folder, Correct Bad Contacts and Exit; Help,
// User Guide and About.
#include "run/SystemFileSystem.h"
#include "ui/platform/PlatformServices.h"
#include "ui/qt/AboutBox.h"
#include "ui/qt/CorrectionWindow.h"
#include "ui/qt/FormWidgets.h"
#include "ui/qt/MainWindow.h"
#include "ui/qt/TextConversion.h"
#include "ui/qt/UserGuide.h"
#include "ui/shared/forms/ConverterForm.h"

#include <QAction>
#include <QKeySequence>
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
            m_menuItems[item.command] = action;
            switch (item.command) {
            case forms::MenuCommand::OpenFolder:
                connect(action, &QAction::triggered, this, [this] { m_session.openFolder_Click(); });
                break;
            case forms::MenuCommand::CorrectBadContacts:
                connect(action, &QAction::triggered, this, &MainWindow::correctBadContacts);
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
    const auto platform = platform::makeNativePlatform();
    AboutBox box(*platform, m_presenter, this);
    m_about = &box;
    box.exec();
}

// File, Correct Bad Contacts: modal, so the log cannot be converted from the window while it is mended. Not while
// a run works on the log.
void MainWindow::correctBadContacts()
{
    if (m_session.isRunning()) {
        return;
    }
    const auto files = run::makeSystemFileSystem();
    CorrectionWindow window(m_session, *files, m_presenter, m_askAboutUnsaved, this);
    if (window.start()) {
        window.exec();
    }
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

} // namespace quillon::ui
