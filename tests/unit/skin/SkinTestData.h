#pragma once
// Test files under tests/data, read whole.

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

inline std::vector<std::uint8_t> ReadTestFile(const std::string& relative) {
  std::ifstream file(std::string(PELMAR_TEST_DATA) + "/" + relative, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {});
}
