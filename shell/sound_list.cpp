#include "sound_list.h"

#include <memory>

void TSoundList::AddSoundInfo(std::string_view name, std::int32_t number) {
    Append(std::make_unique<TSoundInfoNode>(name, number));
}

std::string TSoundList::SoundFileName(std::int32_t waveId) const {
    for (const TSoundInfoNode* sound : NodesOf<TSoundInfoNode>(*this))
        if (sound->Number == waveId) return sound->GetID();
    return {};
}
