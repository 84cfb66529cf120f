#include "wave_man.h"

#include <vector>

#include "foundation/file_lookup.h"

namespace {
constexpr std::uint8_t Without(std::uint8_t flags, std::uint8_t off) {
    return static_cast<std::uint8_t>(flags & ~off);
}
}  // namespace

TWaveMan::TWaveMan(platform::WaveOutput& output, bool enable) : FOutput(output) {
    if (enable) FEnabled = FOutput.HasDevice();
    FOutput.SetDoneHandler([this](platform::WaveToken token) {
        const std::uint16_t id = WaveDone(token);
        if (FOnSoundEnded) FOnSoundEnded(id);
    });
}

TWaveMan::~TWaveMan() {
    StopCurrent();
    Sounds.Clear();
    FOutput.SetDoneHandler(nullptr);
}

bool TWaveMan::SetEnabled(bool flag) {
    FEnabled = flag && FOutput.HasDevice();
    return FEnabled;
}

void TWaveMan::SetFolder(std::string_view path) {
    FFolder = path;
    if (!FFolder.empty() && FFolder.back() != '/') FFolder += '/';
}

TSoundNode* TWaveMan::FindSound(std::uint16_t id) const {
    for (TSoundNode* sound : NodesOf<TSoundNode>(Sounds))
        if (sound->Id == id) return sound;
    return nullptr;
}

TSoundNode* TWaveMan::Playing() const {
    for (TSoundNode* sound : NodesOf<TSoundNode>(Sounds))
        if (sound->Playing) return sound;
    return nullptr;
}

std::uint16_t TWaveMan::PlayingID() const {
    const TSoundNode* sound = Playing();
    return sound != nullptr ? sound->Id : 0;
}

bool TWaveMan::IsLooping() const {
    const TSoundNode* sound = Playing();
    return sound != nullptr && sound->Loops();
}

bool TWaveMan::Load(std::string_view name, std::uint16_t id, std::uint8_t loadFlags) {
    if (!FEnabled) return false;
    if (FindSound(id) != nullptr) return true;
    TWaveData data;
    // A sound id without a name in the sound list asks for no file at all.
    const int code = name.empty() ? kWaveCannotOpen
                                  : LoadWaveFile(DataFilePath(FFolder, std::string(name) + ".wav"),
                                                 data);
    if (code != kWaveLoadOk) {
        FLastError = code;
        return false;
    }
    Sounds.Append(std::make_unique<TSoundNode>(
        id, Without(loadFlags, kSoundPending | kSoundResume), std::move(data)));
    return true;
}

bool TWaveMan::Play(std::uint16_t id, std::uint32_t mode, bool loop) {
    if (!FEnabled) return false;
    TSoundNode* sound = FindSound(id);
    if (sound == nullptr) return false;
    if (loop) sound->SetLoop();
    if (mode & kModeStopLoop) mode |= kModeInterruptLoop;
    if (mode & kModeStopSound) mode |= kModeInterruptSound;

    TSoundNode* current = Playing();
    bool result;
    if (current == nullptr) {
        result = sound->Play(FOutput);
    } else if (current == sound && !(mode & kModeEvenIfPlaying)) {
        return true;
    } else if (current->Loops() ? !(mode & kModeInterruptLoop) : !(mode & kModeInterruptSound)) {
        result = current == sound;
    } else {
        result = true;
        if (current->Loops()) {
            if (current == sound) {
                if (!loop && (mode & kModeDropLoop)) current->BreakLoop();
            } else {
                if (!(mode & kModeDropLoop)) current->Flags |= kSoundResume;
                if (mode & kModeStopLoop)
                    current->Stop();
                else
                    current->BreakLoop();
                sound->Flags |= kSoundPending;
            }
        } else {
            if (mode & kModeStopSound) {
                current->Stop();
                current->Flags |= kSoundToHead;
            }
            if (current == sound)
                current->Flags |= kSoundResume;
            else
                sound->Flags |= kSoundPending;
        }
    }
    if (!result && (sound->Flags & kSoundOneShot)) Free(sound);
    return result;
}

std::uint16_t TWaveMan::WaveDone(platform::WaveToken token) {
    std::uint16_t result = 0;
    TSoundNode* done = nullptr;
    if (token != 0) {
        for (TSoundNode* sound : NodesOf<TSoundNode>(Sounds))
            if (sound->Token() == token) {
                done = sound;
                break;
            }
    }
    if (done != nullptr) {
        done->Playing = false;
        done->Flags = Without(done->Flags, kSoundPending);
        result = done->Id;
        done->Stop();
        done->ForgetToken();
        std::unique_ptr<TVekNode> owned = Sounds.Remove(done);
        const bool keep = !(done->Flags & kSoundOneShot) || (done->Flags & kSoundResume);
        if (keep) {
            if (done->Flags & kSoundToHead) {
                done->Flags = Without(done->Flags, kSoundToHead);
                Sounds.InsertFirst(std::move(owned));
            } else {
                Sounds.Append(std::move(owned));
            }
            if (done->Flags & kSoundResume)
                done->Flags = static_cast<std::uint8_t>(Without(done->Flags, kSoundResume) |
                                                        kSoundPending);
        }
    }
    StartNextPending();
    return result;
}

void TWaveMan::StartNextPending() {
    for (;;) {
        if (Playing() != nullptr) return;
        // The first pending sound that does not loop, else the first pending loop: a loop
        // waits until the single sounds queued before it have played.
        TSoundNode* chosen = nullptr;
        for (TSoundNode* sound : NodesOf<TSoundNode>(Sounds)) {
            if (!(sound->Flags & kSoundPending)) continue;
            if (chosen == nullptr || (chosen->Loops() && !sound->Loops())) chosen = sound;
        }
        if (chosen == nullptr) return;
        if (chosen->Loops()) FreeLoopsExcept(chosen->Id);
        if (chosen->Play(FOutput)) return;
        // A queued sound that cannot start must not stall the queue: it has lost its
        // pending flag, a one-shot one is freed, and the next one is tried.
        if (chosen->Flags & kSoundOneShot) Free(chosen);
    }
}

void TWaveMan::StopCurrent() {
    if (TSoundNode* sound = Playing()) sound->Stop();
}

void TWaveMan::Unload(std::uint16_t id) {
    TSoundNode* sound = FindSound(id);
    if (sound == nullptr) return;
    if (sound->Playing) {
        // Freed by WaveDone when its completion arrives.
        sound->Flags = kSoundOneShot;
        StopCurrent();
    } else {
        Free(sound);
    }
}

void TWaveMan::UnloadAll() {
    std::vector<std::uint16_t> ids;
    for (const TSoundNode* sound : NodesOf<TSoundNode>(Sounds)) ids.push_back(sound->Id);
    for (std::uint16_t id : ids) Unload(id);
}

void TWaveMan::StopLoops() {
    if (IsLooping()) StopCurrent();
    std::vector<std::uint16_t> ids;
    for (const TSoundNode* sound : NodesOf<TSoundNode>(Sounds))
        if (sound->LoopCount() > 1) ids.push_back(sound->Id);
    for (std::uint16_t id : ids) Unload(id);
}

void TWaveMan::FreeLoopsExcept(std::uint16_t id) {
    std::vector<TSoundNode*> doomed;
    for (TSoundNode* sound : NodesOf<TSoundNode>(Sounds))
        if (sound->Loops() && !sound->Playing && sound->Id != id) doomed.push_back(sound);
    for (TSoundNode* sound : doomed) Free(sound);
}

void TWaveMan::Free(TSoundNode* sound) { Sounds.Remove(sound); }
