// SPDX-License-Identifier: GPL-3.0-or-later
// The game folder on a small file system of its own, filled up and made read-only under the
// running game. Mounting needs root; elsewhere the test says so and skips.
#include "WindowDriver.h"

#include "FileBytes.h"
#include "SavedGame.h"
#include "SettingsStore.h"

#include <QtTest>

#include <cerrno>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

// A 64 KiB tmpfs as the working folder, made a game folder by links to the real assets.
class SmallDisk {
public:
    SmallDisk()
    {
        if (::mount("tmpfs", path().constData(), "tmpfs", 0, options) != 0)
            return;
        mounted_ = true;
        QDir::setCurrent(folder_.path());
        for (const char* assets : {"Images", "Help"})
            QFile::link(gameFolder_ + '/' + assets, assets);
    }
    ~SmallDisk()
    {
        QDir::setCurrent(gameFolder_);
        if (mounted_)
            ::umount2(path().constData(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }

    // Takes every free block, then gives back the number asked for.
    void fill(int blocksLeft)
    {
        const int fd = ::open("filler", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        QVERIFY(fd >= 0);
        const QByteArray block(4096, 'x');
        off_t size = 0;
        while (::write(fd, block.constData(), block.size()) == block.size())
            size += block.size();
        QCOMPARE(errno, ENOSPC);
        QCOMPARE(::ftruncate(fd, size - blocksLeft * block.size()), 0);
        ::close(fd);
    }
    void empty() { QVERIFY(QFile::remove("filler")); }
    void setReadOnly(bool readOnly)
    {
        QCOMPARE(::mount("tmpfs", path().constData(), "tmpfs", MS_REMOUNT | (readOnly ? MS_RDONLY : 0), options), 0);
    }

private:
    static constexpr const char* options = "size=64k";
    QByteArray path() const { return QFile::encodeName(folder_.path()); }

    const QString gameFolder_ = QDir::currentPath();
    QTemporaryDir folder_;
    bool mounted_ = false;
};

} // namespace

class FailingDiskTest : public QObject {
    Q_OBJECT

private slots:
    void aFullOrReadOnlyDiskKeepsTheFilesAndTells()
    {
        QTemporaryDir dataHome;
        qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
        SmallDisk disk;
        if (!disk.mounted())
            QSKIP("a tmpfs cannot be mounted here (it takes root): the failing-disk test did not run");
        // What a failed write must leave as it was; any bytes do, as no window here reads them.
        QByteArray oldSave = "an older game";
        QByteArray oldSettings = "[settings]\nnewPlayer=false\n";
        writeBytes("auto.sav", oldSave);
        writeBytes("tessarin.ini", oldSettings);

        // Completely full, then one block left: that one goes to the lock file, and a 20x15
        // game needs two. The older game was none of this copy's: it is replaced only once
        // the player says so.
        const QString replace = "Another copy of Tessarin keeps a game in " + QDir::current().filePath("auto.sav")
            + ".\nReplace it with this one?";
        for (int blocksLeft : {0, 1}) {
            disk.fill(blocksLeft);
            WindowDriver w;
            w.answer = true;
            w.play(5, 5, Normal);
            w.solve();
            QCOMPARE(bytesOf("tessarin.ini"), oldSettings);
            w.play(20, 15, Normal);
            // Each round a game of its own: the same game is already there, and needs no write.
            for (int y = 0; y < 15 - blocksLeft; ++y)
                w.drag(Qt::RightButton, {{0, y}, {19, y}});
            w->close();
            QCOMPARE(w.asked,
                QStringList({"Save your game?", replace,
                    "Your game could not be saved to " + QDir::current().filePath("auto.sav")
                        + ": No space left on device.\nThe game stays open, so that nothing is lost."}));
            QVERIFY(w->isVisible());
            QCOMPARE(bytesOf("auto.sav"), oldSave);
            QCOMPARE(bytesOf("tessarin.ini"), oldSettings);

            // Space freed, the next close keeps the game and the win.
            disk.empty();
            w.asked.clear();
            w->close();
            QCOMPARE(w.asked, QStringList({"Save your game?", replace}));
            QVERIFY(!w->isVisible());
            SavedGame saved;
            QVERIFY(SavedGame::decode(bytesOf("auto.sav"), saved));
            QCOMPARE(saved.columns, 20);
            QCOMPARE(
                SettingsStore("tessarin.ini").read().value("bestNormal", "5x5Wins"), QString::number(blocksLeft + 1));
            oldSave = bytesOf("auto.sav");
            oldSettings = bytesOf("tessarin.ini");
        }

        // A folder that stops taking files during the run is named, and nothing goes anywhere
        // else, to be missed by the next start.
        WindowDriver w;
        w.play(5, 5, Normal);
        disk.setReadOnly(true);
        w.solve();
        w->close();
        disk.setReadOnly(false);
        QCOMPARE(w.asked,
            QStringList({"Your settings and scores could not be saved to " + QDir::current().filePath("tessarin.ini")
                + ": Read-only file system."}));
        QCOMPARE(QDir(dataHome.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    }
};

QTEST_MAIN(FailingDiskTest)
#include "test_failing_disk.moc"
