#pragma once
// The sound list: the wave files of the game, numbered in the order the sounds file lists
// them. The sounds-file loader fills it once at start; the sound routines look names up in it.
#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/id_list.h"

// One wave file: its ID is the file's name without folder and extension, upper-cased.
class TSoundInfoNode : public TIDNode {
public:
    TSoundInfoNode(std::string_view name, std::int32_t number) : TIDNode(name), Number(number) {}
    std::int32_t Number;
};

class TSoundList : public TIDList {
public:
    void AddSoundInfo(std::string_view name, std::int32_t number);
    // The name of the first sound, in list order, numbered `waveId`; empty when none is.
    std::string SoundFileName(std::int32_t waveId) const;
};
