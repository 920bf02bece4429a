#include "GameFolderMark.h"
#include "GameSettings.h"
#include "ScoreBook.h"

#include <QtTest>

#include <optional>

namespace {

void writeIni(const QString& text)
{
    QFile file("tessarin.ini");
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Text));
    file.write(text.toUtf8());
}

QByteArray iniText(const QString& path = "tessarin.ini")
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "(no file)";
}

// background, particles, sound, music, newPlayer and highContrast, last size and mode
QString describe(const GameSettings& s)
{
    return QString("%1 %2 %3 %4 %5 %6 %7 %8")
        .arg(s.background)
        .arg(s.particlesOn)
        .arg(s.soundOn)
        .arg(s.musicOn)
        .arg(s.newPlayer)
        .arg(s.highContrast)
        .arg(s.lastSize, s.lastMode);
}

// best time/best faults/wins
QString describe(const ScoreBook::Record& r)
{
    return r.bestTime + '/' + r.bestFaults + '/' + r.wins;
}
const QString neverWon = "999/999/0";

const QString defaults = "0 1 1 1 1 0 5x5 Beginner";

} // namespace

// Each test runs in a fresh game folder (it holds nothing but the mark of the game's assets),
// with the user's data folder redirected to another one, so no file leaks between tests or
// into the real home.
class RecordsTest : public QObject {
    Q_OBJECT

    std::optional<QTemporaryDir> workFolder;
    std::optional<QTemporaryDir> dataHome;
    const QString originalFolder = QDir::currentPath();

private slots:
    void init()
    {
        qputenv("XDG_DATA_HOME", dataHome.emplace().path().toUtf8());
        QVERIFY(QDir::setCurrent(workFolder.emplace().path()));
        markAsGameFolder();
    }
    void cleanup()
    {
        QDir::setCurrent(originalFolder);
        workFolder.reset();
        dataHome.reset();
    }

    void noFileGivesDefaultsThenTwoWinsTheKnownFile()
    {
        QCOMPARE(describe(GameSettings::load()), defaults);
        QCOMPARE(describe(GameSettings()), defaults);
        for (const char* size : {"5x5", "10x5", "10x10", "15x10", "15x15", "20x15"})
            for (int mode = 1; mode <= 3; ++mode)
                QCOMPARE(describe(ScoreBook::lookup(size, mode)), neverWon);
        // Neither the file nor a probe of the folder may be left behind by reading.
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(QDir(dataHome->path()).entryList(QDir::Files | QDir::Hidden), QStringList());

        // Two wins and a close give the known file.
        QCOMPARE(describe(ScoreBook::recordWin("10x10", 2, "143", "2")), "143/2/1");
        QCOMPARE(describe(ScoreBook::recordWin("10x10", 2, "120", "3")), "143/2/2");

        GameSettings settings = GameSettings::load();
        settings.background = 1;
        settings.musicOn = false;
        settings.newPlayer = false;
        settings.highContrast = true;
        settings.lastSize = "10x10";
        settings.lastMode = "Normal";
        settings.save();

        QCOMPARE(iniText(),
            "[bestNormal]\n10x10Faults=2\n10x10Time=143\n10x10Wins=2\n\n[lastGame]\nlastMode=Normal\nlastSize=10x10\n\n"
            "[settings]\nbackground=1\nhighContrast=true\nmusicOn=false\nnewPlayer=false\nparticlesOn=true\nsoundOn="
            "true\n");
        QCOMPARE(describe(GameSettings::load()), "1 1 1 0 0 1 10x10 Normal");
    }

    void newBestRules_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("win"); // time/faults
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("keptLine"); // of the stored file, when it must survive the win
        const auto row
            = [](const char* name, const char* stored, const char* win, const char* after, const char* keptLine = "") {
                  QTest::newRow(name) << QString(stored) << QString(win) << QString(after) << QString(keptLine);
              };
        row("first win", "", "143/2", "143/2/1");
        row("fewer faults beat a faster time", "5x5Time=60\n5x5Faults=2", "300/1", "300/1/1");
        row("more faults lose to a slower time", "5x5Time=143\n5x5Faults=2", "120/3", "143/2/1");
        // The stored "02" shows whether the tie was written over the older game.
        row("a tie is not a new best", "5x5Time=143\n5x5Faults=02", "143/2", "143/2/1", "5x5Faults=02");
        row("one second less is", "5x5Time=143\n5x5Faults=2", "142/2", "142/2/1");
        row("times compare as numbers", "5x5Time=99\n5x5Faults=2", "100/2", "99/2/1");
        row("faults compare as numbers", "5x5Time=500\n5x5Faults=9", "10/10", "500/9/1");
        row("over 999 faults never count", "", "5/1000", "999/999/1");
        row("wins always count", "5x5Wins=41", "143/1000", "999/999/42");
        // Damaged values must not lock the record: they read as never won, as missing ones do.
        row("a word for a time is no record", "5x5Time=fast\n5x5Faults=2\n5x5Wins=many", "50/2", "50/2/1");
        row("a word for faults is no record", "5x5Time=40\n5x5Faults=few", "300/7", "300/7/1");
        row("negative bests are no record", "5x5Time=-5\n5x5Faults=-1\n5x5Wins=-3", "300/4", "300/4/1");
        row("a full win count stays full", "5x5Wins=2147483647", "143/1000", "999/999/2147483647");
    }

    void newBestRules()
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
            QVERIFY(iniText().contains(keptLine.toUtf8() + '\n'));
        // The same size in the other modes is a different record.
        QCOMPARE(describe(ScoreBook::lookup("5x5", 2)), neverWon);
    }

    void unusableValuesFallBackPerKey_data()
    {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<QString>("loaded");
        const auto row = [](const char* name, const char* ini, const QString& loaded = defaults) {
            QTest::newRow(name) << QString(ini) << loaded;
        };
        row("all valid",
            "[settings]\nbackground=3\nparticlesOn=false\nsoundOn=false\nmusicOn=false\nnewPlayer=false\n"
            "highContrast=true\n[lastGame]\nlastSize=20x15\nlastMode=Expert",
            "3 0 0 0 0 1 20x15 Expert");
        row("background 7", "[settings]\nbackground=7\nmusicOn=false", "0 1 1 0 1 0 5x5 Beginner");
        row("background 4", "[settings]\nbackground=4");
        row("background -1", "[settings]\nbackground=-1");
        row("background word", "[settings]\nbackground=Leaves");
        row("unknown size", "[lastGame]\nlastSize=12x12\nlastMode=Normal", "0 1 1 1 1 0 5x5 Normal");
        row("mode in lower case", "[lastGame]\nlastSize=15x15\nlastMode=expert", "0 1 1 1 1 0 15x15 Beginner");
        row("switches need exactly true", "[settings]\nparticlesOn=True\nsoundOn=1\nmusicOn=yes",
            "0 0 0 0 1 0 5x5 Beginner");
        row("newPlayer 0", "[settings]\nnewPlayer=0", "0 1 1 1 0 0 5x5 Beginner");
        row("newPlayer FALSE", "[settings]\nnewPlayer=FALSE", "0 1 1 1 0 0 5x5 Beginner");
        row("newPlayer no", "[settings]\nnewPlayer=no");
        // Like the other switches, and an older file without the key keeps the game's own look.
        row("highContrast needs exactly true", "[settings]\nhighContrast=True");
        row("file from before highContrast", "[settings]\nbackground=2\nnewPlayer=false", "2 1 1 1 0 0 5x5 Beginner");
        row("keys outside their group", "[lastGame]\nbackground=2\n[settings]\nlastMode=Expert");
    }

    void unusableValuesFallBackPerKey()
    {
        QFETCH(QString, ini);
        QFETCH(QString, loaded);
        writeIni(ini + "\n");
        QCOMPARE(describe(GameSettings::load()), loaded);
    }
};

QTEST_GUILESS_MAIN(RecordsTest)
#include "test_records.moc"
