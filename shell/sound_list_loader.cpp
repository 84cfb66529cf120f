#include "sound_list_loader.h"

#include "data_script_file.h"
#include "foundation/common.h"
#include "foundation/folders.h"
#include "foundation/text.h"
#include "sound_list.h"

bool SoundListFilter(std::u16string& line) {
    line = TrimBlanks(line);
    line = line.substr(0, line.find(u' '));
    line = line.substr(0, line.find(u'\t'));
    return !line.empty() && line.front() != u'[' && line.front() != u'#';
}

void LoadSoundList(TSoundList& list) { LoadSoundList(list, Folders().DataFolder); }

// A record's position is its sound number. The zero padding at the file's end reads as
// empty records: they keep their numbers but name no sound.
void LoadSoundList(TSoundList& list, const std::filesystem::path& dataFolder) {
    TDataScriptFile sounds(dataFolder, "sounds", &SoundListFilter);
    std::int32_t number = 0;
    do {
        const std::string name = sounds.ReadLine();
        if (!name.empty()) list.AddSoundInfo(AnsiToUtf8(name), number);
        ++number;
    } while (!sounds.Eof());
}
