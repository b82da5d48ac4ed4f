#pragma once
// Helpers shared by the fuzz targets: the input as bytes or as text, and a check that ends the run
// as a finding (libFuzzer keeps the input that made it fail).
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace brelt::fuzz {

inline std::string_view bytes(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// As the program reads a text file: UTF-8 (a byte order mark dropped, bad bytes replaced).
inline QString text(const std::uint8_t* data, std::size_t size) {
    return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// A property every input must keep; a broken one is a finding.
inline void check(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

// Messages about a damaged file stay short whatever the file holds (beyond the path they name).
inline constexpr std::size_t kMessageLimit = 1000;

} // namespace brelt::fuzz
