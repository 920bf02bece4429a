#include "AssetFolder.h"
#include "FileBytes.h"
#include "GameFolderMark.h"
#include "GameSettings.h"
#include "ScoreBook.h"
#include "SettingsStore.h"
#include "StorageFolder.h"

#include <QtTest>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <optional>

namespace {

bool takesFiles(const QString& folder)
{
    QFile probe(folder + "/probe");
    const bool written = probe.open(QIODevice::WriteOnly);
    probe.remove();
    return written;
}

// A folder that refuses new files while this lives. Root ignores permission bits, so then the
// folder is made immutable, where the file system allows it.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& path)
        : path_(path)
    {
        QFile::setPermissions(path_, QFile::ReadOwner | QFile::ExeOwner);
        if (takesFiles(path_))
            setImmutable(true);
    }
    ~ReadOnlyFolder()
    {
        setImmutable(false);
        QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    bool holds() const { return !takesFiles(path_); }

private:
    void setImmutable(bool on) const
    {
        const int fd = ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_DIRECTORY);
        int flags = 0;
        if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
            ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
        }
        if (fd >= 0)
            ::close(fd);
    }

    QString path_;
};

} // namespace

// Each test gets its own tree: a working folder, a data home and two system data folders
// standing in for /usr/local/share and /usr/share.
class GameFilesTest : public QObject {
    Q_OBJECT

    std::optional<QTemporaryDir> root;
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
        for (const QString& folder : {work, dataHome, systemA, systemB})
            QVERIFY(QDir().mkpath(folder));
        qputenv("XDG_DATA_HOME", dataHome.toUtf8());
        // The first system folder twice: searched once.
        qputenv("XDG_DATA_DIRS", (systemA + ':' + systemB + ':' + systemA).toUtf8());
        QVERIFY(QDir::setCurrent(work));
        QVERIFY(dataFolder().startsWith(dataHome));
    }
    void cleanup()
    {
        QDir::setCurrent(originalFolder);
        root.reset();
    }

    void searchGoesFromWorkingFolderToProgramToInstalledData()
    {
        const QString program = QCoreApplication::applicationDirPath();
        QCOMPARE(AssetFolder::searchPlaces(),
            QStringList({work, program, QDir::cleanPath(program + "/../share/tessarin"), dataHome + "/tessarin",
                systemA + "/tessarin", systemB + "/tessarin"}));
    }

    void theFirstPlaceHoldingTheAssetsServesThemAll()
    {
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
        // Started from a launcher: the working folder is the home, the assets are installed,
        // and the installed folder may carry settings of its own.
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
        QCOMPARE(QDir(work).entryList(QDir::Files | QDir::Hidden), QStringList());
        // Lent once: the data folder's own file is read from then on.
        QCOMPARE(GameSettings::load(SettingsStore(StorageFolder::choose().filePath("tessarin.ini"))).background, 1);
    }

    void anUnwritableGameFolderLendsItsSettings()
    {
        markAsGameFolder(work);
        const QByteArray kept = "[bestNormal]\n10x10Faults=2\n10x10Time=143\n10x10Wins=4\n\n"
                                "[settings]\nbackground=3\nmusicOn=false\n";
        writeBytes(work + "/tessarin.ini", kept);
        ReadOnlyFolder readOnly(work);
        if (!readOnly.holds())
            QSKIP("this file system cannot refuse files to this user");

        SettingsStore store(StorageFolder::choose().filePath("tessarin.ini"));
        QCOMPARE(store.path(), dataFolder() + "/tessarin.ini");
        QCOMPARE(ScoreBook::recordWin(store, "10x10", 2, "150", "1").wins, "5");
        QVERIFY(bytesOf(dataFolder() + "/tessarin.ini").contains("10x10Wins=5\n"));
        QCOMPARE(bytesOf(work + "/tessarin.ini"), kept);
    }
};

QTEST_GUILESS_MAIN(GameFilesTest)
#include "test_game_files.moc"
