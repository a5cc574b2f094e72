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
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include <map>

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
        std::map<int, QActionGroup*> groups;
        for (const forms::MenuItem& item : menu.items) {
            if (item.separatorBefore) {
                shown->addSeparator();
            }
            QAction* action = shown->addAction(qtText(item.text));
            action->setObjectName(qtText(item.name));
            action->setShortcut(keysOf(item.shortcut));
            if (item.group != 0) {
                auto [group, made] = groups.try_emplace(item.group, nullptr);
                if (made) {
                    group->second = new QActionGroup(shown);
                }
                action->setCheckable(true);
                group->second->addAction(action);
            }
            m_menuItems[item.command] = action;
            connect(action, &QAction::triggered, this, [this, command = item.command] { menu_Click(command); });
        }
    }
}

void MainWindow::menu_Click(forms::MenuCommand command)
{
    switch (command) {
    case forms::MenuCommand::Exit: // closes the window as its close box does
        close();
        break;
    case forms::MenuCommand::UserGuide:
        showUserGuide();
        break;
    case forms::MenuCommand::About:
        About_Click();
        break;
    case forms::MenuCommand::CorrectBadContacts:
        correctBadContacts();
        break;
    default:
        m_session.menu_Click(command);
        break;
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
    m_guide->showOnScreen();
}

} // namespace quillon::ui
