// The two alert sounds: the plain beep and the desktop's error sound (the sound theme's
// "dialog-error", played through libcanberra), and the sound of error messages in the status
// line, at most one a second.
#pragma once

#include "core/appmodel/SoundThrottle.h"

#include <QElapsedTimer>
#include <functional>

struct ca_context;

namespace orvel {

class TSounds {
public:
    using TPlayer = std::function<bool()>; // false when the sound could not be played

    TSounds();
    ~TSounds();
    TSounds(const TSounds&) = delete;
    TSounds& operator=(const TSounds&) = delete;

    // The beep: the sound theme's "bell" unless a player is set. The program's windows set
    // QApplication::beep, which rings the display's own bell.
    void SetBeepPlayer(TPlayer player) { FBeepPlayer = std::move(player); }
    // Replaces the error sound (for tests).
    void SetErrorSoundPlayer(TPlayer player) { FErrorPlayer = std::move(player); }
    // Replaces the monotonic clock in milliseconds (for tests).
    void SetClock(std::function<uint64_t()> clock) { FClock = std::move(clock); }

    void Beep();
    // The desktop's error sound, or the beep when it cannot be played.
    void ErrorSound();
    // The error sound when desktopSound (the preference "CommonWindowsSound"), else the beep.
    void Alert(bool desktopSound);

    // Called on every change of the status line with the new message's kind (2 is an error):
    // an error sounds unless the line changed less than a second before. True when it sounded.
    bool StatusChanged(int kind, bool desktopSound);

private:
    bool PlayEvent(const char* eventId, const char* description);

    TPlayer FBeepPlayer;
    TPlayer FErrorPlayer;
    std::function<uint64_t()> FClock;
    QElapsedTimer FTimer;
    TSoundThrottle FThrottle;
    ::ca_context* FContext = nullptr;
    bool FContextFailed = false;
};

// The kind of an error message in the status line.
inline constexpr int StatusKindError = 2;

} // namespace orvel
