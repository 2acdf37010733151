#include "cli/DataOptions.h"

#include <algorithm>
#include <sstream>

namespace cli {

namespace {

std::vector<std::string> commaList(const std::string& text) {
    std::vector<std::string> items;
    std::istringstream in(text);
    for (std::string item; std::getline(in, item, ',');)
        items.push_back(item);
    if (!text.empty() && text.back() == ',')
        items.emplace_back();
    return items;
}

std::optional<int> columnNumber(const std::string& text) {
    if (text.empty() || text.size() > 4 ||
        !std::all_of(text.begin(), text.end(), [](char ch) { return ch >= '0' && ch <= '9'; }))
        return std::nullopt;
    const int c = std::stoi(text) - 1;
    return c < 0 ? std::nullopt : std::optional(c);
}

// "T,X,Y" or "t=T,x=X,y=Y" in any order, "t=T,y=Y" for a vertical motion or "x=X,y=Y" for a
// path without times; all different.
bool readColumns(const std::string& text, DataOptions& d) {
    const auto items = commaList(text);
    std::array<std::optional<int>, 3> c; // t, x, y
    if (text.find('=') == std::string::npos) {
        if (items.size() != 3)
            return false;
        for (std::size_t k = 0; k < 3; ++k)
            c[k] = columnNumber(items[k]);
    } else {
        for (const std::string& item : items) {
            const std::size_t k = std::string("txy").find(item.empty() ? '?' : item[0]);
            if (item.size() < 3 || item[1] != '=' || k == std::string::npos || c[k])
                return false;
            c[k] = columnNumber(item.substr(2));
            if (!c[k])
                return false;
        }
    }
    const auto same = [](const std::optional<int>& a, const std::optional<int>& b) {
        return a && b && *a == *b;
    };
    if (!c[2] || (!c[0] && !c[1]) || same(c[0], c[1]) || same(c[0], c[2]) || same(c[1], c[2]))
        return false;
    d.columns = DataColumns{c[0], c[1], *c[2]};
    return true;
}

bool readUnits(const std::string& text, DataOptions& d) {
    using model::measure::LengthUnit;
    using model::measure::TimeUnit;
    for (const std::string& u : commaList(text)) {
        if (u == "m" || u == "cm" || u == "mm") {
            if (d.length)
                return false;
            d.length = u == "m" ? LengthUnit::m : u == "cm" ? LengthUnit::cm : LengthUnit::mm;
        } else if (u == "s" || u == "ms") {
            if (d.time)
                return false;
            d.time = u == "s" ? TimeUnit::s : TimeUnit::ms;
        } else {
            return false;
        }
    }
    return d.length || d.time;
}

} // namespace

std::optional<DataOptions> readDataOptions(const DataTexts& t, std::string& error) {
    if (!t.data) {
        error = t.printPoints
                    ? "--print-points prints measured data: give --data"
                    : "--columns, --units, --ground, --axis and --fit belong to measured data: "
                      "give --data";
        return std::nullopt;
    }
    DataOptions d;
    d.file = *t.data;
    if (t.columns && !readColumns(*t.columns, d)) {
        error = "--columns needs different column numbers from 1, as t,x,y (or t=1,x=2,y=3), "
                "t=1,y=2 for a vertical motion or x=1,y=2 for a path without times: " +
                *t.columns;
        return std::nullopt;
    }
    if (t.units && !readUnits(*t.units, d)) {
        error = "--units takes a length unit (m, cm, mm) and a time unit (s, ms): " + *t.units;
        return std::nullopt;
    }
    if (t.ground && *t.ground != "lowest" && *t.ground != "table") {
        error = "--ground is lowest (the lowest point) or table (the table's y = 0): " + *t.ground;
        return std::nullopt;
    }
    if (t.ground)
        d.groundAtLowest = *t.ground == "lowest";
    if (t.axis && *t.axis != "down" && *t.axis != "up") {
        error = "--axis is down (the column grows as the ball falls) or up: " + *t.axis;
        return std::nullopt;
    }
    if (t.axis)
        d.axisDown = *t.axis == "down";
    d.printPoints = t.printPoints;
    if (d.printPoints && t.fit) {
        error = "--print-points prints the points as read: it cannot go with --fit";
        return std::nullopt;
    }
    if (t.fit) {
        for (const std::string& key : commaList(*t.fit)) {
            if (key == "cd") {
                d.fitCd = true;
                continue;
            }
            const auto f = model::fieldByKey(key);
            if (!f) {
                error = "unknown input " + key + " for --fit";
                return std::nullopt;
            }
            if (std::find(d.fit.begin(), d.fit.end(), *f) == d.fit.end())
                d.fit.push_back(*f);
        }
    }
    return d;
}

} // namespace cli
