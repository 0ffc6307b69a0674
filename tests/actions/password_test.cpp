// The stored form of passwords.

#include "actions/password.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(Password, LengthFillerAndAlphabet) {
  EXPECT_EQ(ScramblePassword(""), "");
  for (size_t n = 1; n <= 11; ++n) {
    const std::string encoded = ScramblePassword(std::string(n, 'a'));
    ASSERT_EQ(encoded.size(), 8 * ((n + 4) / 5)) << n;
    const size_t fillers = n % 5 == 0 ? 0 : 8 - (n % 5 * 8 + 4) / 5;
    EXPECT_EQ(encoded.find(kPasswordFiller), fillers ? encoded.size() - fillers : std::string::npos) << encoded;
    for (char c : encoded) EXPECT_TRUE(c == kPasswordFiller || kPasswordAlphabet.find(c) != std::string::npos);
  }
}

TEST(Password, KnownEncodingsStayFixed) {
  // Documents store only this form: a change here locks their users out.
  // The first byte: 's' (0x73) XOR 0x4B = 0x38 = 00111 000.. -> "H" then "A" with the 0 bits.
  EXPECT_EQ(ScramblePassword("s").substr(0, 2), "HA");
  EXPECT_EQ(ScramblePassword("s").substr(2), "======");
  EXPECT_EQ(ScramblePassword("secret"), "HDNIXOJMZM======");
  EXPECT_EQ(ScramblePassword("Open Sesame 12"), "ATBPDGNVIBEK7JT3YUNTRRY=");
}

TEST(Password, DifferentTextsGiveDifferentForms) {
  const char* texts[] = {"secret", "Secret", "secreT", "secret ", "12345", "12346", "\xC3\xA9t\xC3\xA9"};
  std::set<std::string> forms;
  for (const char* text : texts) forms.insert(ScramblePassword(text));
  EXPECT_EQ(forms.size(), std::size(texts));
}

}  // namespace
