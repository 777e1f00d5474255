#include <gtest/gtest.h>

#include <functional>

#include "case_name.h"
#include "hostsim/effect_listing.h"
#include "hostsim/pipl_decoder.h"
#include "pipl_bytes.h"

namespace ostra::hostsim::test {
namespace {

TEST(PiplDecode, ReadsEveryPropertyOfAWellFormedBlob) {
  const std::vector<PiplProperty> properties = decodePipl(piplBlob(fakeRecords()));

  ASSERT_EQ(properties.size(), 12u);
  const PiplProperty& name = properties[1];
  EXPECT_EQ(name.vendor, "MIB8");
  EXPECT_EQ(name.key, "eman");
  EXPECT_EQ(name.naturalVendor(), "8BIM");
  EXPECT_EQ(name.naturalKey(), "name");
  EXPECT_EQ(name.id, 0u);
  EXPECT_EQ(name.length, 12u);  // the length counts the string's padding
  EXPECT_EQ(name.data, countedString("Fake Effect"));
  const PiplProperty& info = properties[7];
  EXPECT_EQ(info.naturalKey(), "eINF");
  EXPECT_EQ(info.length, 2u);  // followed by two padding bytes that are not data
  EXPECT_EQ(info.data, u16le(0));

  const EffectListing listing = listingFromPipl(properties);
  EXPECT_EQ(listing.kind, "eFKT");
  EXPECT_EQ(listing.name, "Fake Effect");
  EXPECT_EQ(listing.category, "Tests");
  EXPECT_EQ(listing.matchName, "Fake_Effect");
  EXPECT_EQ(listing.entryPoint, "EntryPointFunc");
  EXPECT_EQ(listing.piplVersion.major, 2);
  EXPECT_EQ(listing.piplVersion.minor, 0);
  EXPECT_EQ(listing.specVersion.major, 13);
  EXPECT_EQ(listing.specVersion.minor, 14);
  EXPECT_EQ(listing.version, 0x00080001u);
  EXPECT_EQ(listing.globalFlags, 0x00008000u);
  EXPECT_EQ(listing.flags2, 0x00000008u);
  EXPECT_EQ(listing.aeFlags, 8u);
}

struct MalformedCase {
  const char* what;
  std::function<void(Bytes&)> damage;
  const char* message;  // a part of the PiplError's text
};

// The last record, eINF (length 2), is the one followed by padding.
Bytes endingInPadding() { return piplBlob({{"kind", code("eFKT")}, {"eINF", u16le(0)}}); }

class PiplMalformed : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(PiplMalformed, IsRejectedWithAClearMessage) {
  Bytes blob = endingInPadding();
  GetParam().damage(blob);
  try {
    decodePipl(blob);
    FAIL() << "accepted a PiPL with " << GetParam().what;
  } catch (const PiplError& error) {
    EXPECT_NE(std::string(error.what()).find(GetParam().message), std::string::npos)
        << error.what();
  }
}

const MalformedCase kMalformed[] = {
    {"no bytes", [](Bytes& b) { b.clear(); }, "truncated: header"},
    {"a cut header", [](Bytes& b) { b.resize(9); }, "truncated: header"},
    {"resource word 2", [](Bytes& b) { b[0] = 2; }, "resource word is 2"},
    {"list version 1", [](Bytes& b) { b[2] = 1; }, "list version is 1"},
    {"one record more counted", [](Bytes& b) { b[6] = 3; }, "property 2 header"},
    {"a cut record header", [](Bytes& b) { b.resize(10 + 20 + 8); }, "property 1 header"},
    {"data past the end", [](Bytes& b) { b[10 + 20 + 12] = 200; }, "'eINF' data"},
    {"a huge length", [](Bytes& b) { std::fill_n(b.begin() + 10 + 12, 4, 0xFF); }, "'kind' data"},
    {"missing padding", [](Bytes& b) { b.resize(b.size() - 2); }, "'eINF' padding"},
    {"non-zero padding", [](Bytes& b) { b.back() = 7; }, "'eINF' has non-zero padding"},
    {"trailing bytes", [](Bytes& b) { b.push_back(0); }, "1 bytes after its 2 properties"},
    // A writer that forgets to pad: eINF's length is odd-aligned and the next record follows at
    // once, so its vendor code lands where the padding should be.
    {"an unpadded record before another",
     [](Bytes& b) {
       const Bytes more = piplBlob({{"aeFL", u32le(8)}});
       b[6] = 3;
       b.resize(b.size() - 2);
       b.insert(b.end(), more.begin() + 10, more.end());
     },
     "'eINF' has non-zero padding"},
};
INSTANTIATE_TEST_SUITE_P(Cases, PiplMalformed, ::testing::ValuesIn(kMalformed), NameByWhat());

struct ListingCase {
  const char* what;
  std::function<void(std::vector<PiplRecord>&)> damage;
  const char* message;
};

class ListingMalformed : public ::testing::TestWithParam<ListingCase> {};

TEST_P(ListingMalformed, IsRejectedWithAClearMessage) {
  std::vector<PiplRecord> records = fakeRecords();
  GetParam().damage(records);
  const std::vector<PiplProperty> properties = decodePipl(piplBlob(records));
  try {
    listingFromPipl(properties);
    FAIL() << "listed a PiPL with " << GetParam().what;
  } catch (const PiplError& error) {
    EXPECT_NE(std::string(error.what()).find(GetParam().message), std::string::npos)
        << error.what();
  }
}

const ListingCase kListingCases[] = {
    {"no name", [](auto& r) { r.erase(r.begin() + 1); }, "no 'name' property"},
    {"no entry point", [](auto& r) { r.erase(r.begin() + 3); }, "no '8664' property"},
    {"a counted string past its data", [](auto& r) { r[1].data[0] = 40; }, "'name': counted"},
    {"an unterminated entry name",
     [](auto& r) {
       r[3].data = {'E', 'P', 'F', 'x'};
     },
     "'8664': string is not NUL-terminated"},
    {"a 16-bit version word", [](auto& r) { r[6].data = u16le(1); }, "'eVER' holds 2 bytes"},
};
INSTANTIATE_TEST_SUITE_P(Cases, ListingMalformed, ::testing::ValuesIn(kListingCases), NameByWhat());

TEST(VersionWord, UnpacksEachFieldFromItsBits) {
  EXPECT_EQ(formatVersionWord(0x00080001), "1.0 (build 1)");
  const uint32_t word = 2u << 19 | 3u << 15 | 1u << 11 | 3u << 9 | 0x1FF;
  const VersionWord v = decodeVersionWord(word);
  EXPECT_EQ(v.major, 2u);
  EXPECT_EQ(v.minor, 3u);
  EXPECT_EQ(v.bug, 1u);
  EXPECT_EQ(v.stage, 3u);
  EXPECT_EQ(v.build, 0x1FFu);
  EXPECT_EQ(formatVersionWord(word), "2.3.1 (build 511)");
}

}  // namespace
}  // namespace ostra::hostsim::test
