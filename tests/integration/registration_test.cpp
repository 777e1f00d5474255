// What the host sees of the module before calling it: the registration bytes and the exports.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "hostsim/module.h"
#include "hostsim/pipl_decoder.h"

namespace {

// Where the host finds them: the file beside the module on Linux, the PIPL resource on Windows.
std::vector<uint8_t> piplBytes() { return ostra::hostsim::Module(OSTRA_MODULE_PATH).piplBytes(); }

std::vector<uint8_t> bytes(std::initializer_list<int> values) {
  std::vector<uint8_t> out;
  for (int v : values) out.push_back(static_cast<uint8_t>(v));
  return out;
}

std::vector<uint8_t> text(const std::string& s, size_t paddedTo) {
  std::vector<uint8_t> out(s.begin(), s.end());
  out.resize(paddedTo, 0);
  return out;
}

std::vector<uint8_t> counted(const std::string& s, size_t paddedTo) {
  std::vector<uint8_t> out(paddedTo, 0);
  out[0] = static_cast<uint8_t>(s.size());
  std::copy(s.begin(), s.end(), out.begin() + 1);
  return out;
}

}  // namespace

TEST(Registration, TwelvePropertiesInOrderWithTheirPaddingAndLengths) {
  const std::vector<uint8_t> raw = piplBytes();
  ASSERT_FALSE(raw.empty());
  // Header: resource word 1, list version 0, twelve properties.
  EXPECT_EQ(std::vector<uint8_t>(raw.begin(), raw.begin() + 10),
            bytes({1, 0, 0, 0, 0, 0, 12, 0, 0, 0}));

  struct Expected {
    std::string key;
    uint32_t length;
    std::vector<uint8_t> data;
  };
  const Expected expected[] = {
      {"kind", 4, bytes({'T', 'K', 'F', 'e'})}, {"name", 16, counted("Ostra Quellon", 16)},
      {"catg", 8, counted("Ostra", 8)},         {"8664", 16, text("EntryPointFunc", 16)},
      {"ePVR", 4, bytes({2, 0, 0, 0})},         {"eSVR", 4, bytes({13, 0, 14, 0})},
      {"eVER", 4, bytes({1, 0, 8, 0})},         {"eINF", 2, bytes({0, 0})},
      {"eGLO", 4, bytes({0, 0x80, 0, 0})},      {"eGL2", 4, bytes({8, 0, 0, 0})},
      {"aeFL", 4, bytes({8, 0, 0, 0})},         {"eMNA", 16, counted("Ostra_Quellon", 16)},
  };
  const auto properties = ostra::hostsim::decodePipl(raw);
  ASSERT_EQ(properties.size(), std::size(expected));
  for (size_t i = 0; i < properties.size(); ++i) {
    SCOPED_TRACE(expected[i].key);
    EXPECT_EQ(properties[i].vendor, "MIB8");
    EXPECT_EQ(properties[i].naturalKey(), expected[i].key);
    EXPECT_EQ(properties[i].id, 0u);
    EXPECT_EQ(properties[i].length, expected[i].length);
    EXPECT_EQ(properties[i].data, expected[i].data);
  }
}

// Reads the dynamic symbol table of the Linux module; the Windows build checks its export table
// with the PE check instead.
#if !defined(_WIN32)
TEST(Registration, TheModuleExportsOnlyTheEntryPoint) {
  const std::string command =
      std::string("nm -D --defined-only ") + OSTRA_MODULE_PATH + " | awk '{print $3}'";
  std::FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::vector<std::string> symbols;
  char line[512];
  while (std::fgets(line, sizeof line, pipe)) {
    std::string symbol(line);
    while (!symbol.empty() && (symbol.back() == '\n' || symbol.back() == ' ')) symbol.pop_back();
    if (!symbol.empty()) symbols.push_back(symbol);
  }
  ASSERT_EQ(pclose(pipe), 0);
  EXPECT_EQ(symbols, std::vector<std::string>{"EntryPointFunc"});
}
#endif  // !defined(_WIN32)
