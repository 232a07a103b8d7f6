// A property value: a CP932 text, or a number kept as its decimal text.
#pragma once

#include <climits>
#include <limits>
#include <string>

class WSCvariant {
 public:
  // What a text that is no number converts to: below every range the program
  // accepts, so an emptied or mistyped field is ignored rather than read as 0.
  static constexpr int kNoInt = INT_MIN;
  static constexpr double kNoDouble = std::numeric_limits<double>::lowest();

  WSCvariant() = default;
  explicit WSCvariant(std::string cp932_text);
  explicit WSCvariant(long number);

  // The text read as an optionally signed decimal number with blanks around it
  // (ASCII or full-width digits, blanks, signs and point). operator int drops
  // the fraction toward zero and saturates at the int range.
  operator int() const;
  operator double() const;
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// The number a CP932 text holds, if it is one (see WSCvariant).
bool toolkit_parse_number(const std::string& cp932_text, double& value);
