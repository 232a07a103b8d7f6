// Reads typed values off the fuzzer's bytes; past the end everything is 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  template <typename T>
  T take() {
    T value{};
    const std::size_t n = size_ - pos_ < sizeof(T) ? size_ - pos_ : sizeof(T);
    if (n > 0) std::memcpy(&value, data_ + pos_, n);
    pos_ += n;
    return value;
  }

  // A text of up to `max` bytes, its length taken from one byte first.
  std::string text(std::size_t max) {
    std::size_t n = take<std::uint8_t>() % (max + 1);
    if (n > size_ - pos_) n = size_ - pos_;
    std::string s(reinterpret_cast<const char*>(data_ + pos_), n);
    pos_ += n;
    return s;
  }

  std::string rest() {
    std::string s(reinterpret_cast<const char*>(data_ + pos_), size_ - pos_);
    pos_ = size_;
    return s;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};
