#include "ui/tools/PresetCommands.h"

#include "ui/platform/Language.h"
#include "ui/run/SessionObject.h"
#include "ui/run/ThrowController.h"
#include "ui/tools/PresetTexts.h"
#include "ui/tools/Presets.h"
#include "ui/window/InputField.h"
#include "ui/window/MainWindow.h"

#include <QAction>
#include <QMenu>

namespace ui {

PresetCommands::PresetCommands(MainWindow& window, const ThrowController& controller,
                               SessionObject& session, QObject* parent)
    : QObject(parent), window_(window), controller_(controller), session_(session) {
    window_.toolsMenu()->addSeparator();
    materials_ = buildMenu(QT_TRANSLATE_NOOP("Texts", "Материал шара"), "mnuToolsMaterial", false);
    media_ = buildMenu(QT_TRANSLATE_NOOP("Texts", "Среда"), "mnuToolsMedium", true);
    window_.toolsMenu()->addMenu(materials_);
    window_.toolsMenu()->addMenu(media_);

    // The fields whose values the presets set offer them in their own context menus too.
    auto offer = [this](model::Field f, QMenu* menu) {
        connect(window_.field(f), &InputField::contextMenuAboutToShow, this,
                [this, menu](QMenu* context) {
                    markMatching();
                    context->addSeparator();
                    context->addMenu(menu);
                });
    };
    offer(model::Field::rho, materials_);
    offer(model::Field::rho0, media_);
    offer(model::Field::eta, media_);
}

QMenu* PresetCommands::buildMenu(const char* title, const char* name, bool media) {
    auto* menu = new QMenu(&window_);
    menu->setObjectName(QLatin1String(name));
    keepTranslated(menu, [menu, title] { menu->setTitle(Texts::tr(title)); });
    const Presets& presets = Presets::builtIn();
    for (const Preset& p : media ? presets.media() : presets.materials()) {
        QAction* a = menu->addAction(QString());
        keepTranslated(a, [a, &p] {
            a->setText(presetText(p.name));
            a->setToolTip(presetText(p.source));
        });
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, &p] { choose(p); });
    }
    connect(menu, &QMenu::aboutToShow, this, &PresetCommands::markMatching);
    return menu;
}

void PresetCommands::markMatching() {
    const model::Inputs& in = controller_.inputs();
    const Presets& presets = Presets::builtIn();
    const Preset* material = presets.matchingMaterial(in.rho);
    const Preset* medium = presets.matchingMedium(in.rho0, in.eta);
    auto mark = [](QMenu* menu, const std::vector<Preset>& list, const Preset* match) {
        const QList<QAction*> actions = menu->actions();
        for (std::size_t i = 0; i < list.size() && i < std::size_t(actions.size()); ++i)
            actions[int(i)]->setChecked(&list[i] == match);
    };
    mark(materials_, presets.materials(), material);
    mark(media_, presets.media(), medium);
}

void PresetCommands::choose(const Preset& preset) {
    session_.beginEdits();
    if (preset.kind == Preset::Kind::material) {
        window_.field(model::Field::rho)->setText(preset.densityText());
    } else {
        window_.field(model::Field::rho0)->setText(preset.densityText());
        window_.field(model::Field::eta)->setText(preset.viscosityText());
    }
    session_.endEdits();
    markMatching();
}

} // namespace ui
