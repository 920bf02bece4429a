// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowDriver.h"

#include "AssetFolder.h"
#include "HelpBrowser.h"
#include "HelpWindows.h"
#include "ui_HelpBrowser.h"
#include "ui_MainWindow.h"

#include <QTextBrowser>
#include <QtTest>

#include <optional>

// The game started away from its own folder, as a desktop launcher starts it: the working
// folder is an empty home, and the assets are in a system data folder or nowhere.
class InstalledGameTest : public QObject {
    Q_OBJECT

    const QString gameFolder = QDir::currentPath();
    std::optional<QTemporaryDir> root;
    QString home, installed;

private slots:
    void init()
    {
        root.emplace();
        home = root->filePath("home");
        installed = root->filePath("usr/share/tessarin");
        QVERIFY(QDir().mkpath(home) && QDir().mkpath(installed));
        qputenv("XDG_DATA_HOME", (home + "/.local/share").toUtf8());
        qputenv("XDG_DATA_DIRS", root->filePath("usr/share").toUtf8());
        QVERIFY(QDir::setCurrent(home));
    }
    void cleanup()
    {
        for (HelpBrowser* help : helpWindows())
            delete help;
        QDir::setCurrent(gameFolder);
        root.reset();
    }

    void withoutAssetsOneFatalErrorNamesWhereItLooked()
    {
        WindowDriver w;
        QCOMPARE(w.asked.size(), 1);
        QCOMPARE(w.asked.front(), AssetFolder::notFoundMessage());
        QVERIFY(w.asked.front().contains('\n' + home + '\n'));
        // It still plays, without pictures.
        w.play(5, 5, Beginner);
        QCOMPARE(w.asked.size(), 1);
    }

    void installedAssetsServeTheWindowAndTheHelp()
    {
        for (const char* assets : {"Images", "Sounds", "Music", "Help"})
            QVERIFY(QFile::link(gameFolder + '/' + assets, installed + '/' + assets));
        WindowDriver w;
        QCOMPARE(w.asked, QStringList());
        QVERIFY(w->scene().mistakeLoaded() && !w->scene().background().isNull());
        w.form().actionLeaves->trigger();
        QVERIFY(!w->scene().background().isNull());

        w.key(Qt::Key_F1);
        QCOMPARE(helpWindows().size(), 1);
        HelpBrowser* help = helpWindows().front();
        QCOMPARE(help->windowTitle(), "Help: Contents");
        QCOMPARE(help->ui->textBrowser->source().toLocalFile(), installed + "/Help/index.html");

        // What the game keeps goes to the data folder, never into the home itself.
        w->SaveSettings();
        QVERIFY(QFile::exists(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/tessarin.ini"));
        QCOMPARE(QDir(home).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
};

QTEST_MAIN(InstalledGameTest)
#include "test_installed_game.moc"
