#include "DurableFile.h"
#include "FileBytes.h"
#include "GameSettings.h"
#include "ScoreBook.h"
#include "SettingsStore.h"

#include <QtTest>

#include <optional>

#include <sys/stat.h>

namespace {

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

// Each test runs in a fresh working folder, where its store keeps "tessarin.ini".
class RecordsTest : public QObject {
    Q_OBJECT

    std::optional<QTemporaryDir> workFolder;
    std::optional<SettingsStore> store;
    const QString originalFolder = QDir::currentPath();

private slots:
    void init()
    {
        QVERIFY(QDir::setCurrent(workFolder.emplace().path()));
        store.emplace("tessarin.ini");
    }
    void cleanup()
    {
        QDir::setCurrent(originalFolder);
        workFolder.reset();
    }

    void noFileGivesDefaultsThenTwoWinsTheKnownFile()
    {
        QCOMPARE(describe(GameSettings::load(*store)), defaults);
        QCOMPARE(describe(GameSettings()), defaults);
        for (const char* size : {"5x5", "10x5", "10x10", "15x10", "15x15", "20x15"})
            for (int mode = 1; mode <= 3; ++mode)
                QCOMPARE(describe(ScoreBook::lookup(*store, size, mode)), neverWon);
        // Reading leaves nothing behind.
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), QStringList());

        // Two wins and a close give the known file.
        QCOMPARE(describe(ScoreBook::recordWin(*store, "10x10", 2, "143", "2")), "143/2/1");
        QCOMPARE(describe(ScoreBook::recordWin(*store, "10x10", 2, "120", "3")), "143/2/2");

        GameSettings settings = GameSettings::load(*store);
        settings.background = 1;
        settings.musicOn = false;
        settings.newPlayer = false;
        settings.highContrast = true;
        settings.lastSize = "10x10";
        settings.lastMode = "Normal";
        QVERIFY(settings.save(*store));

        QCOMPARE(bytesOf("tessarin.ini"),
            "[bestNormal]\n10x10Faults=2\n10x10Time=143\n10x10Wins=2\n\n[lastGame]\nlastMode=Normal\nlastSize=10x10\n\n"
            "[settings]\nbackground=1\nhighContrast=true\nmusicOn=false\nnewPlayer=false\nparticlesOn=true\nsoundOn="
            "true\n");
        QCOMPARE(describe(GameSettings::load(*store)), "1 1 1 0 0 1 10x10 Normal");
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
            writeBytes("tessarin.ini", ("[bestExpert]\n" + stored + "\n").toUtf8());

        QCOMPARE(describe(ScoreBook::recordWin(*store, "5x5", 3, win.section('/', 0, 0), win.section('/', 1))), after);
        QCOMPARE(describe(ScoreBook::lookup(*store, "5x5", 3)), after);
        if (!keptLine.isEmpty())
            QVERIFY(bytesOf("tessarin.ini").contains(keptLine.toUtf8() + '\n'));
        // The same size in the other modes is a different record.
        QCOMPARE(describe(ScoreBook::lookup(*store, "5x5", 2)), neverWon);
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
        writeBytes("tessarin.ini", (ini + "\n").toUtf8());
        QCOMPARE(describe(GameSettings::load(*store)), loaded);
    }

    void aChangeThatCannotBeWrittenWaitsForTheNextWrite()
    {
        // The folder is missing, so nothing can be written; the win still counts in memory.
        SettingsStore later("later/tessarin.ini");
        QCOMPARE(describe(ScoreBook::recordWin(later, "5x5", 1, "30", "0")), "30/0/1");
        QVERIFY(later.failure().contains("No such file"));
        QCOMPARE(describe(ScoreBook::lookup(later, "5x5", 1)), "30/0/1");
        QVERIFY(!QFile::exists("later/tessarin.ini"));

        // Meanwhile another copy of the game counted four wins; both counts are kept.
        QVERIFY(QDir().mkdir("later"));
        writeBytes("tessarin.ini", "[bestBeginner]\n5x5Wins=4\n");
        QVERIFY(QFile::rename("tessarin.ini", "later/tessarin.ini"));
        GameSettings settings;
        settings.background = 3;
        QVERIFY(settings.save(later));
        QVERIFY(later.failure().isEmpty());
        const SettingsStore reread("later/tessarin.ini");
        QCOMPARE(describe(ScoreBook::lookup(reread, "5x5", 1)), "30/0/5");
        QCOMPARE(GameSettings::load(reread).background, 3);
    }

    void onlyRegularFilesAreReadOrReplaced()
    {
        // A pipe would block the reader forever, and a device never ends.
        QCOMPARE(::mkfifo("tessarin.ini", 0644), 0);
        QCOMPARE(describe(GameSettings::load(*store)), defaults);
        QVERIFY(!GameSettings().save(*store));
        QCOMPARE(store->failure(), "it is not a regular file");
        QVERIFY(QFileInfo("tessarin.ini").exists() && !QFileInfo("tessarin.ini").isFile());
        QCOMPARE(DurableFile::read("/dev/zero", 100).status, DurableFile::Reading::Status::NotAFile);

        // A link is followed only to a regular file, and stays a link.
        QVERIFY(QFile::link("/dev/null", "device.ini"));
        SettingsStore device("device.ini");
        QVERIFY(!GameSettings().save(device));
        QCOMPARE(QFileInfo("device.ini").symLinkTarget(), "/dev/null");
        QVERIFY(QDir().mkdir("elsewhere"));
        QVERIFY(QFile::link("elsewhere/real.ini", "linked.ini"));
        SettingsStore linked("linked.ini");
        QVERIFY(GameSettings().save(linked));
        QVERIFY(QFileInfo("linked.ini").isSymLink());
        QVERIFY(bytesOf("elsewhere/real.ini").contains("background=0\n"));

        QFile hundred("hundred");
        QVERIFY(hundred.open(QIODevice::WriteOnly) && hundred.write(QByteArray(100, 'x')) == 100);
        hundred.close();
        QCOMPARE(DurableFile::read("hundred", 99).status, DurableFile::Reading::Status::TooLarge);
        QCOMPARE(DurableFile::read("hundred", 100).bytes.size(), 100);
    }

    void damagedFilesAreRewrittenWithoutAlarm()
    {
        QFile junk("tessarin.ini");
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray("\x00\xff\xfe junk\n", 9) + "[settings]\nbackground=2\n");
        junk.close();
        QCOMPARE(GameSettings::load(*store).background, 2);
        QVERIFY(GameSettings::load(*store).save(*store));
        QCOMPARE(GameSettings::load(*store).background, 2);
        QVERIFY(bytesOf("tessarin.ini").contains("\n[settings]\nbackground=2\n")
            && !bytesOf("tessarin.ini").contains("junk"));

        // Far too large to be the game's own: read as no file, and replaced.
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(3 << 20, '\0'));
        junk.close();
        QCOMPARE(describe(GameSettings::load(*store)), defaults);
        QVERIFY(GameSettings().save(*store));
        QVERIFY(bytesOf("tessarin.ini").startsWith("[lastGame]\n"));
    }
};

QTEST_GUILESS_MAIN(RecordsTest)
#include "test_records.moc"
