// pelmar-skin: packs, unpacks, lists and decodes skin files.

#include <iostream>

#include "tools/pelmar-skin/SkinTool.h"

int main(int argc, char** argv) {
  return skintool::RunSkinTool(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
