#pragma once

#include "skype/IncomingMessageHandler.h"
#include "skype/MessageCipher.h"
#include "skype/MessageFeatures.h"
#include "skype/MessageSpeaker.h"
#include "skype/OutgoingJobRunner.h"
#include "skype/ServiceSlot.h"
#include "skype/TextArtTable.h"

namespace verbalink {

// The features that chat messages reach, each plugged in by its own part of the program. An
// empty slot means the feature is absent: no switches set, no cipher (encryption off), no
// runner (jobs are dropped), no handler for that step.
struct MessageServices {
    ServiceSlot<MessageFeatures> features;
    ServiceSlot<MessageCipher> cipher;
    ServiceSlot<OutgoingJobRunner> outgoingRunner;
    ServiceSlot<IncomingMessageHandler> robot;
    ServiceSlot<IncomingMessageHandler> popup;
    ServiceSlot<IncomingMessageHandler> decryption;
    ServiceSlot<IncomingMessageHandler> incomingTranslation;
    ServiceSlot<MessageSpeaker> speaker;
    ServiceSlot<TextArtTable> textArt;

    // Encryption counts only when it is switched on and a cipher is there to do it.
    bool encryptionOn() const;
};

} // namespace verbalink
