// The readers under test take file names, so each input is written to one scratch file per
// fuzzing process (in memory-backed /dev/shm when there is one).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Writes the input to the scratch file and returns its path.
const std::string& writeFuzzInput(const std::uint8_t* data, std::size_t size, const char* suffix);
