// What the CLI accepts as parameter values, against the module's own declarations.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "param_values.h"
#include "png_io.h"
#include "tests/integration/module_fixture.h"

namespace {

using ostra::cli::parseValue;
using ostra::cli::settableIndex;

class CliValuesTest : public ostra::test::ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    ASSERT_EQ(host().send(PF_Cmd_PARAMS_SETUP).err, PF_Err_NONE);
  }
  ostra::hostsim::ParamValue value(const char* name, const char* text) {
    const int index = settableIndex(host().params(), name);
    return parseValue(host().params(), index, text);
  }
};

TEST_F(CliValuesTest, ReadsEachTypeAsAUserWritesIt) {
  struct Case {
    const char* name;
    const char* text;
    std::array<double, 4> expected;
  };
  const Case cases[] = {
      {"bevel end", "30", {30, 0, 0, 0}},
      {"Bevel Height", "55.5", {55.5, 0, 0, 0}},
      {"Map Type", "cyber punk", {4, 0, 0, 0}},
      {"Map Type", "2", {2, 0, 0, 0}},
      {"Color", "255, 128,0", {255, 128, 0, 255}},
      {"Color", "#FF8000", {255, 128, 0, 255}},
      {"Extrude Center", "128,-4.5", {128, -4.5, 0, 0}},
      {"Map Evolution", "90", {90, 0, 0, 0}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(value(c.name, c.text).v, c.expected) << c.name << "=" << c.text;

  const int index = settableIndex(host().params(), "Color");
  EXPECT_EQ(ostra::cli::jsonValue(host().params(), index, nlohmann::json::array({1, 2, 3})).v,
            (std::array<double, 4>{1, 2, 3, 255}));
}

TEST_F(CliValuesTest, RefusesWhatItCannotRead) {
  const std::pair<const char*, const char*> bad[] = {
      {"Map Type", "6"},       {"Map Type", "Silver"}, {"Color", "256,0,0"}, {"Color", "#12345"},
      {"Extrude Center", "1"}, {"Bevel End", "abc"},   {"Bevel End", "nan"}, {"Map Layer", "x"},
  };
  for (const auto& [name, text] : bad) {
    EXPECT_THROW(value(name, text), std::invalid_argument) << name << "=" << text;
  }
  EXPECT_THROW(settableIndex(host().params(), "Bevel"), std::invalid_argument) << "a group";
  EXPECT_THROW(settableIndex(host().params(), "No Such"), std::invalid_argument);
}

TEST_F(CliValuesTest, KeyframesSplitAtTimesNotAtEveryComma) {
  const int index = settableIndex(host().params(), "L1 Position");
  const auto keys = ostra::cli::parseKeyframes(host().params(), index, "0:10,20, 1.5:30,40");
  ASSERT_EQ(keys.size(), 2u);
  EXPECT_EQ(keys[1].seconds, 1.5);
  EXPECT_EQ(keys[1].value.v[0], 30);
  EXPECT_EQ(keys[1].value.v[1], 40);
}

TEST(PngFilesTest, AFailedWriteLeavesNoFileAndAGoodOneRoundTrips) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "ostra_png_test";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "out.png").string();
  ostra::cli::RgbaImage image{2, 1, {1, 2, 3, 4, 250, 251, 252, 253}};
  ostra::cli::writePng(path, image);
  EXPECT_EQ(ostra::cli::readPng(path).rgba, image.rgba);

  ostra::cli::RgbaImage broken{2, 2, {1, 2, 3}};  // too few bytes
  EXPECT_THROW(ostra::cli::writePng(path, broken), std::runtime_error);
  EXPECT_EQ(ostra::cli::readPng(path).rgba, image.rgba) << "the old file stays whole";
  EXPECT_THROW(ostra::cli::writePng((dir / "missing" / "x.png").string(), image),
               std::runtime_error);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
  std::filesystem::remove_all(dir);
}

}  // namespace
