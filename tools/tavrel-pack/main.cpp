#include <iostream>
#include <string>
#include <vector>

#include "pack_command.h"

int main(int argc, char** argv) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  try {
    return tavrel::pack::RunCommand(arguments, std::cout, std::cerr);
  } catch (const std::exception& e) {
    std::cerr << "tavrel-pack: " << e.what() << "\n";
    return tavrel::pack::kExitFailed;
  }
}
