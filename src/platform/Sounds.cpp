#include "platform/Sounds.h"

#include <canberra.h>

namespace orvel {

TSounds::TSounds() {
    FTimer.start();
}

TSounds::~TSounds() {
    if (FContext)
        ca_context_destroy(FContext);
}

bool TSounds::PlayEvent(const char* eventId, const char* description) {
    if (!FContext && !FContextFailed) {
        if (ca_context_create(&FContext) != CA_SUCCESS) {
            FContext = nullptr;
            FContextFailed = true;
        } else {
            ca_context_change_props(FContext, CA_PROP_APPLICATION_NAME, "Orvel",
                                    CA_PROP_APPLICATION_ID, "org.dorne.Orvel", nullptr);
        }
    }
    if (!FContext)
        return false;
    return ca_context_play(FContext, 0, CA_PROP_EVENT_ID, eventId, CA_PROP_EVENT_DESCRIPTION,
                           description, nullptr) == CA_SUCCESS;
}

void TSounds::Beep() {
    if (FBeepPlayer)
        FBeepPlayer();
    else
        PlayEvent("bell", "Beep");
}

void TSounds::ErrorSound() {
    const bool played = FErrorPlayer ? FErrorPlayer() : PlayEvent("dialog-error", "Error");
    if (!played)
        Beep();
}

void TSounds::Alert(bool desktopSound) {
    if (desktopSound)
        ErrorSound();
    else
        Beep();
}

bool TSounds::StatusChanged(int kind, bool desktopSound) {
    const uint64_t now = FClock ? FClock() : uint64_t(FTimer.elapsed());
    if (!FThrottle.StatusChanged(kind == StatusKindError, now))
        return false;
    Alert(desktopSound);
    return true;
}

} // namespace orvel
