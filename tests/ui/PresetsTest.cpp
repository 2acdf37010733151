#include "ui/tools/Presets.h"

#include "model/InputFields.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using ui::Preset;
using ui::Presets;

// Lists compare as joined text, which a failure prints readably.
std::string joined(const QStringList& list) {
    return list.join(u", ").toStdString();
}

std::string names(const std::vector<Preset>& presets) {
    QStringList list;
    for (const Preset& p : presets)
        list.append(p.name);
    return joined(list);
}

// Writes text into the field as a paste does and returns the messages it raised.
std::string paste(model::Field f, const QString& text, model::Inputs& in) {
    QStringList messages;
    for (const auto& r : model::settleField(f, text.toStdString(), in).rejections)
        messages.append(QString::fromStdString(r.message));
    return joined(messages);
}

} // namespace

TEST(Presets, BuiltInTableHoldsTheMenuPresetsInSiUnits) {
    const Presets& table = Presets::builtIn();
    EXPECT_EQ(joined(table.problems()), "");
    EXPECT_EQ(table.materials().size(), 10u);
    EXPECT_EQ(table.media().size(), 8u);
    // Bounds that a slip into g/cm³ or mPa·s would leave.
    for (const Preset& p : table.materials())
        EXPECT_TRUE(p.density >= 100 && p.density <= 23000) << p.name.toStdString();
    for (const Preset& p : table.media())
        EXPECT_TRUE(p.density >= 0.5 && p.density <= 2000 && *p.viscosity >= 1e-6 &&
                    *p.viscosity <= 10)
            << p.name.toStdString();
}

TEST(Presets, PastedIntoTheFieldsTheyPassTheChecksExceptBallsThatFloat) {
    const Presets& table = Presets::builtIn();
    // Every medium is accepted under the default steel ball and then marked; each ball in it is
    // either accepted and marked or refused as floating.
    std::map<std::string, std::string> floating;
    for (const Preset& medium : table.media())
        for (const Preset& material : table.materials()) {
            model::Inputs in;
            EXPECT_EQ(paste(model::Field::rho0, medium.densityText(), in) +
                          paste(model::Field::eta, medium.viscosityText(), in),
                      "");
            const std::string messages = paste(model::Field::rho, material.densityText(), in);
            EXPECT_EQ(table.matchingMedium(in.rho0, in.eta), &medium);
            if (messages.empty()) {
                EXPECT_EQ(table.matchingMaterial(in.rho), &material);
            } else {
                EXPECT_EQ(messages, "Всплывание не моделируется!");
                std::string& list = floating[material.name.toStdString()];
                list += (list.empty() ? "" : ", ") + medium.name.toStdString();
            }
        }
    const std::string water = "вода 4 °C, вода 20 °C, морская вода 20 °C";
    const std::string heavyOils = "касторовое масло 20 °C, глицерин 20 °C";
    const std::string liquids = water + ", машинное масло 20 °C, " + heavyOils;
    EXPECT_EQ(floating, (std::map<std::string, std::string>{
                            {"лёд", water + ", " + heavyOils}, // 917 kg/m³ sinks in oil of 900
                            {"дуб", liquids},
                            {"пробка", liquids}}));
}

TEST(Presets, MarksAfterTheFieldsRoundingAndLeavesOutBadRows) {
    const Presets& table = Presets::builtIn();
    EXPECT_EQ(table.matchingMaterial(7800.049)->name, "сталь");
    EXPECT_EQ(table.matchingMaterial(7800.05), nullptr);                // the field shows 7800.1
    EXPECT_EQ(table.matchingMedium(1000, 0.001567)->name, "вода 4 °C"); // 999.97 shows 1000.0
    EXPECT_EQ(table.matchingMedium(1000, 0.001006), nullptr); // the program's start values

    const Presets parsed = Presets::parse(u"# comment\r\n"
                                          "kind\tname\tdensity\tviscosity\tsource\r\n"
                                          "material\tсталь\t7800\t\tкнига\r\n"
                                          "\n"
                                          "material\tмедь\t8960\tкнига\n"
                                          "metal\tцинк\t7130\t\tкнига\n"
                                          "material\tсталь\t7850\t\tкнига\n"
                                          "material\tчугун\t7.2e3\t\tкнига\n"
                                          "material\tлёд\t917\t0.1\tкнига\n"
                                          "medium\tводород\t0.084\t0.0000088\tкнига\n"
                                          "medium\tгаз\t1.3\t0.00000004\tкнига\n"
                                          "medium\tвоздух\t1.2929\t0.0000172\tкнига\n"
                                          "medium\tвоздух сухой\t1.3\t0.0000172\tкнига\n"
                                          "medium\tвода\t998.2\t0.001002\t");
    EXPECT_EQ(names(parsed.materials()), "сталь");
    EXPECT_EQ(names(parsed.media()), "воздух");
    QStringList lines;
    for (const QString& problem : parsed.problems())
        lines.append(problem.section(u':', 0, 0));
    EXPECT_EQ(joined(lines), "line 5, line 6, line 7, line 8, line 9, line 10, line 11, "
                             "line 13, line 14")
        << joined(parsed.problems());
}
