#pragma once

namespace model {

// Free-fall acceleration, m/s^2. The program's figures are computed with exactly this value.
inline constexpr double g = 9.814;
// 2·g as the closed forms write it.
inline constexpr double twoG = 19.628;
// pi as the eight-decimal figure every formula of the program uses (not the full-precision one).
inline constexpr double pi = 3.14159265;

} // namespace model
