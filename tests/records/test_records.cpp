// SPDX-License-Identifier: GPL-3.0-or-later
#include "AssetFolder.h"
#include "DurableFile.h"
#include "FileBytes.h"
#include "GameFolderMark.h"
#include "GameSettings.h"
#include "RecentFiles.h"
#include "SavedGameFile.h"
#include "ScoreBook.h"
#include "SettingsStore.h"
#include "StorageFolder.h"
#include "TechniqueRecord.h"
#include "TechniqueTable.h"

#include <QtTest>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <ctime>
#include <optional>
#include <tuple>

namespace {

// background, particles, sound, music, newPlayer and highContrast, last size and mode, drawing
QString describe(const GameSettings& s)
{
    return QString::asprintf("%d %d %d %d %d %d %s %s %s", s.background, s.particlesOn, s.soundOn, s.musicOn,
        s.newPlayer, s.highContrast, qPrintable(s.lastSize), qPrintable(s.lastMode), qPrintable(s.drawing));
}

// best time/best faults/wins
QString describe(const ScoreBook::Record& r)
{
    return r.bestTime + '/' + r.bestFaults + '/' + r.wins;
}
const QString neverWon = "999/999/0";

const QString defaults = "0 1 1 1 1 0 5x5 Beginner auto";

// Makes a folder refuse new files, or take them again, and says whether it does as asked.
// Root ignores permission bits, so the folder is also made immutable where the file system
// allows it.
bool refuseFiles(const QString& folder, bool refuse)
{
    const QFile::Permissions writable = refuse ? QFile::Permissions() : QFile::WriteOwner;
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | writable);
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
        flags = refuse ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
    }
    if (fd >= 0)
        ::close(fd);
    QFile probe(folder + "/probe");
    const bool taken = probe.open(QIODevice::WriteOnly);
    probe.remove();
    return taken != refuse;
}

} // namespace

// Each test gets its own working folder, where its store keeps "tessarin.ini", and places for
// a data home and two system data folders standing in for /usr/local/share and /usr/share.
class RecordsTest : public QObject {
    Q_OBJECT

    std::optional<QTemporaryDir> root;
    std::optional<SettingsStore> store;
    const QString originalFolder = QDir::currentPath();
    QString work, dataHome, systemA, systemB;

    // Where the game keeps its files when not in the working folder.
    QString dataFolder() const { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

private slots:
    void init()
    {
        root.emplace();
        work = root->filePath("work");
        dataHome = root->filePath("home/.local/share");
        systemA = root->filePath("usr/local/share");
        systemB = root->filePath("usr/share");
        QVERIFY(QDir().mkpath(work));
        qputenv("XDG_DATA_HOME", dataHome.toUtf8());
        // The first system folder twice: searched once.
        qputenv("XDG_DATA_DIRS", (systemA + ':' + systemB + ':' + systemA).toUtf8());
        QVERIFY(QDir::setCurrent(work));
        QVERIFY(dataFolder().startsWith(dataHome));
        store.emplace("tessarin.ini");
    }
    void cleanup()
    {
        QDir::setCurrent(originalFolder);
        refuseFiles(work, false); // else it could not be removed
        root.reset();
    }

    void noFileGivesDefaultsThenTwoWinsTheKnownFile()
    {
        QCOMPARE(describe(GameSettings::load(*store)), defaults);
        QCOMPARE(describe(ScoreBook::lookup(*store, "20x15", 1)), neverWon);
        // Reading leaves nothing behind.
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), QStringList());

        // Two wins and a close give the known file.
        QCOMPARE(describe(ScoreBook::recordWin(*store, "10x10", 2, "143", "2")), "143/2/1");
        QCOMPARE(describe(ScoreBook::recordWin(*store, "10x10", 2, "120", "3")), "143/2/2");
        GameSettings settings = GameSettings::load(*store);
        settings.background = 1;
        settings.musicOn = settings.newPlayer = false;
        settings.highContrast = true;
        settings.lastSize = "10x10";
        settings.lastMode = "Normal";
        QVERIFY(settings.save(*store));
        QCOMPARE(bytesOf("tessarin.ini"),
            "[bestNormal]\n10x10Faults=2\n10x10Time=143\n10x10Wins=2\n\n[lastGame]\nlastDifficulty=Any\nlastMode=Normal\nlastSize="
            "10x10\nrecentFiles=\nsavedPuzzle=\n\n"
            "[settings]\nbackground=1\ndrawing=auto\nhighContrast=true\nmusicOn=false\nnewPlayer=false\nparticlesOn="
            "true\nsoundOn="
            "true\n");
        QCOMPARE(describe(GameSettings::load(*store)), "1 1 1 0 0 1 10x10 Normal auto");
    }

    void techniquesCountOnFromWhatTheFileHolds()
    {
        writeBytes("tessarin.ini", "[techniques]\nGlueHints=3\nBoxesWins=many\n");
        QVERIFY(TechniqueRecord::countHint(*store, 4));
        QVERIFY(TechniqueRecord::countWin(*store, 1));
        QVERIFY(TechniqueRecord::countWin(*store, 7));
        QVERIFY(TechniqueRecord::countHint(*store, whatIfTechnique));
        // No technique, nothing counted.
        QVERIFY(TechniqueRecord::countHint(*store, 0) && TechniqueRecord::countWin(*store, techniqueCount + 1));
        // Read back through the high scores' table, which test_dialogs checks.
        QCOMPARE(bytesOf("tessarin.ini"), "[techniques]\nBoxesWins=1\nFillWins=1\nGlueHints=4\nWhatIfHints=1\n");
    }

    void newBestRules()
    {
        // The stored record, a win (time/faults), the record after it, and a line of the stored
        // file that must survive the win.
        const std::tuple<const char*, const char*, const char*, const char*, const char*> wins[] = {
            {"first win", "", "143/2", "143/2/1", ""},
            {"fewer faults beat a faster time", "5x5Time=60\n5x5Faults=2", "300/1", "300/1/1", ""},
            {"more faults lose to a slower time", "5x5Time=143\n5x5Faults=2", "120/3", "143/2/1", ""},
            // The stored "02" shows whether the tie was written over the older game.
            {"a tie is not a new best", "5x5Time=143\n5x5Faults=02", "143/2", "143/2/1", "5x5Faults=02"},
            {"one second less is, as numbers", "5x5Time=100\n5x5Faults=2", "99/2", "99/2/1", ""},
            {"faults compare as numbers", "5x5Time=500\n5x5Faults=9", "10/10", "500/9/1", ""},
            {"over 999 faults never count, but the win does", "5x5Wins=41", "5/1000", "999/999/42", ""},
            // Damaged values must not lock the record: they read as never won, as missing ones do.
            {"a word for a time is no record", "5x5Time=fast\n5x5Faults=2\n5x5Wins=many", "50/2", "50/2/1", ""},
            {"a word for faults is no record", "5x5Time=40\n5x5Faults=few", "300/7", "300/7/1", ""},
            {"negative bests are no record", "5x5Time=-5\n5x5Faults=-1\n5x5Wins=-3", "300/4", "300/4/1", ""},
            {"a full win count stays full", "5x5Wins=2147483647", "143/1000", "999/999/2147483647", ""},
        };
        for (const auto& [name, stored, win, after, keptLine] : wins) {
            writeBytes("tessarin.ini", "[bestExpert]\n" + QByteArray(stored) + "\n");
            const QString recorded = describe(
                ScoreBook::recordWin(*store, "5x5", 3, QString(win).section('/', 0, 0), QString(win).section('/', 1)));
            QVERIFY2(recorded == after && describe(ScoreBook::lookup(*store, "5x5", 3)) == after,
                qPrintable(name + (": " + recorded)));
            QVERIFY2(bytesOf("tessarin.ini").contains(QByteArray(keptLine) + '\n'), name);
            // The same size in the other modes is a different record.
            QCOMPARE(describe(ScoreBook::lookup(*store, "5x5", 2)), neverWon);
        }
    }

    void aFilesPuzzleKeepsItsBestUnderItsFingerprint()
    {
        writeBytes("tessarin.ini", "[bestNormal]\n25x20Wins=4\n");
        // A title that would break a line of the file, and one that sorts first.
        const ScoreBook::FileRecord cat {"00ff", "Cat = [cat]\n\"\xc3\xa9t\xc3\xa9\"", "25x20", "2026-12-01", {}};
        const ScoreBook::FileRecord ant {"a1", "Ant", "5x5", "2026-12-09", {}};
        QCOMPARE(describe(ScoreBook::recordFileWin(*store, cat, "143", "2")), "143/2/1");
        ScoreBook::FileRecord later = cat;
        later.date = "2026-12-08";
        // Not better: the best and its date stay.
        QCOMPARE(describe(ScoreBook::recordFileWin(*store, later, "120", "3")), "143/2/2");
        QCOMPARE(describe(ScoreBook::recordFileWin(*store, ant, "50", "0")), "50/0/1");
        const std::vector<ScoreBook::FileRecord> records = ScoreBook::fileRecords(*store);
        QCOMPARE(records.size(), size_t(2));
        QCOMPARE(records[0].title, QString("Ant"));
        const ScoreBook::FileRecord& kept = records[1];
        QCOMPARE(kept.title + '|' + kept.size + '|' + kept.date + '|' + describe(kept.record),
            cat.title + "|25x20|2026-12-01|143/2/2");
        // Never under a size's key, which a generated puzzle of that size uses.
        QCOMPARE(describe(ScoreBook::lookup(*store, "25x20", 2)), "999/999/4");
        ScoreBook::clearAll(*store);
        QVERIFY(ScoreBook::fileRecords(*store).empty());
    }

    void recentFilesKeepTheLastTenAnyPathWhole()
    {
        const QString odd = "/home/p/a|b=c\n[d]/\xc3\xa9t\xc3\xa9 100%.non";
        QString stored = RecentFiles::withFirst({}, odd);
        for (int i = 0; i < 10; ++i)
            stored = RecentFiles::withFirst(stored, QString("/p/%1.non").arg(i));
        QStringList paths = RecentFiles::read(stored);
        QCOMPARE(paths.size(), RecentFiles::kept);
        QCOMPARE(paths.front(), QString("/p/9.non"));
        QVERIFY(!paths.contains(odd));
        // Opened again, a path moves to the front and is kept once.
        stored = RecentFiles::withFirst(stored, odd);
        stored = RecentFiles::withFirst(stored, "/p/5.non");
        paths = RecentFiles::read(stored);
        QCOMPARE(paths.mid(0, 3), QStringList({"/p/5.non", odd, "/p/9.non"}));
        QCOMPARE(paths.count("/p/5.non"), 1);
        QVERIFY(!stored.contains('\n') && !stored.contains('='));
        // Through the settings file and back.
        GameSettings settings;
        settings.recentFiles = stored;
        QVERIFY(settings.save(*store));
        QCOMPARE(RecentFiles::read(GameSettings::load(*store).recentFiles), paths);
    }

    void unusableValuesFallBackPerKey()
    {
        const std::tuple<const char*, const char*, QString> files[] = {
            {"all valid",
                "[settings]\nbackground=3\nparticlesOn=false\nsoundOn=false\nmusicOn=false\nnewPlayer=false\n"
                "highContrast=true\ndrawing=raster\n[lastGame]\nlastSize=20x15\nlastMode=Expert",
                "3 0 0 0 0 1 20x15 Expert raster"},
            {"background 7", "[settings]\nbackground=7\nmusicOn=false", "0 1 1 0 1 0 5x5 Beginner auto"},
            {"background 4", "[settings]\nbackground=4", defaults},
            {"background -1", "[settings]\nbackground=-1", defaults},
            {"unknown size", "[lastGame]\nlastSize=12x12\nlastMode=Normal", "0 1 1 1 1 0 5x5 Normal auto"},
            {"mode in lower case", "[lastGame]\nlastSize=15x15\nlastMode=expert", "0 1 1 1 1 0 15x15 Beginner auto"},
            // Switches need exactly "true"; newPlayer reads as Qt reads a boolean.
            {"switches", "[settings]\nparticlesOn=True\nsoundOn=1\nmusicOn=yes\nhighContrast=True",
                "0 0 0 0 1 0 5x5 Beginner auto"},
            {"newPlayer FALSE", "[settings]\nnewPlayer=FALSE", "0 1 1 1 0 0 5x5 Beginner auto"},
            {"newPlayer 0", "[settings]\nnewPlayer=0", "0 1 1 1 0 0 5x5 Beginner auto"},
            {"newPlayer no", "[settings]\nnewPlayer=no", defaults},
            {"drawing in capitals", "[settings]\ndrawing=OpenGL", defaults},
            {"keys outside their group", "[lastGame]\nbackground=2\n[settings]\nlastMode=Expert", defaults},
        };
        for (const auto& [name, ini, loaded] : files) {
            writeBytes("tessarin.ini", QByteArray(ini) + '\n');
            const QString got = describe(GameSettings::load(*store));
            QVERIFY2(got == loaded, qPrintable(name + (": " + got)));
        }
    }

    void aChangeThatCannotBeWrittenWaitsForTheNextWrite()
    {
        // The folder is missing, so nothing can be written; the win still counts in memory.
        SettingsStore later("later/tessarin.ini");
        QCOMPARE(describe(ScoreBook::recordWin(later, "5x5", 1, "30", "0")), "30/0/1");
        QVERIFY(later.failure().contains("No such file"));
        QCOMPARE(describe(ScoreBook::lookup(later, "5x5", 1)), "30/0/1");

        // Meanwhile another copy of the game counted four wins; both counts are kept.
        QVERIFY(QDir().mkdir("later"));
        writeBytes("later/tessarin.ini", "[bestBeginner]\n5x5Wins=4\n");
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
        QVERIFY(QDir().mkdir("elsewhere") && QFile::link("elsewhere/real.ini", "linked.ini"));
        SettingsStore linked("linked.ini");
        QVERIFY(GameSettings().save(linked));
        QVERIFY(QFileInfo("linked.ini").isSymLink() && bytesOf("elsewhere/real.ini").contains("background=0\n"));

        // Assets are read the same way: a pipe in a picture's place is no picture.
        markAsGameFolder(work);
        QVERIFY(QDir().mkpath("Images") && ::mkfifo("Images/mistake.png", 0644) == 0);
        QVERIFY(AssetFolder::read("Images//mistake.png").isEmpty());

        writeBytes("hundred", QByteArray(100, 'x'));
        QCOMPARE(DurableFile::read("hundred", 99).status, DurableFile::Reading::Status::TooLarge);
        QCOMPARE(DurableFile::read("hundred", 100).bytes.size(), 100);
    }

    void damagedFilesAreRewrittenButUnreadableOnesKept()
    {
        writeBytes("tessarin.ini", QByteArray("\x00\xff\xfe junk\n", 9) + "[settings]\nbackground=2\n");
        QVERIFY(GameSettings::load(*store).save(*store));
        QCOMPARE(GameSettings::load(*store).background, 2);
        QVERIFY(bytesOf("tessarin.ini").contains("\n[settings]\nbackground=2\n")
            && !bytesOf("tessarin.ini").contains("junk"));

        // Too large to read whole, yet perhaps the player's, with wins in it: played on the
        // defaults, never replaced, and every change says why, while this run still sees it.
        QByteArray large = "[bestNormal]\n5x5Wins=77\n" + QByteArray(3 << 20, '#');
        writeBytes("tessarin.ini", large);
        QCOMPARE(describe(GameSettings::load(*store)), defaults);
        QCOMPARE(store->unreadable(), QString("it is too large to be the game's"));
        GameSettings chosen;
        chosen.background = 3;
        QVERIFY(!chosen.save(*store));
        QCOMPARE(store->failure(), store->unreadable());
        QCOMPARE(GameSettings::load(*store).background, 3);
        QCOMPARE(bytesOf("tessarin.ini"), large);
        QVERIFY(SettingsStore("missing.ini").unreadable().isEmpty());
    }

    void copiesOfTheGameShareTheSavedGameWithoutLosingOne()
    {
        using Writing = SavedGameFile::Writing;
        // Two copies in one folder; the first keeps its game there and claims the file.
        SavedGameFile first("auto.sav"), second("auto.sav");
        QVERIFY(first.write("first's game", nullptr) == Writing::Written);
        QVERIFY(second.claimedElsewhere());
        // The second neither writes over it nor removes it, unless the player says so.
        QString why;
        QVERIFY(second.write("second's game", &why) == Writing::Taken);
        QCOMPARE(why, QString("another copy of Tessarin keeps its game there"));
        second.discard("first's game");
        second.release();
        QCOMPARE(bytesOf("auto.sav"), "first's game");
        QVERIFY(second.write("second's game", nullptr, true) == Writing::Written);
        // Replaced, the first's next keep is refused in turn, and its end removes nothing.
        QVERIFY(first.write("first's next", nullptr) == Writing::Taken);
        first.release();
        QCOMPARE(bytesOf("auto.sav"), "second's game");

        // A claim goes with the game: once the first has no game there, the second keeps its
        // own freely, and sealed, a copy leaves its file to the next.
        QVERIFY(!second.claimedElsewhere());
        QVERIFY(second.write("second's next", nullptr) == Writing::Written);
        QVERIFY(first.claimedElsewhere());
        second.seal();
        QVERIFY(!first.claimedElsewhere());
        QVERIFY(second.write("after the seal", nullptr) == Writing::Written);
        QCOMPARE(bytesOf("auto.sav"), "second's next");
    }

    void aReplacedFileIsLeftUsableAndNoTemporaryStays()
    {
        // A file shut to its owner is replaced by one of the user's normal mode; any other
        // mode is the player's choice, and stays.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        for (const auto& [before, after] : {std::pair(0000, 0666 & ~mask), {0200, 0666 & ~mask}, {0640, 0640}}) {
            writeBytes("tessarin.ini", "[settings]\n");
            QCOMPARE(::chmod("tessarin.ini", mode_t(before)), 0);
            QVERIFY(DurableFile::write("tessarin.ini", "[settings]\nbackground=1\n"));
            struct stat status { };
            QCOMPARE(::stat("tessarin.ini", &status), 0);
            QCOMPARE(int(status.st_mode & 07777), int(after));
        }

        // Copies a killed write left behind go once they are old; a write in progress, and
        // files of other names, stay.
        writeBytes(".tessarin.ini.Ab12Cd", "left by a kill");
        writeBytes(".tessarin.ini.Ef34Gh", "being written");
        writeBytes(".tessarin.ini.longest", "not the game's");
        writeBytes(".auto.sav.Ab12Cd", "another file's");
        const struct timeval old[2] = {{std::time(nullptr) - 3600, 0}, {std::time(nullptr) - 3600, 0}};
        for (const char* name : {".tessarin.ini.Ab12Cd", ".tessarin.ini.longest", ".auto.sav.Ab12Cd"})
            QCOMPARE(::utimes(name, old), 0);
        DurableFile::removeStaleCopies("tessarin.ini", std::chrono::minutes(1));
        QCOMPARE(QDir().entryList({".*.*"}, QDir::Files | QDir::Hidden),
            QStringList({".auto.sav.Ab12Cd", ".tessarin.ini.Ef34Gh", ".tessarin.ini.longest"}));
    }

    void aDataFolderThatCannotBeMadeKeepsNothingElsewhere()
    {
        // $XDG_DATA_HOME names a file: nothing lands in the folder the game was started from.
        writeBytes(root->filePath("file"), "not a folder");
        qputenv("XDG_DATA_HOME", root->filePath("file").toUtf8());
        const StorageFolder storage = StorageFolder::choose();
        QVERIFY(!storage.made());
        QCOMPARE(storage.filePath("auto.sav"), dataFolder() + "/auto.sav");
        QVERIFY(dataFolder().startsWith(root->filePath("file/")));
        SettingsStore kept(storage.filePath("tessarin.ini"));
        QVERIFY(!GameSettings().save(kept));
        QCOMPARE(kept.failure(), QString("Not a directory"));
        QCOMPARE(QDir(work).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden), QStringList());
    }

    void theFirstPlaceHoldingTheAssetsServesThemAll()
    {
        const QString program = QCoreApplication::applicationDirPath();
        QCOMPARE(AssetFolder::searchPlaces(),
            QStringList({work, program, QDir::cleanPath(program + "/../share/tessarin"), dataHome + "/tessarin",
                systemA + "/tessarin", systemB + "/tessarin"}));

        // A home folder often has an "Images" folder of its own.
        QVERIFY(QDir().mkpath(work + "/Images"));
        QCOMPARE(AssetFolder::find(), QString());
        QCOMPARE(AssetFolder::file("Images//cell.png"), "Images//cell.png");
        const QString message = AssetFolder::notFoundMessage();
        for (const QString& place : AssetFolder::searchPlaces())
            QVERIFY2(message.contains('\n' + place), qPrintable(place));

        // Filled from the last place to the first, each new one takes over.
        for (const QString& folder : {systemB + "/tessarin", systemA + "/tessarin", dataHome + "/tessarin", work}) {
            markAsGameFolder(folder);
            QCOMPARE(AssetFolder::find(), folder);
            // Even a file only another place has comes from the chosen one.
            QCOMPARE(AssetFolder::file("Help//index.html"), folder + "/Help/index.html");
        }
    }

    void theGameFolderKeepsItsOwnFiles()
    {
        markAsGameFolder(work);
        QCOMPARE(StorageFolder::choose().filePath("auto.sav"), work + "/auto.sav");
        QVERIFY(!QFileInfo::exists(dataFolder()));

        // Once the folder is gone, the next run keeps its files in the data folder.
        QVERIFY(QDir(work).removeRecursively());
        QCOMPARE(StorageFolder::choose().filePath("auto.sav"), dataFolder() + "/auto.sav");
    }

    void anyOtherFolderLeavesTheFilesToTheDataFolder()
    {
        // Started from a launcher: the working folder is the home, with an "Images" folder, the
        // assets are installed, and the installed folder may carry settings of its own.
        QVERIFY(QDir().mkpath(work + "/Images"));
        const QString installed = systemB + "/tessarin";
        markAsGameFolder(installed);
        writeBytes(installed + "/tessarin.ini", "[settings]\nbackground=3\n");
        const StorageFolder storage = StorageFolder::choose();
        QCOMPARE(storage.filePath("auto.sav"), dataFolder() + "/auto.sav");

        SettingsStore store(storage.filePath("tessarin.ini"));
        QCOMPARE(GameSettings::load(store).background, 3);
        GameSettings settings;
        settings.background = 1;
        QVERIFY(settings.save(store));
        QVERIFY(bytesOf(dataFolder() + "/tessarin.ini").contains("background=1\n"));
        QCOMPARE(bytesOf(installed + "/tessarin.ini"), "[settings]\nbackground=3\n");
        // Lent once: the data folder's own file is read from then on.
        QCOMPARE(GameSettings::load(SettingsStore(StorageFolder::choose().filePath("tessarin.ini"))).background, 1);
    }

    void anUnwritableGameFolderLendsItsSettings()
    {
        markAsGameFolder(work);
        const QByteArray kept = "[bestNormal]\n10x10Faults=2\n10x10Time=143\n10x10Wins=4\n\n"
                                "[settings]\nbackground=3\nmusicOn=false\n";
        writeBytes(work + "/tessarin.ini", kept);
        if (!refuseFiles(work, true))
            QSKIP("this file system cannot refuse files to this user");

        SettingsStore store(StorageFolder::choose().filePath("tessarin.ini"));
        QCOMPARE(store.path(), dataFolder() + "/tessarin.ini");
        QCOMPARE(ScoreBook::recordWin(store, "10x10", 2, "150", "1").wins, "5");
        QVERIFY(bytesOf(dataFolder() + "/tessarin.ini").contains("10x10Wins=5\n"));
        QCOMPARE(bytesOf(work + "/tessarin.ini"), kept);
    }
};

QTEST_GUILESS_MAIN(RecordsTest)
#include "test_records.moc"
