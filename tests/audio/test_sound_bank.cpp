#include "SoundBank.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Effect = SoundBank::Effect;
const QStringList effectFiles {"draw.wav", "erase.wav", "mistake.wav", "win.wav"};
const QStringList trackFiles {"Babylon.ogg", "Chill.ogg", "Hypnothis.ogg"};

// The working folder while it lives, holding the given real effects and short test tracks.
struct GameFolder {
    static inline QString tracksDir;
    QTemporaryDir dir;
    QString previous = QDir::currentPath();

    GameFolder(const QStringList& effects, const QStringList& tracks)
    {
        QVERIFY(QDir::setCurrent(dir.path()) && QDir().mkpath("Sounds") && QDir().mkpath("Music"));
        for (const QString& file : effects)
            QFile::copy(TESSARIN_SOURCE_DIR "/Sounds/" + file, "Sounds/" + file);
        for (const QString& file : tracks)
            QFile::copy(tracksDir + "/" + file, "Music/" + file);
    }
    ~GameFolder() { QDir::setCurrent(previous); }
};

} // namespace

class SoundBankTest : public QObject {
    Q_OBJECT

    QTemporaryDir tracks;

private slots:
    void initTestCase()
    {
        // 0.15 s tones, so that a track ends quickly under the real-time dummy driver.
        for (const QString& file : trackFiles) {
            const QString command = "-n -r 22050 -c 2 %1 synth 0.15 sine 440 vol 0.5";
            QCOMPARE(QProcess::execute("sox", command.arg(tracks.filePath(file)).split(' ')), 0);
        }
        GameFolder::tracksDir = tracks.path();
    }

    // With only one effect file present, only its effect sounds, and only with sound on.
    void eachEffectPlaysItsOwnFileWithSoundOn()
    {
        for (int present = 0; present < 4; ++present) {
            GameFolder folder({effectFiles[present]}, {});
            SoundBank bank;
            bank.play(Effect(present), false);
            QCOMPARE(Mix_Playing(-1), 0);
            for (int effect = 0; effect < 4; ++effect)
                bank.play(Effect(effect), true);
            bank.play(Effect(present), true);
            QCOMPARE(Mix_Playing(-1), 2);
        }
    }

    // Each pick is one rand() draw over Babylon, Chill and Hypnothis. With only one of them
    // there, each tick before its first pick picks anew, quickly, in vain.
    void picksFollowRandAndMissingTracksAreRetried()
    {
        for (int present = 0; present < 3; ++present) {
            GameFolder folder({}, {trackFiles[present]});
            SoundBank bank;
            std::srand(31);
            int ticks = 0;
            while (std::rand() % 3 != present)
                ++ticks;
            std::srand(31);
            QElapsedTimer timer;
            timer.start();
            for (int tick = 0; tick < ticks; ++tick) {
                bank.keepMusicGoing(true);
                QCOMPARE(Mix_PlayingMusic(), 0);
            }
            QVERIFY(timer.elapsed() < 10 * (ticks + 1));
            bank.keepMusicGoing(true);
            QCOMPARE(Mix_PlayingMusic(), 1);
            QCOMPARE(QString(bank.loadedTrack()), "Music//" + trackFiles[present]);
        }
    }

    // An installed game is started from anywhere: its files come from the folder it was given.
    // A track is followed by another on the tick after it ends, while music is on.
    void musicKeepsGoingFromTheAssetFolderUntilSwitchedOff()
    {
        GameFolder assets(effectFiles, trackFiles);
        QTemporaryDir elsewhere;
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        SoundBank bank({}, QFile::encodeName(assets.dir.path()).toStdString());
        bank.play(Effect::Win, true);
        QCOMPARE(Mix_Playing(-1), 1);
        bank.applyMusicSwitch(true);
        QCOMPARE(Mix_PlayingMusic(), 1);
        QVERIFY2(QString(bank.loadedTrack()).startsWith(assets.dir.path() + "/Music//"), bank.loadedTrack());
        // A playing track is left alone: no new pick.
        std::srand(3);
        const int first = std::rand();
        std::srand(3);
        bank.keepMusicGoing(true);
        QCOMPARE(std::rand(), first);

        QDeadlineTimer deadline(2000);
        while (Mix_PlayingMusic() && !deadline.hasExpired())
            SDL_Delay(2);
        bank.keepMusicGoing(false);
        QCOMPARE(Mix_PlayingMusic(), 0);
        bank.keepMusicGoing(true);
        QCOMPARE(Mix_PlayingMusic(), 1);
        // Switched off, the track is released at once.
        bank.applyMusicSwitch(false);
        QCOMPARE(Mix_PlayingMusic(), 0);
        QVERIFY(!bank.loadedTrack());
    }

    void withoutDeviceReportsOnceAndStaysSilent()
    {
        GameFolder folder(effectFiles, trackFiles);
        const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
        qputenv("SDL_AUDIODRIVER", "bogus");
        int reports = 0;
        {
            SoundBank bank([&] { ++reports; });
            qputenv("SDL_AUDIODRIVER", driver);
            QVERIFY(!bank.isOpen());
            // Loading anything after the failed open would have replaced the open's error.
            QVERIFY2(!QByteArray(SDL_GetError()).contains("hasn't been opened"), SDL_GetError());
            SDL_ClearError();
            bank.play(Effect::Draw, true);
            bank.playRandomTrack();
            bank.applyMusicSwitch(true);
            bank.keepMusicGoing(true);
            bank.applyMusicSwitch(false);
            QCOMPARE(SDL_GetError(), "");
        }
        QCOMPARE(reports, 1);
    }

    void sigtermStillEndsTheGame()
    {
        GameFolder folder(effectFiles, {});
        const pid_t child = fork();
        if (child == 0) {
            // As in the game, where nobody but SDL would claim the signal.
            std::signal(SIGTERM, SIG_DFL);
            SoundBank bank;
            std::raise(SIGTERM);
            _exit(0);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
    }
};

QTEST_APPLESS_MAIN(SoundBankTest)
#include "test_sound_bank.moc"
