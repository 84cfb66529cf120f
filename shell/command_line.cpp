#include "shell/command_line.h"

#include "foundation/config.h"
#include "foundation/text.h"

TCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    TCommandLine line;
    for (const std::string& argument : arguments) {
        const std::string word = UpperAscii(argument);
        if (word == "NOMIDI") {
            line.MidiAllowed = false;
        } else if (word == "NOWAVE") {
            line.WaveAllowed = false;
        } else if (word == "NOSOUND") {
            line.MidiAllowed = false;
            line.WaveAllowed = false;
        } else {
            const std::u16string name = Utf8ToUtf16(argument);
            if (TConfig::ConfigExists(name)) line.ConfigName = name;
        }
    }
    return line;
}
