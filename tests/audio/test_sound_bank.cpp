// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundBank.h"

#include "ScratchFolder.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QtTest>

#include <csignal>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Effect = SoundBank::Effect;
const QStringList effectFiles {"draw.wav", "erase.wav", "mistake.wav", "win.wav"};
const QStringList trackFiles {"Babylon.ogg", "Chill.ogg", "Hypnothis.ogg"};

// A 0.15 s tone, so that a track ends quickly under the real-time dummy driver.
void addTrack(const QString& file)
{
    const QString command = "-n -r 22050 -c 2 Music/%1 synth 0.15 sine 440 vol 0.5";
    QCOMPARE(QProcess::execute("sox", command.arg(file).split(' ')), 0);
}

// The working folder while it lives, holding the given real effects and short tracks.
struct GameFolder : ScratchFolder {
    GameFolder(const QStringList& effects, const QStringList& tracks)
    {
        QVERIFY(QDir().mkpath("Sounds") && QDir().mkpath("Music"));
        for (const QString& file : effects)
            QVERIFY(QFile::copy(TESSARIN_SOURCE_DIR "/Sounds/" + file, "Sounds/" + file));
        for (const QString& file : tracks)
            addTrack(file);
    }
};

} // namespace

class SoundBankTest : public QObject {
    Q_OBJECT

private slots:
    // With only one effect file present, only its effect sounds, and only with sound on.
    void eachEffectPlaysItsOwnFileWithSoundOn()
    {
        for (int present = 0; present < 4; ++present) {
            GameFolder folder({effectFiles[present]}, {});
            SoundBank bank;
            bank.play(Effect(present), false);
            QVERIFY(!bank.isAwake());
            for (int effect = 0; effect < 4; ++effect)
                bank.play(Effect(effect), true);
            bank.play(Effect(present), true);
            QCOMPARE(Mix_Playing(-1), 2);
        }
    }

    // While no track loads, each tick quickly picks anew; once one is there, a pick finds it.
    void missingTracksAreRetriedUntilOneLoads()
    {
        for (const QString& file : trackFiles) {
            GameFolder folder({}, {});
            SoundBank bank;
            QElapsedTimer timer;
            timer.start();
            for (int tick = 0; tick < 5; ++tick)
                bank.keepMusicGoing(true);
            QVERIFY(timer.elapsed() < 50 && !bank.loadedTrack());
            addTrack(file);
            for (int tick = 0; !bank.loadedTrack() && tick < 100; ++tick)
                bank.keepMusicGoing(true);
            QCOMPARE(QString(bank.loadedTrack()), "Music//" + file);
        }
    }

    // An installed game is started from anywhere: its files come from the folder it was given.
    // A track is followed by another on the tick after it ends, while music is on.
    void musicKeepsGoingFromTheAssetFolderUntilSwitchedOff()
    {
        GameFolder assets(effectFiles, trackFiles);
        ScratchFolder elsewhere;
        SoundBank bank({}, QFile::encodeName(assets.path()).toStdString());
        bank.play(Effect::Win, true);
        QCOMPARE(Mix_Playing(-1), 1);
        bank.applyMusicSwitch(true);
        QCOMPARE(Mix_PlayingMusic(), 1);
        QVERIFY2(QString(bank.loadedTrack()).startsWith(assets.path() + "/Music//"), bank.loadedTrack());
        // A playing track is left alone: no new pick.
        std::srand(3);
        const int first = std::rand();
        std::srand(3);
        bank.keepMusicGoing(true);
        QCOMPARE(std::rand(), first);

        QDeadlineTimer deadline(2000);
        while (Mix_PlayingMusic() && !deadline.hasExpired())
            SDL_Delay(2);
        QCOMPARE(Mix_PlayingMusic(), 0);
        bank.keepMusicGoing(true);
        QCOMPARE(Mix_PlayingMusic(), 1);
        // Switched off, the track is released at once.
        bank.applyMusicSwitch(false);
        QVERIFY(!bank.loadedTrack());
    }

    // Merely paused, the mixer's thread would go on waking the game many times a second to mix
    // silence: the device rests, closed, whenever nothing plays.
    void theDeviceRestsWhileNothingPlays()
    {
        GameFolder folder(effectFiles, trackFiles);
        SoundBank bank;
        QVERIFY(bank.isOpen() && !bank.isAwake());
        QCOMPARE(bank.untilQuiet().count(), 0);
        bank.play(Effect::Draw, true);
        QVERIFY(bank.isAwake() && Mix_Playing(-1) == 1);
        QVERIFY(bank.untilQuiet().count() > 0);
        bank.keepMusicGoing(false);
        QVERIFY(bank.isAwake());
        QDeadlineTimer deadline(3000);
        while (Mix_Playing(-1) && !deadline.hasExpired())
            SDL_Delay(5);
        QCOMPARE(bank.untilQuiet().count(), 0);
        bank.keepMusicGoing(false);
        QVERIFY(!bank.isAwake());
        // The kept effects play on a device opened again, and music keeps it awake until off.
        bank.play(Effect::Erase, true);
        QCOMPARE(Mix_Playing(-1), 1);
        bank.applyMusicSwitch(true);
        QVERIFY(bank.isAwake() && Mix_PlayingMusic() == 1);
        bank.applyMusicSwitch(false);
        while (Mix_Playing(-1) && !deadline.hasExpired())
            SDL_Delay(5);
        bank.keepMusicGoing(false);
        QVERIFY(!bank.isAwake());
    }

    void withoutDeviceReportsOnceAndStaysSilent()
    {
        GameFolder folder(effectFiles, trackFiles);
        const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
        qputenv("SDL_AUDIODRIVER", "bogus");
        int reports = 0;
        SoundBank bank([&] { ++reports; });
        qputenv("SDL_AUDIODRIVER", driver);
        QVERIFY(!bank.isOpen() && reports == 1);
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

    void sigtermStillEndsTheGame()
    {
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
