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

bool readColumns(const std::string& text, DataOptions& d) {
    const auto items = commaList(text);
    if (items.size() != 3)
        return false;
    std::array<int, 3> c{};
    for (std::size_t k = 0; k < 3; ++k) {
        if (items[k].empty() || items[k].size() > 4 ||
            !std::all_of(items[k].begin(), items[k].end(),
                         [](char ch) { return ch >= '0' && ch <= '9'; }))
            return false;
        c[k] = std::stoi(items[k]) - 1;
        if (c[k] < 0)
            return false;
    }
    d.columns = c;
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
                    : "--columns, --units, --ground and --fit belong to measured data: give --data";
        return std::nullopt;
    }
    DataOptions d;
    d.file = *t.data;
    if (t.columns && !readColumns(*t.columns, d)) {
        error = "--columns needs three different column numbers from 1, as t,x,y: " + *t.columns;
        return std::nullopt;
    }
    if (d.columns && ((*d.columns)[0] == (*d.columns)[1] || (*d.columns)[0] == (*d.columns)[2] ||
                      (*d.columns)[1] == (*d.columns)[2])) {
        error = "--columns needs three different column numbers from 1, as t,x,y: " + *t.columns;
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
    d.groundAtLowest = t.ground && *t.ground == "lowest";
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
