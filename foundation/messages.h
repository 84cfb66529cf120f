#pragma once
// Message boxes and the program's string table, through the installed platform services.
#include <cstdint>
#include <string>

// Modal box with an OK button and no icon.
void ShowInfo(const std::u16string& caption, const std::u16string& text);
// Yes/No with the question icon; true for Yes.
bool AskYesNo(const std::u16string& caption, const std::u16string& text);
// Yes/No/Cancel with the question icon: 2 for Yes, 1 for No, 0 for Cancel or a closed box.
int AskYesNoCancel(const std::u16string& caption, const std::u16string& text);

// The program's own string table: each program registers its lookup at start. An id
// without an entry (or no table) gives empty text; entries are cut to 255 characters.
using TStringTableLookup = std::u16string (*)(std::uint16_t id);
void RegisterStringTable(TStringTableLookup lookup);
std::u16string LoadTableString(std::uint16_t id);
