#include "text/BigNumber.h"

#include <algorithm>
#include <bit>

namespace kestal {

BigNumber::BigNumber(std::uint64_t value) {
  for (; value != 0; value >>= 32) words_.push_back(static_cast<std::uint32_t>(value));
}

void BigNumber::Trim() {
  while (!words_.empty() && words_.back() == 0) words_.pop_back();
}

void BigNumber::MultiplyBy(std::uint32_t factor) {
  std::uint64_t carry = 0;
  for (std::uint32_t& word : words_) {
    carry += std::uint64_t{word} * factor;
    word = static_cast<std::uint32_t>(carry);
    carry >>= 32;
  }
  if (carry != 0) words_.push_back(static_cast<std::uint32_t>(carry));
  Trim();
}

void BigNumber::Add(std::uint32_t value) {
  std::uint64_t carry = value;
  for (std::size_t i = 0; carry != 0; ++i) {
    if (i == words_.size()) words_.push_back(0);
    carry += words_[i];
    words_[i] = static_cast<std::uint32_t>(carry);
    carry >>= 32;
  }
}

void BigNumber::MultiplyByPowerOfTen(int exponent) {
  for (; exponent >= 9; exponent -= 9) MultiplyBy(1000000000);
  for (; exponent > 0; --exponent) MultiplyBy(10);
}

void BigNumber::ShiftLeft(int bits) {
  if (words_.empty() || bits <= 0) return;
  const int whole = bits / 32, part = bits % 32;
  if (part != 0) {
    std::uint32_t carry = 0;
    for (std::uint32_t& word : words_) {
      const std::uint32_t next = word >> (32 - part);
      word = (word << part) | carry;
      carry = next;
    }
    if (carry != 0) words_.push_back(carry);
  }
  words_.insert(words_.begin(), static_cast<std::size_t>(whole), 0);
}

void BigNumber::ShiftRight(int bits) {
  const auto whole = static_cast<std::size_t>(bits / 32);
  const int part = bits % 32;
  if (whole >= words_.size()) {
    words_.clear();
    return;
  }
  words_.erase(words_.begin(), words_.begin() + static_cast<std::ptrdiff_t>(whole));
  if (part != 0) {
    for (std::size_t i = 0; i < words_.size(); ++i) {
      const std::uint32_t high = i + 1 < words_.size() ? words_[i + 1] << (32 - part) : 0;
      words_[i] = (words_[i] >> part) | high;
    }
  }
  Trim();
}

std::uint32_t BigNumber::DivideBy(std::uint32_t divisor) {
  std::uint64_t rest = 0;
  for (std::size_t i = words_.size(); i-- > 0;) {
    rest = (rest << 32) | words_[i];
    words_[i] = static_cast<std::uint32_t>(rest / divisor);
    rest %= divisor;
  }
  Trim();
  return static_cast<std::uint32_t>(rest);
}

void BigNumber::Subtract(const BigNumber& smaller) {
  std::int64_t borrow = 0;
  for (std::size_t i = 0; i < words_.size(); ++i) {
    std::int64_t difference = std::int64_t{words_[i]} - borrow -
                              (i < smaller.words_.size() ? std::int64_t{smaller.words_[i]} : 0);
    borrow = difference < 0 ? 1 : 0;
    words_[i] = static_cast<std::uint32_t>(difference + (borrow << 32));
  }
  Trim();
}

int BigNumber::BitLength() const {
  if (words_.empty()) return 0;
  return static_cast<int>(32 * (words_.size() - 1) +
                          static_cast<std::size_t>(std::bit_width(words_.back())));
}

int Compare(const BigNumber& a, const BigNumber& b) {
  if (a.words_.size() != b.words_.size()) return a.words_.size() < b.words_.size() ? -1 : 1;
  for (std::size_t i = a.words_.size(); i-- > 0;) {
    if (a.words_[i] != b.words_[i]) return a.words_[i] < b.words_[i] ? -1 : 1;
  }
  return 0;
}

std::uint64_t DivideWhole(BigNumber& a, BigNumber b) {
  const int top = a.BitLength() - b.BitLength();
  if (top < 0) return 0;
  b.ShiftLeft(top);
  std::uint64_t quotient = 0;
  for (int bit = top; bit >= 0; --bit) {
    quotient <<= 1;
    if (Compare(a, b) >= 0) {
      a.Subtract(b);
      quotient |= 1;
    }
    b.ShiftRight(1);
  }
  return quotient;
}

std::string DecimalDigits(BigNumber number) {
  std::string digits;
  do {
    std::uint32_t group = number.DivideBy(1000000000);
    for (int i = 0; i < 9; ++i, group /= 10) digits += static_cast<char>('0' + group % 10);
  } while (!number.IsZero());
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::reverse(digits.begin(), digits.end());
  return digits;
}

}  // namespace kestal
