#include "core/settings/ToolBarLayout.h"

#include "core/storage/SettingsStore.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace orvel {

namespace {

template <typename T, typename TRead>
std::optional<T> TryRead(TRead read) {
    try {
        auto result = read();
        if (result.Present())
            return result.Value;
    } catch (...) {
        // An unreadable value is skipped like a missing one.
    }
    return std::nullopt;
}

} // namespace

std::string ControlBarKeyPath(std::string_view company, std::string_view title,
                              std::string_view ownerName, std::string_view dockName) {
    std::string path = "Software\\";
    if (!company.empty())
        path += std::string(company) + "\\";
    path += title;
    if (ownerName.empty())
        return path + "\\ControlBar";
    return path + "\\" + std::string(ownerName) + "\\" + std::string(dockName);
}

int32_t ToolBarWidth(const TToolBarState& bar) {
    int32_t width = 3;
    for (const TToolButtonState& button : bar.Buttons)
        if (button.Visible)
            width += button.Width;
    return width;
}

std::vector<std::vector<size_t>> ToolBarRows(const std::vector<TToolBarState>& bars,
                                             int32_t rowTolerance) {
    std::vector<size_t> order(bars.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&bars](size_t a, size_t b) { return bars[a].Top < bars[b].Top; });
    std::vector<std::vector<size_t>> rows;
    int64_t rowTop = 0;
    for (size_t index : order) {
        if (rows.empty() || int64_t(bars[index].Top) - rowTop > rowTolerance) {
            rows.emplace_back();
            rowTop = bars[index].Top;
        }
        rows.back().push_back(index);
    }
    for (std::vector<size_t>& row : rows)
        std::stable_sort(row.begin(), row.end(),
                         [&bars](size_t a, size_t b) { return bars[a].Left < bars[b].Left; });
    return rows;
}

void LoadToolBarLayout(TSettingsStore& store, std::string_view keyPath,
                       std::vector<TToolBarState>& bars) {
    try {
        const std::unique_ptr<TSettingsKey> key = store.OpenKey(keyPath, false);
        if (!key)
            return;
        auto boolean = [&key](const std::string& name) {
            return TryRead<bool>([&] { return key->ReadBoolean(name); });
        };
        auto integer = [&key](const std::string& name) {
            return TryRead<int32_t>([&] { return key->ReadInteger(name); });
        };
        for (TToolBarState& bar : bars) {
            bar.Visible = boolean(bar.Name + "Visible").value_or(bar.Visible);
            for (TToolButtonState& button : bar.Buttons)
                button.Visible = boolean(button.Name).value_or(button.Visible);
        }
        for (TToolBarState& bar : bars)
            bar.Width = ToolBarWidth(bar);
        for (TToolBarState& bar : bars) {
            const std::optional<int32_t> left = integer(bar.Name + "Left");
            if (!left)
                continue;
            bar.Left = *left;
            bar.Top = integer(bar.Name + "Top").value_or(bar.Top);
        }
    } catch (...) {
        // The layout is a convenience: a store that fails leaves the designed arrangement.
    }
}

void SaveToolBarLayout(TSettingsStore& store, std::string_view keyPath,
                       const std::vector<TToolBarState>& bars) {
    try {
        const std::unique_ptr<TSettingsKey> key = store.OpenKey(keyPath, true);
        if (!key)
            return;
        for (const TToolBarState& bar : bars) {
            if (!key->WriteInteger(bar.Name + "Left", bar.Left) ||
                !key->WriteInteger(bar.Name + "Top", bar.Top) ||
                !key->WriteInteger(bar.Name + "Width", bar.Width) ||
                !key->WriteBoolean(bar.Name + "Visible", bar.Visible))
                return;
            for (const TToolButtonState& button : bar.Buttons)
                if (!key->WriteBoolean(button.Name, button.Visible))
                    return;
        }
    } catch (...) {
        // A failed write ends the saving; the values before it stay.
    }
}

} // namespace orvel
