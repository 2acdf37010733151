#include "model/measure/TableText.h"

#include "model/NumberText.h"

#include <array>
#include <cmath>

namespace model::measure {

namespace {

bool blank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (blank(s.front()) || s.front() == '\r'))
        s.remove_prefix(1);
    while (!s.empty() && (blank(s.back()) || s.back() == '\r'))
        s.remove_suffix(1);
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"')
        s = s.substr(1, s.size() - 2);
    return s;
}

// A line that reads as a row of numbers under format: two numbers at least, nothing but numbers
// and empty cells.
bool numericRow(std::string_view line, const TableFormat& format) {
    bool tooMany = false;
    const auto cells = splitCells(line, format, 64, &tooMany);
    if (tooMany)
        return false;
    int numbers = 0;
    for (const std::string_view c : cells) {
        if (c.empty())
            continue;
        if (!cellNumber(c, format.decimalComma))
            return false;
        ++numbers;
    }
    return numbers >= 2;
}

} // namespace

std::vector<std::string_view> tableLines(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") // a byte-order mark some programs write
        text.remove_prefix(3);
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::vector<std::string_view> splitCells(std::string_view line, const TableFormat& format,
                                         std::size_t limit, bool* tooMany) {
    std::vector<std::string_view> cells;
    if (tooMany)
        *tooMany = false;
    const auto add = [&](std::string_view cell) {
        if (cells.size() == limit) {
            if (tooMany)
                *tooMany = true;
            return false;
        }
        cells.push_back(trimmed(cell));
        return true;
    };
    if (format.separator == ' ') {
        std::size_t i = 0;
        while (i < line.size()) {
            while (i < line.size() && (blank(line[i]) || line[i] == '\r'))
                ++i;
            const std::size_t start = i;
            while (i < line.size() && !blank(line[i]) && line[i] != '\r')
                ++i;
            if (i > start && !add(line.substr(start, i - start)))
                break;
        }
        return cells;
    }
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i < line.size() && line[i] == '"')
            quoted = !quoted;
        else if (i == line.size() || (!quoted && line[i] == format.separator))
            if (!add(line.substr(start, i - start)))
                break;
        if (i < line.size() && !quoted && line[i] == format.separator)
            start = i + 1;
    }
    return cells;
}

std::optional<double> cellNumber(std::string_view cell, bool decimalComma) {
    if (!cell.empty() && cell.front() == '+')
        cell.remove_prefix(1);
    if (cell.empty() || cell.size() > 64)
        return std::nullopt;
    std::array<char, 64> buf{};
    for (std::size_t i = 0; i < cell.size(); ++i) {
        char c = cell[i];
        if (c == ',' && decimalComma)
            c = '.';
        else if (c == ',' || (c == '.' && decimalComma))
            return std::nullopt;
        buf[i] = c;
    }
    const ReadDouble read = readDouble(std::string_view(buf.data(), cell.size()));
    if (!read.value || !std::isfinite(*read.value))
        return std::nullopt;
    return read.value;
}

std::optional<TableFormat> detectFormat(const std::vector<std::string_view>& lines) {
    // In order of preference when two formats read as many rows.
    constexpr std::array<TableFormat, 8> formats{{{'\t', false},
                                                  {'\t', true},
                                                  {';', false},
                                                  {';', true},
                                                  {',', false},
                                                  {',', true}, // quoted cells: "0,5"
                                                  {' ', false},
                                                  {' ', true}}};
    constexpr std::size_t sample = 400;
    std::optional<TableFormat> best;
    std::size_t bestRows = 0;
    for (const TableFormat& f : formats) {
        std::size_t rows = 0, seen = 0;
        for (std::size_t i = 0; i < lines.size() && seen < sample; ++i) {
            if (lines[i].find_first_not_of(" \t\r") == std::string_view::npos)
                continue;
            ++seen;
            rows += numericRow(lines[i], f) ? 1 : 0;
        }
        if (rows > bestRows) {
            bestRows = rows;
            best = f;
        }
    }
    return best;
}

std::string lowerCase(std::string_view s) {
    std::string out(s);
    for (std::size_t i = 0; i < out.size(); ++i) {
        auto& c = reinterpret_cast<unsigned char&>(out[i]);
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<unsigned char>(c + 32);
        } else if (c == 0xD0 && i + 1 < out.size()) {
            // А…П (D0 90…9F) → а…п (D0 B0…BF); Р…Я (D0 A0…AF) → р…я (D1 80…8F); Ё → ё.
            auto& n = reinterpret_cast<unsigned char&>(out[i + 1]);
            if (n >= 0x90 && n <= 0x9F) {
                n = static_cast<unsigned char>(n + 0x20);
            } else if (n >= 0xA0 && n <= 0xAF) {
                c = 0xD1;
                n = static_cast<unsigned char>(n - 0x20);
            } else if (n == 0x81) {
                c = 0xD1;
                n = 0x91;
            }
            ++i;
        }
    }
    return out;
}

} // namespace model::measure
