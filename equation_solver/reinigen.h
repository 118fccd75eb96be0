#pragma once
// Cleaning of a number typed by the user, shared by the equation solver and the interpolation.

#include <string>
#include <string_view>

namespace quadrova {

// Keeps only digits, "+", "-" and "."; a decimal comma becomes a point. Everything else (letters,
// blanks, the bytes of non-ASCII characters) is dropped, so "1,5 m" gives "1.5".
std::string Reinigen(std::string_view text);

} // namespace quadrova
