// Reads the Windows and macOS icon files back: each entry must be, byte for byte, the PNG icon of
// its size from the hicolor tree, and each header must say so.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<int> IconSizes() {
  std::istringstream texts(WORTHMERE_ICON_SIZES);
  return {std::istream_iterator<int>(texts), std::istream_iterator<int>()};
}

std::string Png(int size) {
  const std::string side = std::to_string(size);
  return ReadFile(std::string(WORTHMERE_ICON_ROOT) + "/hicolor/" + side + "x" + side +
                  "/apps/worthmere.png");
}

std::string ThePng(int size) { return "the " + std::to_string(size) + " px PNG"; }

// Which PNG icon the bytes are, in words a failure can print.
std::string Describe(const std::string& bytes) {
  for (int size : IconSizes()) {
    if (bytes == Png(size)) return ThePng(size);
  }
  return std::to_string(bytes.size()) + " bytes of no PNG icon";
}

std::uint32_t Little(const std::string& bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) {
    value = value << 8 | static_cast<unsigned char>(bytes.at(at + static_cast<std::size_t>(i)));
  }
  return value;
}

std::uint32_t Big(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i)
    value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
  return value;
}

TEST(IconFiles, WindowsIconHoldsEveryPngUpTo256) {
  const std::string ico = ReadFile(std::string(WORTHMERE_ICON_ROOT) + "/worthmere.ico");
  ASSERT_GE(ico.size(), 6u);
  EXPECT_EQ(Little(ico, 0, 2), 0u) << "reserved";
  EXPECT_EQ(Little(ico, 2, 2), 1u) << "an icon";
  std::map<int, std::string> entries;  // size in the header: what the entry holds
  for (std::uint32_t i = 0; i < Little(ico, 4, 2); ++i) {
    const std::size_t entry = 6 + 16 * i;
    const int side = static_cast<int>(Little(ico, entry, 1));
    const int size = side == 0 ? 256 : side;
    EXPECT_EQ(Little(ico, entry + 1, 1), Little(ico, entry, 1)) << "square, entry " << i;
    EXPECT_EQ(Little(ico, entry + 4, 2), 1u) << "planes, entry " << i;
    EXPECT_EQ(Little(ico, entry + 6, 2), 32u) << "bits per pixel, entry " << i;
    entries[size] = Describe(ico.substr(Little(ico, entry + 12, 4), Little(ico, entry + 8, 4)));
  }
  std::map<int, std::string> expected;
  for (int size : IconSizes()) {
    if (size <= 256) expected[size] = ThePng(size);
  }
  EXPECT_EQ(entries, expected);
}

TEST(IconFiles, MacIconHoldsThePngOfEachSizeItHasATypeFor) {
  // The PNG element types by the width they hold.
  const std::map<std::string, int> widths = {
      {"icp4", 16},  {"icp5", 32}, {"icp6", 64}, {"ic07", 128},
      {"ic08", 256}, {"ic11", 32}, {"ic12", 64}, {"ic13", 256},
  };
  const std::string icns = ReadFile(std::string(WORTHMERE_ICON_ROOT) + "/worthmere.icns");
  ASSERT_GE(icns.size(), 8u);
  EXPECT_EQ(icns.substr(0, 4), "icns");
  EXPECT_EQ(Big(icns, 4), icns.size()) << "the length in the header";
  std::map<std::string, std::string> elements;
  for (std::size_t at = 8; at + 8 <= icns.size();) {
    const std::uint32_t length = Big(icns, at + 4);
    ASSERT_GE(length, 8u) << "element at " << at;
    elements[icns.substr(at, 4)] = Describe(icns.substr(at + 8, length - 8));
    at += length;
  }
  std::map<std::string, std::string> expected;
  for (const auto& [type, width] : widths) expected[type] = ThePng(width);
  EXPECT_EQ(elements, expected);
}

}  // namespace
