#include "model/curves/Legend.h"

#include "model/NumberFormat.h"
#include "model/Translation.h"

#include <algorithm>

namespace model {

namespace {

std::string fieldText(const FieldRow& f, double value) {
    return formatFixed(value, f.pattern);
}

// "d" out of the field's spoken name "d, м".
std::string fieldName(const FieldRow& f) {
    const std::string spoken = f.accessibleName;
    return spoken.substr(0, spoken.find(','));
}

} // namespace

std::vector<Field> differingInputs(const Inputs& a, const Inputs& b) {
    std::vector<Field> out;
    for (const FieldRow& f : fieldRows())
        if (fieldText(f, inputOf(a, f.id)) != fieldText(f, inputOf(b, f.id)))
            out.push_back(f.id);
    return out;
}

std::string inputText(Field id, const Inputs& inputs) {
    const FieldRow& f = row(id);
    return fieldName(f) + " = " + fieldText(f, inputOf(inputs, id)) + " " + translated(f.unit);
}

std::string dragCoefficientValue(double cd) {
    std::string text = formatFixed(cd, "0.000");
    while (text.size() > 1 && text.back() == '0' && text[text.size() - 2] != '.')
        text.pop_back();
    return text;
}

std::optional<std::string> dragCoefficientText(const Inputs& inputs) {
    const std::string value = dragCoefficientValue(inputs.cd);
    if (value == dragCoefficientValue(dragCoefficient))
        return std::nullopt;
    return "Cd = " + value;
}

std::vector<std::string> inputTexts(const Inputs& inputs) {
    std::vector<std::string> out;
    for (const FieldRow& f : fieldRows())
        out.push_back(inputText(f.id, inputs));
    if (auto cd = dragCoefficientText(inputs))
        out.push_back(std::move(*cd));
    return out;
}

std::string inputsLine(const Inputs& inputs) {
    std::string line;
    for (const std::string& text : inputTexts(inputs))
        line += (line.empty() ? "" : ", ") + text;
    return line;
}

std::vector<LegendEntry> comparisonLegend(const std::vector<const KeptThrow*>& kept,
                                          const Inputs& current) {
    if (kept.empty())
        return {};
    std::vector<LegendEntry> entries(1);
    std::vector<bool> named(fieldRows().size(), false);
    bool cdNamed = false;
    const auto cdPiece = [](const Inputs& in) { return "Cd = " + dragCoefficientValue(in.cd); };
    for (const KeptThrow* k : kept) {
        LegendEntry e{k->number, {}};
        for (const Field f : differingInputs(k->inputs, current)) {
            e.pieces.push_back(inputText(f, k->inputs));
            named[static_cast<std::size_t>(f)] = true;
        }
        if (cdPiece(k->inputs) != cdPiece(current)) {
            e.pieces.push_back(cdPiece(k->inputs));
            cdNamed = true;
        }
        entries.push_back(std::move(e));
    }
    for (const FieldRow& f : fieldRows())
        if (named[static_cast<std::size_t>(f.id)])
            entries[0].pieces.push_back(inputText(f.id, current));
    if (cdNamed)
        entries[0].pieces.push_back(cdPiece(current));
    return entries;
}

} // namespace model
