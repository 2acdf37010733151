#pragma once

#include "model/Quantities.h"
#include "model/curves/ThrowCurves.h"
#include "model/physics/Inputs.h"

#include <optional>
#include <string>
#include <vector>

namespace model {

// The inputs whose fields would show different texts.
std::vector<Field> differingInputs(const Inputs& a, const Inputs& b);

// An input as its field shows it, with its name and unit: «η = 0.0010060 Па·с».
std::string inputText(Field f, const Inputs& inputs);
// The drag coefficient as the texts that name it write it: three decimals at most, «0.45».
std::string dragCoefficientValue(double cd);
// «Cd = 0.45»; nothing when it writes as the default 0.5, so that every text that names the
// inputs stays as it was.
std::optional<std::string> dragCoefficientText(const Inputs& inputs);
// All seven inputs in the order of the panel, then Cd when it is not 0.5.
std::vector<std::string> inputTexts(const Inputs& inputs);
// All of them in one line: «h = 0.500 м, Vo = 3.000 м/с, …».
std::string inputsLine(const Inputs& inputs);

// An entry of the comparison's legend: a throw's number (0 for the current throw) and the
// inputs that tell it apart, as separate pieces so that a narrow pane may wrap between them.
struct LegendEntry {
    int number = 0;
    std::vector<std::string> pieces; // «d = 0.0500 м», «η = 1.5000000 Па·с»

    friend bool operator==(const LegendEntry&, const LegendEntry&) = default;
};

// The legend of the kept throws, the current throw first: it shows its own values of every input
// in which any kept throw differs from it; each kept throw, oldest first, shows only the inputs
// in which it differs from the current one (none when it was thrown as the current one is). Cd
// counts as an input here, after the seven.
// Empty without kept throws.
std::vector<LegendEntry> comparisonLegend(const std::vector<const KeptThrow*>& kept,
                                          const Inputs& current);

} // namespace model
