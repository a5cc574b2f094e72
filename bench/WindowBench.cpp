// quillon-window-bench: one run through the converter window, timed, with a 10 ms timer measuring how long
// the window's own events wait meanwhile.
#include "ui/qt/MainWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kTickInterval = std::chrono::milliseconds(10);

// The largest gap between two ticks of a 10 ms timer while the run is going.
class TickWatch
{
public:
    explicit TickWatch(QObject* parent)
        : m_timer(parent)
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(kTickInterval);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { tick(); });
    }

    void start()
    {
        m_last = Clock::now();
        m_timer.start();
    }
    void stop()
    {
        tick();
        m_timer.stop();
    }
    Clock::duration worstGap() const { return m_worst; }
    long ticks() const { return m_ticks; }

private:
    void tick()
    {
        const auto now = Clock::now();
        m_worst = std::max(m_worst, now - m_last);
        m_last = now;
        ++m_ticks;
    }

    QTimer m_timer;
    Clock::time_point m_last;
    Clock::duration m_worst{};
    long m_ticks = 0;
};

double milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

void report(Clock::duration run, const TickWatch& watch, const QString& counter)
{
    const double worst = milliseconds(watch.worstGap());
    std::printf("window run:       %.3f s\n", milliseconds(run) / 1000.0);
    std::printf("counter shows:    %s\n", counter.toLocal8Bit().constData());
    std::printf("timer ticks:      %ld (every %lld ms)\n", watch.ticks(),
                static_cast<long long>(kTickInterval.count()));
    std::printf("worst tick gap:   %.1f ms (an event waited at most %.1f ms)\n", worst,
                std::max(0.0, worst - milliseconds(kTickInterval)));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quillon-window-bench FOLDER (FOLDER holds log.asc)\n");
        return 2;
    }
    int status = 0;
    quillon::ui::MainWindow window([&status](QWidget*, const quillon::run::Message& message) {
        std::fprintf(stderr, "%s: %s\n", message.title.c_str(), message.text.c_str());
        status = 1;
    });
    window.session().setLogFolder(argv[1]);
    window.show();
    window.findChild<QRadioButton*>(QStringLiteral("dateOption1"))->click();
    TickWatch watch(&window);

    QTimer::singleShot(100, &window, [&] {
        watch.start();
        const auto started = Clock::now();
        window.findChild<QPushButton*>(QStringLiteral("cbStart"))->click();
        const auto run = Clock::now() - started;
        watch.stop();
        report(run, watch, window.findChild<QLineEdit*>(QStringLiteral("Text1"))->text());
        QCoreApplication::quit();
    });
    QApplication::exec();
    return status;
}
