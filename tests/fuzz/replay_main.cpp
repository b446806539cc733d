#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// Where libFuzzer is not at hand: runs every seed, every cut of it, and a fixed series of random
// edits of it, so the same inputs are tried on every run.
namespace {

void Run(const std::string& bytes) {
  LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

std::string Read(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> seeds;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path path = argv[i];
    if (std::filesystem::is_directory(path)) {
      for (const auto& entry : std::filesystem::directory_iterator(path)) {
        if (entry.is_regular_file()) seeds.push_back(Read(entry.path()));
      }
    } else {
      seeds.push_back(Read(path));
    }
  }
  if (seeds.empty()) {
    std::fprintf(stderr, "usage: %s SEED-FILE-OR-FOLDER...\n", argv[0]);
    return 2;
  }
  std::uint64_t state = 0x9E3779B97F4A7C15u;
  auto random = [&](std::size_t bound) {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return bound == 0 ? 0 : static_cast<std::size_t>(state % bound);
  };
  const std::string specials = "\r\n-=;:\"<>#%\t ";
  std::size_t runs = 0;
  for (const std::string& seed : seeds) {
    for (std::size_t cut = 0; cut <= seed.size(); ++cut, ++runs) Run(seed.substr(0, cut));
    for (int round = 0; round < 3000; ++round, ++runs) {
      std::string bytes = seed;
      for (std::size_t edits = 1 + random(8); edits > 0 && !bytes.empty(); --edits) {
        const std::size_t at = random(bytes.size());
        switch (random(4)) {
          case 0:
            bytes[at] = static_cast<char>(random(256));
            break;
          case 1:
            bytes[at] = specials[random(specials.size())];
            break;
          case 2:
            bytes.erase(at, 1 + random(16));
            break;
          default:
            bytes.insert(at, seeds[random(seeds.size())].substr(0, random(64)));
            break;
        }
      }
      Run(bytes);
    }
  }
  std::printf("%zu inputs from %zu seeds\n", runs, seeds.size());
  return 0;
}
