#include "packaging/icon_containers.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace {

void AppendLittleEndian(QByteArray& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void AppendBigEndian(QByteArray& out, std::uint32_t value) {
  for (int i = 3; i >= 0; --i) out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// The icon header, one 16-byte entry per image, then the images.
constexpr int kIcoHeaderBytes = 6;
constexpr int kIcoEntryBytes = 16;
constexpr int kIcoLargest = 256;

// The element types that hold a PNG, by pixel width; the double-density ones stand for half that.
const std::vector<std::pair<int, const char*>> kIcnsTypes = {
    {16, "icp4"},   {32, "icp5"}, {64, "icp6"}, {128, "ic07"}, {256, "ic08"}, {512, "ic09"},
    {1024, "ic10"}, {32, "ic11"}, {64, "ic12"}, {256, "ic13"}, {512, "ic14"},
};
constexpr int kIcnsHeaderBytes = 8;

}  // namespace

QByteArray IcoFile(const PngIcons& icons) {
  std::vector<std::pair<int, const QByteArray*>> images;
  for (const auto& [size, png] : icons) {
    if (size <= kIcoLargest) images.emplace_back(size, &png);
  }
  QByteArray out;
  AppendLittleEndian(out, 0, 2);  // reserved
  AppendLittleEndian(out, 1, 2);  // an icon, not a cursor
  AppendLittleEndian(out, static_cast<std::uint32_t>(images.size()), 2);
  auto offset = static_cast<std::uint32_t>(kIcoHeaderBytes + kIcoEntryBytes * images.size());
  for (const auto& [size, png] : images) {
    const auto side = static_cast<std::uint32_t>(size == kIcoLargest ? 0 : size);  // 0 is 256
    AppendLittleEndian(out, side, 1);                                              // width
    AppendLittleEndian(out, side, 1);                                              // height
    AppendLittleEndian(out, 0, 1);                                                 // no palette
    AppendLittleEndian(out, 0, 1);                                                 // reserved
    AppendLittleEndian(out, 1, 2);                                                 // colour planes
    AppendLittleEndian(out, 32, 2);                                                // bits per pixel
    AppendLittleEndian(out, static_cast<std::uint32_t>(png->size()), 4);
    AppendLittleEndian(out, offset, 4);
    offset += static_cast<std::uint32_t>(png->size());
  }
  for (const auto& image : images) out.append(*image.second);
  return out;
}

QByteArray IcnsFile(const PngIcons& icons) {
  QByteArray elements;
  for (const auto& [size, type] : kIcnsTypes) {
    const auto found = icons.find(size);
    if (found == icons.end()) continue;
    elements.append(type, 4);
    AppendBigEndian(elements, static_cast<std::uint32_t>(kIcnsHeaderBytes + found->second.size()));
    elements.append(found->second);
  }
  QByteArray out("icns", 4);
  AppendBigEndian(out, static_cast<std::uint32_t>(kIcnsHeaderBytes + elements.size()));
  out.append(elements);
  return out;
}
