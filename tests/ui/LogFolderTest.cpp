// Where the window converts: the order of the places it may choose at start, and the arguments that name one.
#include "ui/LogFolder.h"

#include "tests/ui/TestHome.h"
#include "ui/WindowCommandLine.h"

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

std::string readBack(std::FILE* stream)
{
    std::rewind(stream);
    std::string text;
    for (int c = std::fgetc(stream); c != EOF; c = std::fgetc(stream)) {
        text += static_cast<char>(c);
    }
    return text;
}

} // namespace

class LogFolderTest : public QObject
{
    Q_OBJECT

private slots:
    void choice_data();
    void choice();
    void commandLine_data();
    void commandLine();
};

void LogFolderTest::choice_data()
{
    QTest::addColumn<bool>("named");
    QTest::addColumn<QString>("remembered"); // "", "kept" or "gone"
    QTest::addColumn<bool>("programWritable");
    QTest::addColumn<QString>("expected"); // "named", "remembered", "program" or "documents"
    QTest::newRow("named beats all") << true << "kept" << true << "named";
    QTest::newRow("remembered beats program") << false << "kept" << true << "remembered";
    QTest::newRow("remembered but gone") << false << "gone" << true << "program";
    QTest::newRow("writable program folder") << false << "" << true << "program";
    QTest::newRow("installed program") << false << "" << false << "documents";
    QTest::newRow("installed, remembered gone") << false << "gone" << false << "documents";
}

// The documents folder lies in the test's own home and is made at the first row that needs it.
void LogFolderTest::choice()
{
    QFETCH(bool, named);
    QFETCH(QString, remembered);
    QFETCH(bool, programWritable);
    QFETCH(QString, expected);
    const TempFolder namedFolder;
    const TempFolder program;
    auto rememberedFolder = std::make_unique<TempFolder>();
    const QString rememberedPath = pathOf(*rememberedFolder);
    quillon::ui::rememberLogFolder(remembered.isEmpty() ? QString() : rememberedPath);
    if (remembered == QLatin1String("gone")) {
        rememberedFolder.reset();
    }
    QString asked;
    const auto mayWrite = [&](const QString& folder) {
        asked = folder;
        return programWritable;
    };

    const QString chosen = quillon::ui::chooseLogFolder(
        named ? pathOf(namedFolder) + QStringLiteral("/sub/..") : QString(), pathOf(program), mayWrite);

    const QString documents =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QStringLiteral("/Quillon");
    QVERIFY(documents.startsWith(QString::fromStdString(kHome.string())));
    const QString expectedPath = expected == QLatin1String("named")        ? pathOf(namedFolder)
                                 : expected == QLatin1String("remembered") ? rememberedPath
                                 : expected == QLatin1String("program")    ? pathOf(program)
                                                                           : documents;
    QCOMPARE(chosen, expectedPath);
    QCOMPARE(QFileInfo(chosen).isDir(), true);
    QCOMPARE(asked.isEmpty(), expected == QLatin1String("named") || expected == QLatin1String("remembered"));
}

void LogFolderTest::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("folderOrError");
    QTest::addColumn<int>("status"); // -1: the window opens
    const auto row = [](const char* name, const QStringList& arguments, WindowAction action, const QString& text,
                        int status) { QTest::newRow(name) << arguments << static_cast<int>(action) << text << status; };
    row("none", {}, WindowAction::Open, QString(), -1);
    row("relative folder", {QStringLiteral(".")}, WindowAction::Open, QDir::currentPath(), -1);
    row("missing folder", {QStringLiteral("/no/such/dir")}, WindowAction::UsageError,
        QStringLiteral("/no/such/dir: no such folder"), 64);
    row("a file", {QStringLiteral(QUILLON_TEST_DATA_DIR "/short-record/log.asc")}, WindowAction::UsageError,
        QStringLiteral(QUILLON_TEST_DATA_DIR "/short-record/log.asc is not a folder"), 64);
    row("two folders", {QStringLiteral("."), QStringLiteral("..")}, WindowAction::UsageError,
        QStringLiteral("name one folder, not 2"), 64);
    row("unknown option", {QStringLiteral("--bogus")}, WindowAction::UsageError,
        QStringLiteral("unknown option '--bogus' (see quillon --help)"), 64);
    row("help", {QStringLiteral("--help")}, WindowAction::Help, QString(), 0);
    row("version after an error", {QStringLiteral("/no/such/dir"), QStringLiteral("--version")}, WindowAction::Version,
        QString(), 0);
}

void LogFolderTest::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QFETCH(QString, folderOrError);
    QFETCH(int, status);
    const quillon::ui::WindowCommandLine command = quillon::ui::parseWindowCommandLine(arguments);
    QCOMPARE(static_cast<int>(command.action), action);
    QCOMPARE(command.action == WindowAction::UsageError ? command.error : command.folder, folderOrError);

    std::FILE* out = std::tmpfile();
    std::FILE* errors = std::tmpfile();
    QCOMPARE(quillon::ui::answerCommandLine(command, out, errors).value_or(-1), status);
    const std::string printed = readBack(out);
    const std::string errorText = readBack(errors);
    std::fclose(out);
    std::fclose(errors);
    QCOMPARE(errorText, status == 64 ? "quillon: " + folderOrError.toStdString() + "\n" : std::string());
    QCOMPARE(printed.empty(), status != 0);
    if (action == static_cast<int>(WindowAction::Version)) {
        QCOMPARE(printed, std::string("quillon 1.0.5\n"));
    }
}

QTEST_MAIN(LogFolderTest)
#include "LogFolderTest.moc"
