// The converter window: the two option groups, Start, the counter and the status text.
#pragma once

#include "run/ConversionRun.h"
#include "run/LocaleNames.h"
#include "run/RunHost.h"
#include "run/SystemFileSystem.h"
#include "ui/LogFolder.h"
#include "ui/MessageBoxes.h"
#include "ui/forms/ConverterState.h"
#include "ui/platform/PlatformServices.h"

#include <QMainWindow>
#include <QPointer>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quillon::ui {

class AboutBox;
class UserGuide;

using forms::Pacing;

// The window holds no conversion logic: the run reads the option buttons for every record and writes the
// counter and the status text through the RunHost services. The controls come from the converter form's rows;
// they and their event handlers keep their historical names (cbStart, cbStart_Click, Form_Load), so behaviour
// can be matched to them at a glance; the rest follows the usual lowerCamelCase.
class MainWindow : public QMainWindow, public run::RunHost
{
    Q_OBJECT

public:
    // `logFolder` holds log.asc and receives log.adi and bad.adi. `presenter` shows the run's messages.
    explicit MainWindow(const QString& logFolder, MessagePresenter presenter = showMessageBox, Pacing pacing = {},
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    engine::DateLayout dateLayout() const override;
    engine::BandFormat bandFormat() const override;
    std::string caption() const override;
    std::string programFolder() const override;
    void setStatusText(std::string_view text) override;
    void setRecordCount(std::int64_t count) override;
    void processPendingEvents() override;
    void showMessage(const run::Message& message) override;

    // Makes the platform layer for each showing of the About box; the Linux stand-in until main hands in another.
    using PlatformMaker = std::function<std::unique_ptr<platform::PlatformServices>(MessagePresenter presenter)>;
    void setPlatformMaker(PlatformMaker maker) { m_platformMaker = std::move(maker); }
    QString logFolder() const { return m_logFolder; }
    // Reads the log of that name in the log folder instead of log.asc, until another folder is chosen.
    void setLogFileName(const QString& name);
    std::string logFileName() const override;
    // What File, Open Folder asks with; the folder dialog unless a test puts a stub in its place.
    void setFolderChooser(FolderChooser chooser) { m_chooseFolder = std::move(chooser); }

    bool isRunning() const { return m_run.isRunning(); }
    const run::RunResult& lastRun() const { return m_run.result(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    void dateOption_Click();
    void cbStart_Click();
    void About_Click();
    void showUserGuide();
    void openFolder();
    void setLogFolder(const QString& folder);
    void showPaths();
    void showCount();
    bool isSelected(std::string_view option) const;

    void buildMenu();
    void buildControls();
    void setFocusOrder(const std::vector<std::pair<std::string_view, QWidget*>>& made);
    void connectHandlers();

    QPushButton* cbStart = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* lblStatus = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    // The option buttons of both groups by name, which the run asks about for every record.
    std::vector<std::pair<std::string_view, QRadioButton*>> m_options;
    QAction* m_openFolder = nullptr;
    QPointer<AboutBox> m_about;   // while Help, About shows it
    UserGuide* m_guide = nullptr; // made when first asked for, then shown again
    PlatformMaker m_platformMaker;

    QString m_logFolder;
    QString m_logFileName; // empty: log.asc
    FolderChooser m_chooseFolder = askForFolder;
    MessagePresenter m_presenter;
    forms::ConverterState m_state;

    std::unique_ptr<run::FileSystem> m_files = run::makeSystemFileSystem();
    run::SystemClock m_clock;
    run::LocaleNames m_names;
    run::ConversionRun m_run;
};

} // namespace quillon::ui
