#pragma once

#include <QByteArray>
#include <map>

// The program's icon for Windows and macOS: containers whose entries are PNG files, so each keeps
// exactly the pixels of the PNG icon of its size. Keyed by the icon's width in pixels.
using PngIcons = std::map<int, QByteArray>;

// A Windows icon file: every size up to 256 pixels.
QByteArray IcoFile(const PngIcons& icons);

// A macOS icon file: every size with a PNG entry type, each also as the double-density entry of
// half its size.
QByteArray IcnsFile(const PngIcons& icons);
