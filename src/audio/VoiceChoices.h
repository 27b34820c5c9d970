#pragma once

#include "platform/CommandId.h"

namespace verbalink {

// The voice changer's menu choices: command ids of the "Voices", "Sound Effects" and music
// volume entries and the values the processing uses.
namespace voicechoices {

enum Preset {
    NoPreset = 0,
    Robotic = 4,
    PitchMale = 5,
    PitchFemale = 6,
    PitchHelium = 7,
    PitchBaby = 8,
    Alien = 9,
    Mutation = 10,
    MutationSlow = 11,
    MutationFast = 12,
    Atari = 13,
};

enum Effect { NoEffect = 0, Echo = 1, EchoMultiple = 2, Chorus = 3 };

// An id that is no entry gives no preset, no effect, and the shift of "Volume 25%" (the default
// volume).
Preset presetFor(int commandId);
Effect effectFor(int commandId);
int volumeShiftFor(int commandId);
bool isPresetCommand(int commandId);
bool isEffectCommand(int commandId);
bool isVolumeCommand(int commandId);
// Semitones of the four fixed pitch presets, 0 for the others.
int pitchSemitones(Preset preset);

} // namespace voicechoices

} // namespace verbalink
