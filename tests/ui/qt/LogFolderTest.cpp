// Where the window converts: the order of the places it may choose at start, and the arguments that name one.
#include "ui/qt/LogFolder.h"

#include "tests/ui/qt/TestHome.h"
#include "ui/qt/WindowCommandLine.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>

using quillon::tests::TempFolder;
using quillon::ui::WindowAction;

namespace {

[[maybe_unused]] const std::filesystem::path& kHome = quillon::tests::useTestHome();

QString pathOf(const TempFolder& folder)
{
    return QString::fromStdString(folder.path().string());
}

} // namespace

class LogFolderTest : public QObject
{
    Q_OBJECT

private slots:
    void choice_data()
    {
        QTest::addColumn<bool>("named");
        QTest::addColumn<QString>("remembered"); // "", "kept" or "gone"
        QTest::addColumn<bool>("programWritable");
        QTest::addColumn<int>("expected"); // 0 named, 1 remembered, 2 program, 3 documents
        QTest::newRow("named beats all") << true << "kept" << true << 0;
        QTest::newRow("remembered beats program") << false << "kept" << true << 1;
        QTest::newRow("remembered but gone") << false << "gone" << true << 2;
        QTest::newRow("writable program folder") << false << "" << true << 2;
        QTest::newRow("installed program") << false << "" << false << 3;
    }
    // The documents folder lies in the test's own home and is made at the first row that needs it.
    void choice()
    {
        QFETCH(bool, named);
        QFETCH(QString, remembered);
        QFETCH(bool, programWritable);
        QFETCH(int, expected);
        const TempFolder namedFolder;
        const TempFolder program;
        auto rememberedFolder = std::make_unique<TempFolder>();
        const QString places[] = {pathOf(namedFolder), pathOf(*rememberedFolder), pathOf(program),
                                  QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                                      QStringLiteral("/Quillon")};
        QVERIFY(places[3].startsWith(QString::fromStdString(kHome.string())));
        quillon::ui::QtSettings().setText(quillon::ui::kLogFolderSetting,
                                          remembered.isEmpty() ? std::string() : places[1].toStdString());
        if (remembered == QLatin1String("gone")) {
            rememberedFolder.reset();
        }
        const auto mayWrite = [programWritable](const QString&) { return programWritable; };

        const quillon::ui::QtFolderPlaces qtPlaces(mayWrite);
        const QString chosen = QString::fromStdString(quillon::forms::chooseLogFolder(
            named ? (places[0] + QStringLiteral("/sub/..")).toStdString() : std::string(), places[2].toStdString(),
            qtPlaces));
        QCOMPARE(chosen, places[expected]);
        QCOMPARE(QFileInfo(chosen).isDir(), true);
    }

    // What the arguments ask for; the texts printed and the exit status are the installed program's end-to-end
    // test's.
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("folderOrError");
        QTest::addColumn<bool>("foreignOption");
        const auto row = [](const char* name, const QStringList& arguments, WindowAction action, const QString& text,
                            bool foreign = false) {
            QTest::newRow(name) << arguments << static_cast<int>(action) << text << foreign;
        };
        row("none", {}, WindowAction::Open, QString());
        row("relative folder", {QStringLiteral(".")}, WindowAction::Open, QDir::currentPath());
        row("missing folder", {QStringLiteral("/no/such/dir")}, WindowAction::UsageError,
            QStringLiteral("/no/such/dir: no such folder or file"));
        row("a log file", {QStringLiteral(QUILLON_TEST_DATA_DIR "/short-record/log.asc")}, WindowAction::Open,
            QStringLiteral(QUILLON_TEST_DATA_DIR "/short-record"));
        row("two folders", {QStringLiteral("."), QStringLiteral("..")}, WindowAction::UsageError,
            QStringLiteral("name one folder, not 2"));
        row("option Qt may know", {QStringLiteral("-platform"), QStringLiteral("offscreen")}, WindowAction::UsageError,
            QStringLiteral("unknown option '-platform' (see quillon --help)"), true);
        row("help", {QStringLiteral("--help")}, WindowAction::Help, QString());
        row("version after an error", {QStringLiteral("/no/such/dir"), QStringLiteral("--version")},
            WindowAction::Version, QString());
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(QString, folderOrError);
        QFETCH(bool, foreignOption);
        const quillon::forms::WindowArguments command = quillon::ui::parseWindowCommandLine(arguments);
        QCOMPARE(static_cast<int>(command.action), action);
        QCOMPARE(QString::fromStdString(command.action == WindowAction::UsageError ? command.error : command.folder),
                 folderOrError);
        QCOMPARE(command.foreignOption, foreignOption);
    }
};

QTEST_MAIN(LogFolderTest)
#include "LogFolderTest.moc"
