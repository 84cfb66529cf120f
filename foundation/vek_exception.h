#pragma once
// The exception class of all of the system's own code. Messages are fixed English texts;
// the engine, the fonts and the game derive their own classes from it.
#include <stdexcept>
#include <string>

class VekException : public std::runtime_error {
public:
    explicit VekException(const std::string& message) : std::runtime_error(message) {}
};
