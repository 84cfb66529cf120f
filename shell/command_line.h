#pragma once
// The game's command line: sound switches and the configuration to play with.
#include <string>
#include <vector>

struct TCommandLine {
    bool WaveAllowed = true;
    bool MidiAllowed = true;
    std::u16string ConfigName = u"Default";
};

// Each argument, compared upper-cased: "NOMIDI" turns music off, "NOWAVE" sound effects,
// "NOSOUND" both; any other argument naming an existing configuration file becomes the
// configuration, the last such one winning. Anything else is ignored.
TCommandLine ParseCommandLine(const std::vector<std::string>& arguments);
