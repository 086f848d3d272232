// The arrangement of the main window's tool bars as it is kept in the settings store: which tool
// bars and buttons are shown and where each tool bar stands. Every value is an integer named
// after its tool bar ("ToolBarMainLeft", "ToolBarMainVisible") or button ("btnSearchText").
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvel {

class TSettingsStore;

struct TToolButtonState {
    std::string Name;
    bool Visible = true;
    int32_t Width = 0;
};

struct TToolBarState {
    std::string Name;
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    bool Visible = true;
    std::vector<TToolButtonState> Buttons;
};

// The key of a dock's layout: "Software\<company>\<title>\<owner>\<dock>", the company part left
// out when empty, "\ControlBar" in place of owner and dock for a manager without an owner.
std::string ControlBarKeyPath(std::string_view company, std::string_view title,
                              std::string_view ownerName, std::string_view dockName);

// 3 pixels of border and the widths of the visible buttons.
int32_t ToolBarWidth(const TToolBarState& bar);

// The tool bars' rows from top to bottom, each listing its tool bars' indexes from left to right.
// A tool bar joins the row above when its Top is within rowTolerance of that row's first Top, so
// positions that differ by a pixel or two still share a line.
std::vector<std::vector<size_t>> ToolBarRows(const std::vector<TToolBarState>& bars,
                                             int32_t rowTolerance);

// Restores visibility, then widths, then positions from the key. A missing key changes nothing;
// a missing or wrongly typed value leaves its item as it was; a failed Left or Top read leaves
// the rest of that tool bar's position. Stored widths are not read: they follow the buttons.
void LoadToolBarLayout(TSettingsStore& store, std::string_view keyPath,
                       std::vector<TToolBarState>& bars);

// Writes each tool bar's Left, Top, Width and Visible, then its buttons' visibility, creating the
// key when needed. The first failure ends the saving; nothing throws.
void SaveToolBarLayout(TSettingsStore& store, std::string_view keyPath,
                       const std::vector<TToolBarState>& bars);

} // namespace orvel
