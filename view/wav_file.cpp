#include <fstream>
#include <system_error>

#include "wav_check.h"

namespace trelavka {

bool isPlayableWav(const std::filesystem::path& file) noexcept {
  try {
    std::error_code ec;
    // A folder opens and a pipe blocks: only a plain file is read.
    if (!std::filesystem::is_regular_file(file, ec)) return false;
    const std::uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec) return false;
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    return isPlayableWav(size, [&in](std::uint64_t offset, unsigned char* buf, std::size_t n) {
      in.clear();
      in.seekg(static_cast<std::streamoff>(offset));
      in.read(reinterpret_cast<char*>(buf), static_cast<std::streamsize>(n));
      return in && in.gcount() == static_cast<std::streamsize>(n);
    });
  } catch (...) {
    return false;
  }
}

}  // namespace trelavka
