#include "GameSettings.h"
#include "ScoreBook.h"
#include "StorageFolder.h"

#include <QtTest>

#include <memory>

// Each test runs in a fresh empty working folder, with the user's data folder redirected to
// another one, so no file leaks between tests or into the real home.
class RecordsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void noFileGivesDefaultsAndWritesNothing();
    void twoWinsAndACloseGiveTheKnownFile();
    void newBestRules_data();
    void newBestRules();
    void unusableValuesFallBackPerKey_data();
    void unusableValuesFallBackPerKey();
    void nonNumericScoresReadAsZero();
    void clearAllKeepsSettingsAndLastGame();
    void unwritableWorkingFolderFallsBackToDataFolder();

private:
    QString originalFolder;
    std::unique_ptr<QTemporaryDir> workFolder;
    std::unique_ptr<QTemporaryDir> dataHome;
};

namespace {

void writeIni(const QString& text)
{
    QFile file("tessarin.ini");
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Text));
    file.write(text.toUtf8());
}

QStringList iniLines(const QString& path = "tessarin.ini")
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {"(no file)"};
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

QString describe(const GameSettings& s)
{
    return QString("background=%1 particles=%2 sound=%3 music=%4 newPlayer=%5 %6 %7")
        .arg(s.background)
        .arg(s.particlesOn)
        .arg(s.soundOn)
        .arg(s.musicOn)
        .arg(s.newPlayer)
        .arg(s.lastSize, s.lastMode);
}

// best time/best faults/wins
QString describe(const ScoreBook::Record& r)
{
    return r.bestTime + '/' + r.bestFaults + '/' + r.wins;
}
const QString neverWon = "999/999/0";

const QString defaults = "background=0 particles=1 sound=1 music=1 newPlayer=1 5x5 Beginner";

} // namespace

void RecordsTest::init()
{
    originalFolder = QDir::currentPath();
    workFolder = std::make_unique<QTemporaryDir>();
    dataHome = std::make_unique<QTemporaryDir>();
    QVERIFY(workFolder->isValid() && dataHome->isValid());
    qputenv("XDG_DATA_HOME", dataHome->path().toUtf8());
    QVERIFY(QDir::setCurrent(workFolder->path()));
}

void RecordsTest::cleanup()
{
    QDir::setCurrent(originalFolder);
    workFolder.reset();
    dataHome.reset();
}

void RecordsTest::noFileGivesDefaultsAndWritesNothing()
{
    QCOMPARE(describe(GameSettings::load()), defaults);
    QCOMPARE(describe(GameSettings()), defaults);
    for (const char* size : {"5x5", "10x5", "10x10", "15x10", "15x15", "20x15"})
        for (int mode = 1; mode <= 3; ++mode)
            QCOMPARE(describe(ScoreBook::lookup(size, mode)), neverWon);
    // Neither the file nor a probe of the folder may be left behind by reading.
    QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    QCOMPARE(QDir(dataHome->path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void RecordsTest::twoWinsAndACloseGiveTheKnownFile()
{
    QCOMPARE(describe(ScoreBook::recordWin("10x10", 2, "143", "2")), "143/2/1");
    QCOMPARE(describe(ScoreBook::recordWin("10x10", 2, "120", "3")), "143/2/2");

    GameSettings settings = GameSettings::load();
    settings.background = 1;
    settings.musicOn = false;
    settings.newPlayer = false;
    settings.lastSize = "10x10";
    settings.lastMode = "Normal";
    settings.save();

    const QStringList expected = {
        "[bestNormal]",
        "10x10Faults=2",
        "10x10Time=143",
        "10x10Wins=2",
        "[lastGame]",
        "lastMode=Normal",
        "lastSize=10x10",
        "[settings]",
        "background=1",
        "musicOn=false",
        "newPlayer=false",
        "particlesOn=true",
        "soundOn=true",
    };
    QCOMPARE(iniLines(), expected);
    QCOMPARE(describe(GameSettings::load()), "background=1 particles=1 sound=1 music=0 newPlayer=0 10x10 Normal");
}

void RecordsTest::newBestRules_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("win"); // time/faults
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("keptLine"); // of the stored file, when it must survive the win

    QTest::newRow("first win") << ""
                               << "143/2"
                               << "143/2/1"
                               << "";
    QTest::newRow("fewer faults beat a faster time") << "5x5Time=60\n5x5Faults=2"
                                                     << "300/1"
                                                     << "300/1/1"
                                                     << "";
    QTest::newRow("more faults lose to a slower time") << "5x5Time=143\n5x5Faults=2"
                                                       << "120/3"
                                                       << "143/2/1"
                                                       << "";
    // The stored "02" shows whether the tie was written over the older game.
    QTest::newRow("a tie is not a new best") << "5x5Time=143\n5x5Faults=02"
                                             << "143/2"
                                             << "143/2/1"
                                             << "5x5Faults=02";
    QTest::newRow("one second less is") << "5x5Time=143\n5x5Faults=2"
                                        << "142/2"
                                        << "142/2/1"
                                        << "";
    QTest::newRow("times compare as numbers") << "5x5Time=99\n5x5Faults=2"
                                              << "100/2"
                                              << "99/2/1"
                                              << "";
    QTest::newRow("faults compare as numbers") << "5x5Time=500\n5x5Faults=9"
                                               << "10/10"
                                               << "500/9/1"
                                               << "";
    QTest::newRow("over 999 faults never count") << ""
                                                 << "5/1000"
                                                 << "999/999/1"
                                                 << "";
    QTest::newRow("wins always count") << "5x5Wins=41"
                                       << "143/1000"
                                       << "999/999/42"
                                       << "";
}

void RecordsTest::newBestRules()
{
    QFETCH(QString, stored);
    QFETCH(QString, win);
    QFETCH(QString, after);
    QFETCH(QString, keptLine);
    if (!stored.isEmpty())
        writeIni("[bestExpert]\n" + stored + "\n");

    QCOMPARE(describe(ScoreBook::recordWin("5x5", 3, win.section('/', 0, 0), win.section('/', 1))), after);
    QCOMPARE(describe(ScoreBook::lookup("5x5", 3)), after);
    if (!keptLine.isEmpty())
        QVERIFY(iniLines().contains(keptLine));
    // The same size in the other modes is a different record.
    QCOMPARE(describe(ScoreBook::lookup("5x5", 2)), neverWon);
}

void RecordsTest::unusableValuesFallBackPerKey_data()
{
    QTest::addColumn<QString>("ini");
    QTest::addColumn<QString>("loaded");

    QTest::newRow("all valid") << "[settings]\nbackground=3\nparticlesOn=false\nsoundOn=false\nmusicOn=false\n"
                                  "newPlayer=false\n[lastGame]\nlastSize=20x15\nlastMode=Expert"
                               << "background=3 particles=0 sound=0 music=0 newPlayer=0 20x15 Expert";
    QTest::newRow("background 7") << "[settings]\nbackground=7\nmusicOn=false"
                                  << "background=0 particles=1 sound=1 music=0 newPlayer=1 5x5 Beginner";
    QTest::newRow("background 4") << "[settings]\nbackground=4" << defaults;
    QTest::newRow("background -1") << "[settings]\nbackground=-1" << defaults;
    QTest::newRow("background word") << "[settings]\nbackground=Leaves" << defaults;
    QTest::newRow("unknown size") << "[lastGame]\nlastSize=12x12\nlastMode=Normal"
                                  << "background=0 particles=1 sound=1 music=1 newPlayer=1 5x5 Normal";
    QTest::newRow("mode in lower case") << "[lastGame]\nlastSize=15x15\nlastMode=expert"
                                        << "background=0 particles=1 sound=1 music=1 newPlayer=1 15x15 Beginner";
    QTest::newRow("switches need exactly true") << "[settings]\nparticlesOn=True\nsoundOn=1\nmusicOn=yes"
                                                << "background=0 particles=0 sound=0 music=0 newPlayer=1 5x5 Beginner";
    QTest::newRow("newPlayer 0") << "[settings]\nnewPlayer=0"
                                 << "background=0 particles=1 sound=1 music=1 newPlayer=0 5x5 Beginner";
    QTest::newRow("newPlayer FALSE") << "[settings]\nnewPlayer=FALSE"
                                     << "background=0 particles=1 sound=1 music=1 newPlayer=0 5x5 Beginner";
    QTest::newRow("newPlayer no") << "[settings]\nnewPlayer=no" << defaults;
    QTest::newRow("keys outside their group") << "[lastGame]\nbackground=2\n[settings]\nlastMode=Expert" << defaults;
}

void RecordsTest::unusableValuesFallBackPerKey()
{
    QFETCH(QString, ini);
    QFETCH(QString, loaded);
    writeIni(ini + "\n");
    QCOMPARE(describe(GameSettings::load()), loaded);
}

void RecordsTest::nonNumericScoresReadAsZero()
{
    writeIni("[bestNormal]\n10x10Time=fast\n10x10Faults=2\n10x10Wins=many\n");
    QCOMPARE(describe(ScoreBook::lookup("10x10", 2)), "0/2/0");
    // A best of 0 seconds cannot be beaten with as many faults, and the win count restarts.
    QCOMPARE(describe(ScoreBook::recordWin("10x10", 2, "50", "2")), "0/2/1");
}

void RecordsTest::clearAllKeepsSettingsAndLastGame()
{
    const QStringList kept = {"[lastGame]", "lastMode=Expert", "lastSize=15x15", "[settings]", "background=2",
        "musicOn=false", "newPlayer=false"};
    writeIni("[bestBeginner]\n5x5Time=10\n5x5Wins=3\n[bestExpert]\n20x15Time=900\n" + kept.join('\n')
        + "\n[bestNormal]\n10x10Faults=2\n10x10Time=143\n10x10Wins=2\n");
    ScoreBook::clearAll();
    QCOMPARE(iniLines(), kept);
    QCOMPARE(describe(ScoreBook::lookup("5x5", 1)), neverWon);
    QCOMPARE(describe(ScoreBook::lookup("10x10", 2)), neverWon);
    QCOMPARE(describe(ScoreBook::lookup("20x15", 3)), neverWon);
}

void RecordsTest::unwritableWorkingFolderFallsBackToDataFolder()
{
    // A file in the data folder is ignored while the working folder takes files.
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QVERIFY(dataFolder.startsWith(dataHome->path()));
    QVERIFY(QDir().mkpath(dataFolder));
    QFile stray(dataFolder + "/tessarin.ini");
    QVERIFY(stray.open(QIODevice::WriteOnly));
    stray.write("[settings]\nbackground=3\n");
    stray.close();
    QCOMPARE(StorageFolder::path("tessarin.ini"), "tessarin.ini");
    QCOMPARE(GameSettings::load().background, 0);
    QVERIFY(stray.remove() && QDir(dataFolder).removeRecursively());

    QVERIFY(workFolder->remove());
    QCOMPARE(StorageFolder::path("auto.sav"), dataFolder + "/auto.sav");
    GameSettings settings;
    settings.background = 2;
    settings.save();
    ScoreBook::recordWin("5x5", 1, "30", "0");
    QCOMPARE(GameSettings::load().background, 2);
    QCOMPARE(describe(ScoreBook::lookup("5x5", 1)), "30/0/1");
    QVERIFY(iniLines(dataFolder + "/tessarin.ini").contains("background=2"));
}

QTEST_GUILESS_MAIN(RecordsTest)
#include "test_records.moc"
