#pragma once
// Splits a fuzzer input into field texts: one field per line, missing fields empty. Lines keep
// every other byte, so each field still sees arbitrary text.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quadrova::fuzz {

template <std::size_t N>
std::array<std::string, N> Fields(const std::uint8_t* data, std::size_t size) {
    std::array<std::string, N> fields;
    const std::string_view in(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    for (std::size_t i = 0; i < N && start <= in.size(); ++i) {
        const std::size_t end = in.find('\n', start);
        fields[i] = std::string(in.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    return fields;
}

} // namespace quadrova::fuzz
