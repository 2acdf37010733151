#include "ui/platform/Preferences.h"

#include "ui/platform/SaveFile.h"
#include "ui/run/AnimationSpeed.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

// The value if it is one of the allowed ones (to a hair), otherwise the fallback.
template <class Range> double oneOf(const QVariant& v, const Range& allowed, double fallback) {
    bool ok = false;
    const double x = v.toDouble(&ok);
    if (!ok)
        return fallback;
    for (double a : allowed)
        if (std::abs(x - a) < 1e-9)
            return a;
    return fallback;
}

} // namespace

PreferencesStore::PreferencesStore(QString path) : path_(std::move(path)) {}

QString PreferencesStore::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/ballflight/ballflight.conf");
}

Preferences PreferencesStore::load() const {
    Preferences p;
    if (!QFileInfo(path_).isReadable())
        return p;
    const QSettings s(path_, QSettings::IniFormat);
    if (s.status() != QSettings::NoError)
        return p;
    p.interfaceScale = oneOf(s.value("interfaceScale"), interfaceScales, p.interfaceScale);
    std::array<double, animationSpeeds.size()> speeds{};
    std::transform(animationSpeeds.begin(), animationSpeeds.end(), speeds.begin(),
                   [](const AnimationSpeed& a) { return a.factor; });
    p.animationSpeed = oneOf(s.value("animationSpeed"), speeds, p.animationSpeed);
    const QString comparing = s.value("comparing").toString();
    p.comparing = comparing == QLatin1String("true");
    p.pictureCaptions = s.value("pictureCaptions").toString() != QLatin1String("false");
    const QVariant folder = s.value("saveFolder");
    if (folder.typeId() == QMetaType::QString && QFileInfo(folder.toString()).isDir())
        p.saveFolder = folder.toString();
    return p;
}

bool PreferencesStore::save(const Preferences& p) const {
    // QSettings writes the text into a scratch file; the file itself is then replaced whole.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return false;
    const QString draft = scratch.filePath(QStringLiteral("draft.conf"));
    {
        QSettings s(draft, QSettings::IniFormat);
        s.setValue("interfaceScale", p.interfaceScale);
        s.setValue("animationSpeed", p.animationSpeed);
        s.setValue("comparing", p.comparing);
        s.setValue("saveFolder", p.saveFolder);
        s.setValue("pictureCaptions", p.pictureCaptions);
        s.sync();
        if (s.status() != QSettings::NoError)
            return false;
    }
    QFile text(draft);
    if (!text.open(QIODevice::ReadOnly))
        return false;
    QDir().mkpath(QFileInfo(path_).absolutePath());
    return saveFileAtomically(path_, text.readAll()).isEmpty();
}

} // namespace ui
