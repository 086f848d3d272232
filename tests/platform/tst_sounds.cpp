// Which sound an error message makes, and when it makes none.
#include "platform/Sounds.h"

#include <QtTest>

using namespace orvel;

class TestSounds : public QObject {
    Q_OBJECT

private slots:
    void errorsSoundAtMostOnceASecond() {
        TSounds sounds;
        uint64_t now = 0;
        QStringList played;
        sounds.SetClock([&] { return now; });
        sounds.SetBeepPlayer([&] { return played << "beep", true; });
        sounds.SetErrorSoundPlayer([&] { return played << "error", true; });

        const int info = 0, error = StatusKindError, progress = 4;
        now = 100;
        QVERIFY(sounds.StatusChanged(error, false));
        now = 600;
        QVERIFY(!sounds.StatusChanged(error, false)); // 500 ms after the first
        now = 700;
        QVERIFY(!sounds.StatusChanged(info, true));
        now = 2200;
        QVERIFY(sounds.StatusChanged(error, true)); // 1.5 s after an information message
        now = 5000;
        QVERIFY(!sounds.StatusChanged(progress, true));
        now = 5400;
        QVERIFY(!sounds.StatusChanged(error, true)); // right after a progress message
        QCOMPARE(played, QStringList({"beep", "error"}));
    }

    void desktopSoundFallsBackToTheBeep() {
        TSounds sounds;
        QStringList played;
        sounds.SetBeepPlayer([&] { return played << "beep", true; });
        sounds.SetErrorSoundPlayer([&] { return played << "no error sound", false; });
        sounds.Alert(true);
        sounds.Alert(false);
        QCOMPARE(played, QStringList({"no error sound", "beep", "beep"}));
    }

    void soundThemeSoundsNeverFail() {
        // Through libcanberra, whatever sound system the machine has or lacks.
        TSounds sounds;
        sounds.Alert(true);
        sounds.Alert(false);
        sounds.ErrorSound();
    }
};

QTEST_GUILESS_MAIN(TestSounds)
#include "tst_sounds.moc"
