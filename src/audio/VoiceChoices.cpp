#include "audio/VoiceChoices.h"

#include <algorithm>
#include <iterator>

namespace verbalink::voicechoices {

namespace {

struct Choice {
    int commandId;
    int value;
};

constexpr Choice Presets[] = {
    {CommandId::VoiceDisabled, NoPreset},
    {CommandId::VoiceRobotic, Robotic},
    {CommandId::VoicePitchMale, PitchMale},
    {CommandId::VoicePitchFemale, PitchFemale},
    {CommandId::VoicePitchHelium, PitchHelium},
    {CommandId::VoicePitchBaby, PitchBaby},
    {CommandId::VoiceAlien, Alien},
    {CommandId::VoiceMutation, Mutation},
    {CommandId::VoiceMutationSlow, MutationSlow},
    {CommandId::VoiceMutationFast, MutationFast},
    {CommandId::VoiceAtari, Atari},
};
constexpr Choice Effects[] = {{CommandId::EffectDisabled, NoEffect},
                              {CommandId::EffectEcho, Echo},
                              {CommandId::EffectEchoMultiple, EchoMultiple},
                              {CommandId::EffectChorus, Chorus}};
constexpr Choice Volumes[] = {{CommandId::Volume100, 1},
                              {CommandId::Volume75, 2},
                              {CommandId::Volume50, 3},
                              {CommandId::Volume25, 4},
                              {CommandId::Volume10, 5}};

template <size_t N>
const Choice* find(const Choice (&table)[N], int commandId)
{
    const auto found =
        std::find_if(std::begin(table), std::end(table),
                     [commandId](const Choice& c) { return c.commandId == commandId; });
    return found == std::end(table) ? nullptr : found;
}

} // namespace

Preset presetFor(int commandId)
{
    const Choice* choice = find(Presets, commandId);
    return choice ? Preset(choice->value) : NoPreset;
}

Effect effectFor(int commandId)
{
    const Choice* choice = find(Effects, commandId);
    return choice ? Effect(choice->value) : NoEffect;
}

int volumeShiftFor(int commandId)
{
    const Choice* choice = find(Volumes, commandId);
    return choice ? choice->value : 4;
}

bool isPresetCommand(int commandId)
{
    return find(Presets, commandId) != nullptr;
}

bool isEffectCommand(int commandId)
{
    return find(Effects, commandId) != nullptr;
}

bool isVolumeCommand(int commandId)
{
    return find(Volumes, commandId) != nullptr;
}

int pitchSemitones(Preset preset)
{
    switch (preset) {
    case PitchMale:
        return -3;
    case PitchFemale:
        return 4;
    case PitchHelium:
        return 8;
    case PitchBaby:
        return 12;
    default:
        return 0;
    }
}

} // namespace verbalink::voicechoices
