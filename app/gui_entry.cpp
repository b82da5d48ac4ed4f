#include "app/gui_entry.h"

#include "app/cli/program_folders.h"

#include "app/plot_windows.h"

#include "chart/view/ui_services.h"
#include "engine/engine.h"
#include "engine/user_functions.h"
#include "workspace/brelt_home.h"
#include "workspace/engine_calc.h"
#include "workspace/help_viewer.h"
#include "workspace/rescu.h"
#include "workspace/standard_pages.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QIcon>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace brelt::app {

namespace {

// The self-pipe that turns SIGTERM and SIGHUP into an event of the event loop: the handler only
// writes a byte, the loop closes the main window as if the user had closed it.
int g_signalPipe[2] = {-1, -1};
constexpr unsigned kTerminationGraceSeconds = 10;

void onTerminationSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[0], &byte, 1);
    // The loop closes the window within moments; should a computation keep it from running, the
    // alarm's default action ends the process all the same.
    ::alarm(kTerminationGraceSeconds);
}

bool installTerminationHandlers() {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0) return false;
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return ::sigaction(SIGTERM, &action, nullptr) == 0 && ::sigaction(SIGHUP, &action, nullptr) == 0;
}

// When the process started, in ms since the epoch, from the kernel's record of it (so the time
// before main, loading the libraries, is counted too). -1 when unknown.
qint64 processStartMs() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    QFile uptime(QStringLiteral("/proc/uptime"));
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly)) return -1;
    const QByteArray statText = stat.readAll();
    // Fields after the command name (which may hold blanks) start after the last ')'.
    const QList<QByteArray> fields = statText.mid(statText.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 20) return -1;
    const double startTicks = fields[19].toDouble();
    const double upSeconds = uptime.readAll().split(' ').value(0).toDouble();
    const double ticksPerSecond = static_cast<double>(::sysconf(_SC_CLK_TCK));
    const double ageSeconds = upSeconds - startTicks / ticksPerSecond;
    return QDateTime::currentMSecsSinceEpoch() - static_cast<qint64>(ageSeconds * 1000.0);
}

// While the toolkit connects to the display: its complaints about the display (category
// "qt.qpa...") are held back, and when it finds none the program ends with one clear line and
// status 2 instead of the toolkit's abort.
QtMessageHandler g_previousHandler = nullptr;

void startupMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        std::fputs("no display: use --eval or a pipe for the command line\n", stderr);
        std::_Exit(2);
    }
    if (context.category && std::strncmp(context.category, "qt.qpa", 6) == 0) return;
    g_previousHandler(type, context, message);
}

} // namespace

int runGui(int argc, char** argv) {
    const qint64 startMs = processStartMs();
    g_previousHandler = qInstallMessageHandler(startupMessageHandler);
    QApplication app(argc, argv);
    qInstallMessageHandler(g_previousHandler);
    QApplication::setApplicationName(QStringLiteral("Brelt"));
    QApplication::setApplicationDisplayName(QStringLiteral("Brelt"));
    // The desktop entry's name lets the desktop match the windows to the entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.brelt.Brelt"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/brelt/brelt.svg")));

    const workspace::HomeChoice home = workspace::chooseHomeDirectory(
        QApplication::arguments(), qEnvironmentVariable("BRELT_HOME"), QApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));

    // Before anything can take long: a signal from now on is kept until the loop runs.
    const bool signalsReady = installTerminationHandlers();

    const QString shippedData =
        QString::fromStdString(shippedDataDirectory(QCoreApplication::applicationDirPath().toStdString()));
    engine::Engine engine;
    engine::TUserFunctions functions;
    engine::ConnectUserFunctions(engine, functions);
    workspace::EngineCalc calc(engine);
    workspace::ProgramParts parts{engine, functions, calc};
    workspace::TfmCalc window(calc, workspace::HomePaths{home.directory, shippedData},
                              workspace::standardPages(parts));
    calc.setStatusSink([&window](const QString& text) { window.showAssistantText(text); });
    window.setHelpHandler([](QWidget* parent, int topic) { workspace::showHelpTopic(parent, topic); });
    const bool report = QApplication::arguments().contains(QStringLiteral("--startup-time")) ||
                        !qEnvironmentVariableIsEmpty("BRELT_STARTUP_TIME");
    window.setStartupClock(startMs, report);
    // The Set variable dialog is made with the main window's pages; the plot windows follow.
    PlotWindows plotWindows(window, engine, window.paths().ini());
    if (!home.error.isEmpty())
        QTimer::singleShot(0, &window, [&window, text = home.error] {
            chart::uiServices().message(&window, QStringLiteral("Brelt"), text, chart::MessageKind::Warning);
        });

    std::unique_ptr<QSocketNotifier> signalNotifier;
    if (signalsReady) {
        signalNotifier = std::make_unique<QSocketNotifier>(g_signalPipe[1], QSocketNotifier::Read);
        QObject::connect(signalNotifier.get(), &QSocketNotifier::activated, &window, [&window] {
            char byte = 0;
            [[maybe_unused]] const ssize_t got = ::read(g_signalPipe[1], &byte, 1);
            // Close as the user would (settings and history are saved), then leave every event
            // loop, a modal box's included.
            window.close();
            QApplication::quit();
        });
    }
    // Closed during an evaluation: the evaluation is broken off at its next step and the window's
    // state is saved. Should the computation not reach a step for a while, the program ends anyway.
    QObject::connect(&window, &workspace::TfmCalc::closedDuringEvaluation, &window, [] {
        std::thread([] {
            std::this_thread::sleep_for(std::chrono::seconds(3));
            std::_Exit(0);
        }).detach();
    });
    // The desktop session ends: save now, as closing the window would.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { window.FormCloseQuery(); });

    window.show();
    return QApplication::exec();
}

} // namespace brelt::app
