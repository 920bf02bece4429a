#include "SoundBank.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdlib>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Effect = SoundBank::Effect;
const QStringList effectFiles {"draw.wav", "erase.wav", "mistake.wav", "win.wav"};
const QStringList trackFiles {"Babylon.ogg", "Chill.ogg", "Hypnothis.ogg"};

// The value rand() gives after `draws` earlier draws from seed.
int randAfter(unsigned seed, int draws)
{
    std::srand(seed);
    for (int i = 0; i < draws; ++i)
        std::rand();
    return std::rand();
}

QString loaded(const SoundBank& bank)
{
    return bank.loadedTrack() ? bank.loadedTrack() : "none";
}

// The working folder while it lives, holding the given real effects and short test tracks.
struct GameFolder {
    static inline QString tracksDir;
    QTemporaryDir dir;
    QString previous = QDir::currentPath();

    GameFolder(const QStringList& effects, const QStringList& tracks)
    {
        QDir(dir.path()).mkpath("Sounds");
        QDir(dir.path()).mkpath("Music");
        for (const QString& file : effects)
            QFile::copy(TESSARIN_SOURCE_DIR "/Sounds/" + file, dir.filePath("Sounds/" + file));
        for (const QString& file : tracks)
            QFile::copy(tracksDir + "/" + file, dir.filePath("Music/" + file));
        QDir::setCurrent(dir.path());
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
        for (const QString& file : trackFiles)
            QCOMPARE(QProcess::execute("sox",
                         {"-n", "-r", "22050", "-c", "2", tracks.filePath(file), "synth", "0.15", "sine", "440", "vol",
                             "0.5"}),
                0);
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

    void picksFollowRandOverAllTracks()
    {
        GameFolder folder({}, trackFiles);
        SoundBank bank;
        QStringList expected;
        std::srand(7);
        for (int pick = 0; pick < 30; ++pick)
            expected << "Music//" + trackFiles[std::rand() % 3];
        std::srand(7);
        for (const QString& file : expected) {
            bank.playRandomTrack();
            QCOMPARE(loaded(bank), file);
            QCOMPARE(Mix_PlayingMusic(), 1);
        }
        QCOMPARE(std::set<QString>(expected.begin(), expected.end()).size(), std::size_t(3));
    }

    void musicRestartsWithinOneTick()
    {
        GameFolder folder({}, trackFiles);
        SoundBank bank;
        bank.keepMusicGoing(true);
        QCOMPARE(Mix_PlayingMusic(), 1);
        // A playing track is left alone: no new pick.
        std::srand(3);
        bank.keepMusicGoing(true);
        const int next = std::rand();
        QCOMPARE(next, randAfter(3, 0));

        Mix_HaltMusic();
        bank.keepMusicGoing(true);
        QCOMPARE(Mix_PlayingMusic(), 1);

        QDeadlineTimer deadline(2000);
        while (Mix_PlayingMusic() && !deadline.hasExpired())
            SDL_Delay(2);
        bank.keepMusicGoing(false);
        QCOMPARE(Mix_PlayingMusic(), 0);
        bank.keepMusicGoing(true);
        QCOMPARE(Mix_PlayingMusic(), 1);
    }

    // Only Chill (pick 1) is there: each tick before the first 1 picks anew, quickly, in vain.
    void missingTracksAreRetriedEachTick()
    {
        GameFolder folder({}, {"Chill.ogg"});
        SoundBank bank;
        const unsigned seed = 31;
        int silentTicks = 0;
        while (randAfter(seed, silentTicks) % 3 != 1)
            ++silentTicks;
        QVERIFY(silentTicks >= 2);
        QElapsedTimer timer;
        timer.start();
        std::srand(seed);
        for (int tick = 0; tick < silentTicks; ++tick) {
            bank.keepMusicGoing(true);
            QCOMPARE(Mix_PlayingMusic(), 0);
        }
        QVERIFY(timer.elapsed() < 10 * silentTicks);
        bank.keepMusicGoing(true);
        QCOMPARE(Mix_PlayingMusic(), 1);
        QCOMPARE(loaded(bank), QString("Music//Chill.ogg"));
    }

    void switchingMusicOffReleasesItAndOnStartsAtOnce()
    {
        GameFolder folder({}, trackFiles);
        SoundBank bank;
        bank.applyMusicSwitch(true);
        QCOMPARE(Mix_PlayingMusic(), 1);
        bank.applyMusicSwitch(false);
        bank.keepMusicGoing(false);
        QCOMPARE(Mix_PlayingMusic(), 0);
        QCOMPARE(loaded(bank), QString("none"));
        bank.applyMusicSwitch(true);
        QCOMPARE(Mix_PlayingMusic(), 1);
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
            std::srand(5);
            for (int effect = 0; effect < 4; ++effect)
                bank.play(Effect(effect), true);
            bank.playRandomTrack();
            bank.applyMusicSwitch(true);
            bank.keepMusicGoing(true);
            bank.applyMusicSwitch(false);
            const int next = std::rand();
            QCOMPARE(next, randAfter(5, 0));
            QCOMPARE(SDL_GetError(), "");
        }
        QCOMPARE(reports, 1);
    }

    // Each bank, also one built after a bank without device, starts afresh and shuts audio down.
    void banksCanBeRebuilt()
    {
        GameFolder folder(effectFiles, trackFiles);
        for (int round = 0; round < 2; ++round) {
            {
                SoundBank bank;
                int frequency = 0, channels = 0;
                Uint16 format = 0;
                QCOMPARE(Mix_QuerySpec(&frequency, &format, &channels), 1);
                QCOMPARE(frequency, 22050);
                QCOMPARE(format, Uint16(AUDIO_S16LSB));
                QCOMPARE(channels, 2);
                QCOMPARE(Mix_VolumeMusic(-1), 50);
                QCOMPARE(Mix_PlayingMusic(), 0);
                bank.play(Effect::Win, true);
                bank.applyMusicSwitch(true);
            }
            QCOMPARE(Mix_QuerySpec(nullptr, nullptr, nullptr), 0);
            QCOMPARE(SDL_WasInit(SDL_INIT_AUDIO), Uint32(0));
        }
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
