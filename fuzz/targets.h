#pragma once

#include <cstddef>
#include <cstdint>

// What each fuzz target does with one input. The libFuzzer entry points call
// these, and the regression test replays every input that once failed.
namespace lumera::fuzz {

int lineBuffer(const std::uint8_t* data, std::size_t size);
int integerParser(const std::uint8_t* data, std::size_t size);
int pictureLoader(const std::uint8_t* data, std::size_t size);
int preparedMap(const std::uint8_t* data, std::size_t size);
// data.ini as the settings read it, and written back.
int settings(const std::uint8_t* data, std::size_t size);
// config.ini, then the bytes FF FE, then data.ini, read by the start-up of
// the real window in a folder that holds everything else it reads.
int startup(const std::uint8_t* data, std::size_t size);

} // namespace lumera::fuzz
