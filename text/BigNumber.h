#pragma once
// Whole numbers of any size, for the number reading and the number texts, which are exact:
// only the few operations those need.
#include <cstdint>
#include <string>
#include <vector>

namespace kestal {

class BigNumber {
 public:
  explicit BigNumber(std::uint64_t value = 0);

  void MultiplyBy(std::uint32_t factor);
  void Add(std::uint32_t value);
  void MultiplyByPowerOfTen(int exponent);  // exponent 0 or more
  void ShiftLeft(int bits);
  void ShiftRight(int bits);
  // Divides by `divisor` (above 0) and gives the remainder.
  std::uint32_t DivideBy(std::uint32_t divisor);
  // Takes `smaller`, which must not be larger, away.
  void Subtract(const BigNumber& smaller);

  int BitLength() const;
  bool IsZero() const { return words_.empty(); }
  // Below 0, 0 or above 0 as `a` is less than, equal to or greater than `b`.
  friend int Compare(const BigNumber& a, const BigNumber& b);

 private:
  void Trim();
  std::vector<std::uint32_t> words_;  // the lowest first; the highest never 0
};

// The whole part of a / b, which must be below 2^63; `a` becomes the remainder.
std::uint64_t DivideWhole(BigNumber& a, BigNumber b);

// The decimal digits of the number.
std::string DecimalDigits(BigNumber number);

}  // namespace kestal
