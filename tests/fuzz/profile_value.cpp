// The profile integer and boolean readers against a plain reading of the
// format: a signed decimal, or "0x", "0X" or "$" and hexadecimal digits,
// within 32 bits; anything else gives the default.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <optional>
#include <string>

#include "fuzz_support.h"
#include "text/profile_value.h"

namespace {

bool allOf(const std::string& text, const char* set) {
  return !text.empty() && text.find_first_not_of(set) == std::string::npos;
}

std::string withoutLeadingZeros(const std::string& digits) {
  const size_t first = digits.find_first_not_of('0');
  return first == std::string::npos ? "0" : digits.substr(first);
}

std::optional<int> plainReading(const std::string& text) {
  const bool sign = !text.empty() && (text[0] == '+' || text[0] == '-');
  if (allOf(text.substr(sign ? 1 : 0), "0123456789")) {
    const std::string digits = withoutLeadingZeros(text.substr(sign ? 1 : 0));
    if (digits.size() > 10) return std::nullopt;
    const long long magnitude = std::stoll(digits);
    const long long value = text[0] == '-' ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<int>(value);
  }
  const size_t prefix = text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0 ? 2 : text.rfind('$', 0) == 0 ? 1 : 0;
  if (prefix > 0 && allOf(text.substr(prefix), "0123456789abcdefABCDEF")) {
    const std::string digits = withoutLeadingZeros(text.substr(prefix));
    if (digits.size() > 8) return std::nullopt;
    return static_cast<int>(static_cast<std::uint32_t>(std::stoull(digits, nullptr, 16)));
  }
  return std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const int defaultValue = input.ConsumeIntegral<int>();
  const int stored = input.ConsumeIntegral<int>();
  const std::string text = input.ConsumeRemainingBytesAsString();

  const std::optional<int> expected = plainReading(text);
  FUZZ_CHECK(tastrix::ParseProfileInt(text, defaultValue) == expected.value_or(defaultValue));
  for (const bool defaultFlag : {false, true})
    FUZZ_CHECK(tastrix::ParseProfileBool(text, defaultFlag) == (expected ? *expected != 0 : defaultFlag));

  // What the program writes it reads back.
  FUZZ_CHECK(tastrix::ParseProfileInt(tastrix::FormatProfileInt(stored), defaultValue) == stored);
  FUZZ_CHECK(tastrix::ParseProfileBool(tastrix::FormatProfileBool(stored != 0), stored == 0) == (stored != 0));
  return 0;
}
