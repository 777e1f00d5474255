// PiPL blobs written by hand for the tests, byte by byte, so the decoder is checked against an
// independent writer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ostra::hostsim::test {

using Bytes = std::vector<uint8_t>;

Bytes u16le(uint16_t value);
Bytes u32le(uint32_t value);
// A four-character code as the little-endian integer it is stored as: "name" lands as "eman".
Bytes code(const std::string& fourChars);
// One length byte and the characters, zero-padded to a multiple of 4.
Bytes countedString(const std::string& text);
// The characters and a NUL, zero-padded to a multiple of 4.
Bytes terminatedString(const std::string& text);

struct PiplRecord {
  std::string key;  // natural reading, "name"
  Bytes data;       // written as is; the record's length is data.size()
};

// Header (word 1, version 0, count), then each record ('8BIM', key, id 0, length, data) padded
// with zeros to a multiple of 4.
Bytes piplBlob(const std::vector<PiplRecord>& records);

// The twelve properties of an effect named "Fake Effect" whose export is `entryPoint`.
std::vector<PiplRecord> fakeRecords(const std::string& entryPoint = "EntryPointFunc");

}  // namespace ostra::hostsim::test
