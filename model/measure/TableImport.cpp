#include "model/measure/TableImport.h"

#include "model/TextMarks.h"
#include "model/Translation.h"
#include "model/measure/TableText.h"
#include "model/measure/TrackFile.h"
#include "model/measure/VerticalMotion.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>

namespace model::measure {

namespace {

const char* const kEmpty = QT_TRANSLATE_NOOP("Texts", "Таблица пуста.");
const char* const kBinary =
    QT_TRANSLATE_NOOP("Texts", "Это не текстовая таблица: в данных есть двоичные символы.");
const char* const kNoNumbers =
    QT_TRANSLATE_NOOP("Texts", "В таблице нет строк с числами: нужны столбцы t, x и y.");
const char* const kFewColumns =
    QT_TRANSLATE_NOOP("Texts", "В таблице меньше трёх столбцов с числами: нужны t, x и y.");
const char* const kManyColumns = QT_TRANSLATE_NOOP(
    "Texts", "В строке таблицы больше 1000 столбцов: это не похоже на таблицу измерений.");
const char* const kFewPoints = QT_TRANSLATE_NOOP(
    "Texts", "В таблице меньше двух точек с числами в столбцах t, x и y и с разным временем.");
const char* const kManyPoints =
    QT_TRANSLATE_NOOP("Texts", "В таблице больше 100 000 точек: столько точек не показать.");
const char* const kSameColumns =
    QT_TRANSLATE_NOOP("Texts", "Для t, x и y нужно выбрать три разных столбца.");
const char* const kSameVerticalColumns =
    QT_TRANSLATE_NOOP("Texts", "Для t и положения нужно выбрать два разных столбца.");
const char* const kSamePathColumns =
    QT_TRANSLATE_NOOP("Texts", "Для x и y нужно выбрать два разных столбца.");
const char* const kNoColumn = QT_TRANSLATE_NOOP("Texts", "Выбранного столбца нет в таблице.");

// More than this share of control characters (other than tab and line ends) is not text.
bool binary(std::string_view text) {
    const std::string_view head = text.substr(0, 1 << 16);
    std::size_t controls = 0;
    for (const char c : head) {
        const auto u = static_cast<unsigned char>(c);
        if (u == 0)
            return true;
        if (u < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f')
            ++controls;
    }
    return controls * 100 > head.size();
}

bool blankLine(std::string_view line) {
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

// A row of data: two numbers at least and no more text cells than numbers.
bool dataRow(const std::vector<std::string_view>& cells, bool decimalComma) {
    int numbers = 0, texts = 0;
    for (const std::string_view c : cells)
        if (!c.empty())
            ++(cellNumber(c, decimalComma) ? numbers : texts);
    return numbers >= 2 && texts <= numbers;
}

// Where the parts of a table are.
struct Layout {
    std::string error;
    TableFormat format;
    std::vector<std::string_view> lines;
    std::size_t firstData = 0;         // index of the first data row
    std::optional<std::size_t> header; // index of the header line
    std::optional<std::size_t> title;  // index of the line above the header
};

Layout layoutOf(std::string_view text) {
    Layout l;
    if (binary(text)) {
        l.error = translated(kBinary);
        return l;
    }
    l.lines = tableLines(text);
    if (std::all_of(l.lines.begin(), l.lines.end(), blankLine)) {
        l.error = translated(kEmpty);
        return l;
    }
    // A line of a million cells is refused before any format is tried on it.
    for (std::size_t i = 0; i < l.lines.size() && i < 400; ++i) {
        const std::string_view line = l.lines[i];
        bool tooMany = false;
        splitCells(line, {' '}, maxColumns, &tooMany);
        for (const char sep : {'\t', ';', ','})
            tooMany = tooMany || static_cast<std::size_t>(
                                     std::count(line.begin(), line.end(), sep)) >= maxColumns;
        if (tooMany) {
            l.error = translated(kManyColumns);
            return l;
        }
    }
    const auto format = detectFormat(l.lines);
    if (!format) {
        // A column of numbers alone is a table, only too narrow.
        const auto oneNumber = [](std::string_view line) {
            const auto cells = splitCells(line, {' '}, 2);
            return cells.size() == 1 && (cellNumber(cells[0], false) || cellNumber(cells[0], true));
        };
        const bool oneColumn = std::any_of(l.lines.begin(), l.lines.end(), [&](auto line) {
            return !blankLine(line) && oneNumber(line);
        });
        l.error = translated(oneColumn ? kFewColumns : kNoNumbers);
        return l;
    }
    l.format = *format;
    std::size_t i = 0;
    while (i < l.lines.size() &&
           !dataRow(splitCells(l.lines[i], l.format, maxColumns), l.format.decimalComma))
        ++i;
    l.firstData = i;
    std::vector<std::size_t> above;
    for (std::size_t k = 0; k < i; ++k)
        if (!blankLine(l.lines[k]))
            above.push_back(k);
    if (!above.empty())
        l.header = above.back();
    if (above.size() >= 2)
        l.title = above[above.size() - 2];
    return l;
}

// position: the one position column of a vertical motion ("Position(mm)", "depth").
enum class Role { none, t, x, y, position };

struct HeaderCell {
    Role role = Role::none;
    std::string name; // lower case, without the unit
    std::optional<LengthUnit> length;
    std::optional<TimeUnit> time;
};

std::optional<LengthUnit> lengthUnit(std::string_view u) {
    if (u == "m" || u == "м")
        return LengthUnit::m;
    if (u == "cm" || u == "см")
        return LengthUnit::cm;
    if (u == "mm" || u == "мм")
        return LengthUnit::mm;
    return std::nullopt;
}

std::optional<TimeUnit> timeUnit(std::string_view u) {
    if (u == "s" || u == "с" || u == "c" || u == "sec" || u == "сек")
        return TimeUnit::s;
    if (u == "ms" || u == "мс")
        return TimeUnit::ms;
    return std::nullopt;
}

std::string_view trim(std::string_view s) {
    const std::size_t a = s.find_first_not_of(" \t._");
    if (a == std::string_view::npos)
        return {};
    return s.substr(a, s.find_last_not_of(" \t._") - a + 1);
}

// "Time (s)", "x, мм", "t/ms", "y [cm]", "x cm", "время": the name, its role and its unit.
HeaderCell readHeaderCell(std::string_view cell) {
    const std::string low = lowerCase(cell);
    std::string_view text = low, name = low, unit;
    if (const std::size_t open = text.find_first_of("(["); open != std::string_view::npos) {
        name = text.substr(0, open);
        unit = text.substr(open + 1, text.find_first_of(")]", open) - open - 1);
    } else if (const std::size_t mark = text.find_first_of(",/"); mark != std::string_view::npos) {
        name = text.substr(0, mark);
        unit = text.substr(mark + 1);
    } else if (const std::size_t space = trim(text).rfind(' '); space != std::string_view::npos) {
        const std::string_view last = trim(trim(text).substr(space));
        if (lengthUnit(last) || timeUnit(last)) {
            name = trim(text).substr(0, space);
            unit = last;
        }
    }
    // A data logger names the run before a colon: "Data Set 1:Time(s)", "Run 1: X (m)".
    if (const std::size_t colon = name.rfind(':'); colon != std::string_view::npos)
        name = name.substr(colon + 1);
    name = trim(name);
    unit = trim(unit);
    HeaderCell h;
    h.name = std::string(name);
    h.length = lengthUnit(unit);
    h.time = timeUnit(unit);
    const bool unitFits = unit.empty() || h.length || h.time;
    if (!unitFits || name.empty())
        return h;
    // "x", "x_a", "x1", "position x"; never "xyz" or "ax".
    const auto names = [&name](char letter) {
        if (name.size() == 1)
            return name[0] == letter;
        const bool first = name[0] == letter && !std::isalpha(static_cast<unsigned char>(name[1]));
        const std::size_t space = name.rfind(' ');
        return first || (space != std::string_view::npos && name.substr(space + 1).size() == 1 &&
                         name.back() == letter);
    };
    if ((names('t') || name == "time" || name == "время") && !h.length)
        h.role = Role::t;
    else if (names('x') && !h.time)
        h.role = Role::x;
    else if (names('y') && !h.time)
        h.role = Role::y;
    else if (verticalPositionName(name) && !h.time)
        h.role = Role::position;
    return h;
}

double lengthScale(LengthUnit u) {
    return u == LengthUnit::m ? 1 : u == LengthUnit::cm ? 0.01 : 0.001;
}

} // namespace

namespace {

// The first numeric column steps evenly upwards, as a clock's times do (within 5 %: frame times
// rounded to milliseconds), over the rows it is read from.
bool clockLike(const Layout& l, const std::vector<bool>& numeric) {
    const auto first = std::find(numeric.begin(), numeric.end(), true);
    const auto c = static_cast<std::size_t>(std::distance(numeric.begin(), first));
    std::vector<double> values;
    for (std::size_t i = l.firstData; i < l.lines.size(); ++i) {
        const auto cells = splitCells(l.lines[i], l.format, c + 1);
        if (c < cells.size())
            if (const auto v = cellNumber(cells[c], l.format.decimalComma))
                values.push_back(*v);
    }
    if (values.size() < 3)
        return true;
    double low = std::numeric_limits<double>::infinity(), high = 0;
    for (std::size_t i = 1; i < values.size(); ++i) {
        const double step = values[i] - values[i - 1];
        low = std::min(low, step);
        high = std::max(high, step);
    }
    return low > 0 && high <= low * 1.05;
}

// Which way a vertical motion's column points (by its name, else by the motion) and where its
// zero lies: a column pointing down, or one with values below its zero, has the ground at the
// lowest point. True when the name told the way.
bool guessAxis(std::string_view text, std::string_view name, ImportSettings& s) {
    ImportSettings asRead = s;
    asRead.axisDown = false;
    asRead.groundAtLowest = false;
    const ImportResult read = importTable(text, asRead, {});
    if (!read.measurements)
        return false;
    std::vector<double> values;
    for (const Point& pt : read.measurements->points)
        values.push_back(pt.y + read.measurements->origin.y);
    const std::optional<bool> byName = axisDownByName(name);
    s.axisDown = byName ? *byName : axisDownByMotion(values);
    s.groundAtLowest = s.axisDown || *std::min_element(values.begin(), values.end()) < 0;
    return byName.has_value();
}

} // namespace

TablePreview previewTable(std::string_view text, const ImportSettings& fallback) {
    TablePreview p;
    const Layout l = layoutOf(text);
    if (!l.error.empty()) {
        p.error = l.error;
        return p;
    }
    p.separator = l.format.separator;
    p.decimalComma = l.format.decimalComma;
    if (l.title)
        p.title = std::string(trim(l.lines[*l.title]));
    std::vector<HeaderCell> named;
    if (l.header) {
        for (const std::string_view c : splitCells(l.lines[*l.header], l.format, maxColumns)) {
            p.header.emplace_back(c);
            named.push_back(readHeaderCell(c));
        }
    }
    // A header of two rows, the names above their units ("t x y" over "s cm cm").
    if (l.title && !named.empty() && std::all_of(p.header.begin(), p.header.end(), [](auto& u) {
            const std::string unit = lowerCase(trim(u));
            return lengthUnit(unit) || timeUnit(unit);
        })) {
        const auto names = splitCells(l.lines[*l.title], l.format, maxColumns);
        for (std::size_t c = 0; c < names.size() && c < named.size(); ++c) {
            const std::string unit = lowerCase(trim(p.header[c]));
            named[c] = readHeaderCell(names[c]);
            named[c].length = named[c].length ? named[c].length : lengthUnit(unit);
            named[c].time = named[c].time ? named[c].time : timeUnit(unit);
            p.header[c] = std::string(names[c]) + " (" + p.header[c] + ")";
        }
        const std::size_t above = *l.title;
        p.title.clear();
        for (std::size_t k = 0; k < above; ++k)
            if (!blankLine(l.lines[k]))
                p.title = std::string(trim(l.lines[k]));
    }
    std::vector<bool> numeric;
    for (std::size_t i = l.firstData; i < l.lines.size(); ++i) {
        if (blankLine(l.lines[i]))
            continue;
        ++p.dataRows;
        if (p.rows.size() == previewRowCount)
            continue;
        const auto cells = splitCells(l.lines[i], l.format, maxColumns);
        p.rows.emplace_back(cells.begin(), cells.end());
        numeric.resize(std::max(numeric.size(), cells.size()));
        for (std::size_t c = 0; c < cells.size(); ++c)
            numeric[c] = numeric[c] || cellNumber(cells[c], l.format.decimalComma);
    }
    p.columnCount = std::max(numeric.size(), p.header.size());
    const auto numericColumns = std::count(numeric.begin(), numeric.end(), true);
    if (numericColumns < 2) {
        TablePreview refused;
        refused.error = translated(kFewColumns);
        return refused;
    }

    std::array<std::optional<int>, 4> chosen; // t, x, y, a vertical motion's position
    for (std::size_t c = 0; c < named.size() && c < numeric.size(); ++c) {
        const Role r = named[c].role;
        if (r != Role::none && numeric[c] && !chosen[static_cast<int>(r) - 1])
            chosen[static_cast<int>(r) - 1] = static_cast<int>(c);
    }
    const auto headerOf = [&named](int c) {
        return static_cast<std::size_t>(c) < named.size() ? named[static_cast<std::size_t>(c)]
                                                          : HeaderCell{};
    };
    const auto firstFree = [&](std::optional<int>& column, const auto& taken) {
        for (std::size_t c = 0; !column && c < numeric.size(); ++c)
            if (numeric[c] &&
                std::find(taken.begin(), taken.end(), static_cast<int>(c)) == taken.end())
                column = static_cast<int>(c);
    };
    p.detected = fallback;
    // A time and one position: two columns of numbers, or a header that names a time and a
    // height or position but no x. Two columns named x and y, or two without names whose first
    // does not step evenly as a clock does, are a path without times.
    const std::optional<int> height = chosen[2] ? chosen[2] : chosen[3];
    const bool namedPath = chosen[1] && chosen[2], unnamed = !chosen[1] && !height;
    const bool path =
        numericColumns == 2 && !chosen[0] && (namedPath || (unnamed && !clockLike(l, numeric)));
    if (path) {
        std::array<std::optional<int>, 2> pair{chosen[1], chosen[2]};
        for (auto& column : pair)
            firstFree(column, pair);
        p.columnsFromHeader = chosen[1] && chosen[2];
        p.detected.motion = Motion::path;
        p.detected.columnX = *pair[0];
        p.detected.columnT = p.detected.columnY = *pair[1];
    } else if (numericColumns == 2 || (chosen[0] && !chosen[1] && height)) {
        std::array<std::optional<int>, 2> pair{chosen[0], height};
        for (auto& column : pair)
            firstFree(column, pair);
        p.columnsFromHeader = chosen[0] && height;
        p.detected.motion = Motion::vertical;
        p.detected.columnT = *pair[0];
        p.detected.columnX = p.detected.columnY = *pair[1];
    } else {
        if (numericColumns < 3) {
            TablePreview refused;
            refused.error = translated(kFewColumns);
            return refused;
        }
        p.columnsFromHeader = chosen[0] && chosen[1] && chosen[2];
        std::array<std::optional<int>, 3> three{chosen[0], chosen[1], chosen[2]};
        for (auto& column : three)
            firstFree(column, three);
        p.detected.motion = Motion::flight;
        p.detected.columnT = *three[0];
        p.detected.columnX = *three[1];
        p.detected.columnY = *three[2];
    }
    if (const auto t = headerOf(p.detected.columnT).time) {
        p.detected.time = *t;
        p.timeFromHeader = true;
    }
    const auto length = headerOf(p.detected.columnX).length ? headerOf(p.detected.columnX).length
                                                            : headerOf(p.detected.columnY).length;
    if (length) {
        p.detected.length = *length;
        p.lengthFromHeader = true;
    }
    if (p.detected.motion == Motion::vertical)
        p.axisFromHeader = guessAxis(text, headerOf(p.detected.columnY).name, p.detected);
    return p;
}

ImportResult importTable(std::string_view text, const ImportSettings& settings,
                         std::string source) {
    ImportResult r;
    const Layout l = layoutOf(text);
    if (!l.error.empty()) {
        r.error = l.error;
        return r;
    }
    // A vertical motion reads its position column in place of x too, and has x = 0; a path
    // reads x in place of t, and numbers its points in order.
    const bool vertical = settings.motion == Motion::vertical;
    const bool path = settings.motion == Motion::path;
    const std::array<int, 3> columns{path ? settings.columnX : settings.columnT,
                                     vertical ? settings.columnY : settings.columnX,
                                     settings.columnY};
    if ((vertical || path) && columns[0] == columns[2]) {
        r.error = translated(vertical ? kSameVerticalColumns : kSamePathColumns);
        return r;
    }
    if (!vertical && !path &&
        (columns[0] == columns[1] || columns[0] == columns[2] || columns[1] == columns[2])) {
        r.error = translated(kSameColumns);
        return r;
    }
    const int widest = *std::max_element(columns.begin(), columns.end());
    if (*std::min_element(columns.begin(), columns.end()) < 0 ||
        widest >= static_cast<int>(maxColumns)) {
        r.error = translated(kNoColumn);
        return r;
    }
    Measurements m;
    m.settings = settings;
    m.source = std::move(source);
    const double toSeconds = settings.time == TimeUnit::s ? 1 : 0.001;
    const double toMetres = lengthScale(settings.length);
    const double heightSign = vertical && settings.axisDown ? -1 : 1;
    bool columnSeen = false;
    for (std::size_t i = l.firstData; i < l.lines.size(); ++i) {
        if (blankLine(l.lines[i]))
            continue;
        const auto cells = splitCells(l.lines[i], l.format, static_cast<std::size_t>(widest) + 1);
        columnSeen = columnSeen || cells.size() > static_cast<std::size_t>(widest);
        std::array<std::optional<double>, 3> v;
        for (std::size_t k = 0; k < 3; ++k) {
            const auto c = static_cast<std::size_t>(columns[k]);
            if (c < cells.size())
                v[k] = cellNumber(cells[c], l.format.decimalComma);
        }
        if (!v[0] || !v[1] || !v[2]) {
            ++m.skipped;
            continue;
        }
        if (m.points.size() == maxPoints) {
            r.error = translated(kManyPoints);
            return r;
        }
        const double t = path ? static_cast<double>(m.points.size()) : *v[0] * toSeconds;
        m.points.push_back({t, vertical ? 0 : *v[1] * toMetres, heightSign * (*v[2] * toMetres)});
    }
    if (!columnSeen) {
        r.error = translated(kNoColumn);
        return r;
    }
    auto& pts = m.points;
    const auto earlier = [](const Point& a, const Point& b) { return a.t < b.t; };
    std::stable_sort(pts.begin(), pts.end(), earlier);
    const auto sameTime = [](const Point& a, const Point& b) { return a.t == b.t; };
    const auto end = std::unique(pts.begin(), pts.end(), sameTime);
    m.skipped += static_cast<std::size_t>(std::distance(end, pts.end()));
    pts.erase(end, pts.end());
    if (pts.size() < minPoints) {
        r.error = translated(kFewPoints);
        return r;
    }
    const Point launch = pts.front();
    double ground = 0;
    if (settings.groundAtLowest)
        ground = std::min_element(pts.begin(), pts.end(), [](const Point& a, const Point& b) {
                     return a.y < b.y;
                 })->y;
    m.origin = {launch.t, launch.x, ground};
    for (Point& p : pts)
        p = {p.t - launch.t, p.x - launch.x, p.y - ground};
    r.measurements = std::move(m);
    return r;
}

ImportSettings asVertical(std::string_view text, ImportSettings s) {
    s.motion = Motion::vertical;
    s.columnX = s.columnY;
    std::string name;
    if (const Layout l = layoutOf(text); l.error.empty() && l.header) {
        const auto cells = splitCells(l.lines[*l.header], l.format, maxColumns);
        if (s.columnY >= 0 && static_cast<std::size_t>(s.columnY) < cells.size())
            name = readHeaderCell(cells[static_cast<std::size_t>(s.columnY)]).name;
    }
    guessAxis(text, name, s);
    return s;
}

ImportResult importDetected(std::string_view text, const ImportSettings& fallback,
                            std::string source) {
    const TablePreview p = previewTable(text, fallback);
    if (!p.error.empty())
        return {std::nullopt, p.error};
    return importTable(text, p.detected, std::move(source));
}

std::string oversizedTableText(const std::string& name) {
    return translated(QT_TRANSLATE_NOOP("Texts", "Файл «%1» больше 64 МБ: это не похоже "
                                                 "на таблицу измерений."),
                      {name});
}

FileText readTableFile(const std::string& path) {
    namespace fs = std::filesystem;
    FileText f;
    const std::string name = fs::path(path).filename().string();
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        f.error = translated(QT_TRANSLATE_NOOP("Texts", "Файла «%1» нет."), {name});
        return f;
    }
    if (!fs::is_regular_file(path, ec)) {
        f.error = translated(QT_TRANSLATE_NOOP("Texts", "«%1» — не файл."), {name});
        return f;
    }
    const char* const unreadable = QT_TRANSLATE_NOOP("Texts", "Не удалось прочитать файл «%1».");
    const auto size = fs::file_size(path, ec);
    if (ec || size > maxTableBytes) {
        f.error = ec ? translated(unreadable, {name}) : oversizedTableText(name);
        return f;
    }
    std::ifstream in(path, std::ios::binary);
    f.text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
        f.text.clear();
        f.error = translated(unreadable, {name});
    } else if (looksLikeXml(f.text)) {
        TrackTable track = trackTable(f.text);
        if (track.tracks.size() > 1)
            f.xml = std::move(f.text);
        f.text = std::move(track.table);
        f.error = std::move(track.error);
        f.tracks = std::move(track.tracks);
    }
    return f;
}

} // namespace model::measure
