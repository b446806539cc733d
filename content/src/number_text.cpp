#include "quillory/content/number_text.h"

#include <cmath>
#include <cstdio>

namespace quillory {

std::string OneDecimalText(double value) {
  const double tenths = value * 10.0;
  double whole = std::floor(tenths);
  const double fraction = tenths - whole;
  // A percentage such as 3 / 80 × 100 lands a hair off 3.75 in binary; within this tolerance a
  // value is taken for the exact half it stands for.
  constexpr double kTolerance = 1e-9;
  if (std::fabs(fraction - 0.5) < kTolerance) {
    if (std::fmod(whole, 2.0) != 0.0) whole += 1.0;
  } else if (fraction > 0.5) {
    whole += 1.0;
  }
  const long long rounded = static_cast<long long>(whole);
  const long long integral = rounded / 10;
  const long long decimal = std::llabs(rounded % 10);
  std::string text = (rounded < 0 && integral == 0 ? "-" : "") + std::to_string(integral);
  if (decimal != 0) text += "." + std::to_string(decimal);
  return text;
}

std::string PercentText(int score, int total) {
  return OneDecimalText(static_cast<double>(score) * 100.0 / static_cast<double>(total));
}

std::string TimeTakenText(std::int64_t seconds) {
  if (seconds < 0) seconds = 0;
  const std::int64_t hours = (seconds / 3600) % 24;
  return std::to_string(hours) + ":" + std::to_string((seconds / 60) % 60) + ":" +
         std::to_string(seconds % 60);
}

std::string ShortDateText(int day, int month, int year) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d", day, month, year);
  return text;
}

}  // namespace quillory
