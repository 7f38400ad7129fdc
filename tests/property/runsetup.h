#pragma once

// What the long random runs over a real main window share: a program folder with our own
// hashes.dat and settings.ini, the seed and length from the environment, and quiet modal
// dialogs on the offscreen platform.

#include "guitestsupport.h"
#include "valuemaker.h"

#include <cstdint>
#include <vector>

namespace varn::property {

// A name whose entry disagrees with its hash, a second name for that hash (the first one
// wins), an empty name, a name that collides by case with typed ones, and one of 24 bytes.
[[nodiscard]] std::vector<NameEntry> runBaseNames();
// settings.ini and hashes.dat of a run with the given separator; the map shown if asked.
void writeRunFolder(const test::ProgramFolder& folder, char separator, bool showMap);
[[nodiscard]] std::uint64_t numberFromEnvironment(const char* name, std::uint64_t fallback);
// Drops the offscreen platform's notes on every raised dialog and docked map, which would bury
// a report.
void quietRaiseNotes();

}  // namespace varn::property
