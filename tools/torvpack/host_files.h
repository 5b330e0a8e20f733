// Whole host files in and out, for torvpack's commands.
#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace torvpack {

// True when the whole file could be read into `data`.
bool readWholeFile(const std::filesystem::path& path, std::vector<uint8_t>& data);
// True when the file now holds exactly the `size` bytes of `data`.
bool writeWholeFile(const std::filesystem::path& path, const uint8_t* data, size_t size);

}  // namespace torvpack
