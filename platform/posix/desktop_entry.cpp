#include "desktop_entry.h"

#include <cstdint>
#include <system_error>

#include "platform/file_replace.h"

namespace platform::posix {

std::string QuoteExecWord(std::string_view word) {
    std::string out = "\"";
    for (char c : word) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') out += '\\';
        if (c == '%') out += '%';
        out += c;
    }
    out += '"';
    return out;
}

std::string EscapeEntryValue(std::string_view value) {
    std::string out;
    for (char c : value) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            case '\r': out += "\\r"; break;
            default: out += c;
        }
    }
    return out;
}

std::string FormatDesktopEntry(const DesktopLauncher& launcher) {
    std::string exec = QuoteExecWord(launcher.Program.string());
    for (const std::string& argument : launcher.Arguments) exec += ' ' + QuoteExecWord(argument);

    std::string text = "[Desktop Entry]\nType=Application\n";
    text += "Name=" + EscapeEntryValue(launcher.Name) + '\n';
    if (!launcher.Comment.empty()) text += "Comment=" + EscapeEntryValue(launcher.Comment) + '\n';
    if (!launcher.Icon.empty()) text += "Icon=" + EscapeEntryValue(launcher.Icon) + '\n';
    text += "Exec=" + EscapeEntryValue(exec) + '\n';
    if (!launcher.WorkingFolder.empty()) text += "Path=" + EscapeEntryValue(launcher.WorkingFolder.string()) + '\n';
    text += "Terminal=false\n";
    if (!launcher.Categories.empty()) {
        text += "Categories=";
        for (const std::string& category : launcher.Categories) text += category + ';';
        text += '\n';
    }
    if (!launcher.StartupWMClass.empty()) text += "StartupWMClass=" + EscapeEntryValue(launcher.StartupWMClass) + '\n';
    return text;
}

bool WriteDesktopLauncher(const std::filesystem::path& file, const DesktopLauncher& launcher, std::string& failure) {
    namespace fs = std::filesystem;
    const std::string text = FormatDesktopEntry(launcher);
    std::string reason;
    if (!ReplaceFileContents(file, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, reason)) {
        failure = "cannot write \"" + file.string() + "\": " + reason;
        return false;
    }
    std::error_code error;
    fs::permissions(file,
                    fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                        fs::perms::others_read | fs::perms::others_exec,
                    error);
    if (error) {
        failure = "cannot make \"" + file.string() + "\" executable: " + error.message();
        return false;
    }
    return true;
}

}  // namespace platform::posix
