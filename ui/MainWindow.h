// The converter window: the two option groups, Start, the counter and the status text.
#pragma once

#include "run/ConversionRun.h"
#include "run/LocaleNames.h"
#include "run/PosixFileSystem.h"
#include "run/RunHost.h"
#include "ui/EventPacer.h"
#include "ui/MessageBoxes.h"
#include "ui/platform/PlatformServices.h"

#include <QMainWindow>
#include <QPointer>

#include <cstdint>
#include <string>
#include <string_view>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quillon::ui {

class AboutBox;

// The window holds no conversion logic: the run reads the option buttons for every record and writes the
// counter and the status text through the RunHost services. The controls and their event handlers keep their
// historical names (cbStart, cbStart_Click, Form_Load), so behaviour can be matched to them at a glance; the rest
// follows the usual lowerCamelCase.
class MainWindow : public QMainWindow, public run::RunHost
{
    Q_OBJECT

public:
    // `programFolder` holds log.asc and receives log.adi and bad.adi. `platform` serves the About box, and
    // `presenter` shows the run's messages.
    MainWindow(const QString& programFolder, platform::PlatformServices& platform,
               MessagePresenter presenter = showMessageBox, Pacing pacing = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    engine::DateLayout dateLayout() const override;
    engine::BandFormat bandFormat() const override;
    std::string caption() const override;
    std::string programFolder() const override;
    void setStatusText(std::string_view text) override;
    void setRecordCount(std::int64_t count) override;
    void processPendingEvents() override;
    void showMessage(const run::Message& message) override;

    bool isRunning() const { return m_run.isRunning(); }
    const run::RunResult& lastRun() const { return m_run.result(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    void dateOption1_Click();
    void dateOption2_Click();
    void dateOption3_Click();
    void dateOption4_Click();
    void cbStart_Click();
    void About_Click();

    void buildMenu();
    void buildControls();
    void buildFrames(QWidget* client);
    void buildDateOptions();
    void buildBandOptions();
    void buildFileLabels();
    void buildRunControls();
    void setFocusOrder();
    void connectHandlers();
    void showCount();

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QRadioButton* bandMHZ = nullptr;
    QRadioButton* bandMETERS = nullptr;
    QRadioButton* dateOption1 = nullptr;
    QRadioButton* dateOption2 = nullptr;
    QRadioButton* dateOption3 = nullptr;
    QRadioButton* dateOption4 = nullptr;
    QPushButton* cbStart = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* lblStatus = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QPointer<AboutBox> m_about; // while Help, About shows it

    std::string m_programFolder;
    platform::PlatformServices& m_platform;
    MessagePresenter m_presenter;
    EventPacer m_pacer;
    // The count the run reported last, and whether the counter still has to show it.
    std::int64_t m_count = 0;
    bool m_countPending = false;

    run::PosixFileSystem m_files;
    run::SystemClock m_clock;
    run::LocaleNames m_names;
    run::ConversionRun m_run;
};

} // namespace quillon::ui
