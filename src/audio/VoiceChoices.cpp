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
    {33186, NoPreset},     {33190, Robotic},      {33191, PitchMale}, {33192, PitchFemale},
    {33194, PitchHelium},  {33252, PitchBaby},    {33327, Alien},     {33344, Mutation},
    {33345, MutationSlow}, {33346, MutationFast}, {33370, Atari},
};
constexpr Choice Effects[] = {
    {33353, NoEffect}, {33187, Echo}, {33188, EchoMultiple}, {33189, Chorus}};
constexpr Choice Volumes[] = {{33198, 1}, {33199, 2}, {33200, 3}, {33201, 4}, {33202, 5}};

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
