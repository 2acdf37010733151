#include "ui/Preferences.h"

#include "ui/platform/SaveFile.h"
#include "ui/run/AnimationSpeed.h"
#include "ui/window/InterfaceScales.h"

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

Preferences PreferencesStore::load() {
    Preferences p;
    known_ = p;
    // Only a regular file is read: a pipe in its place would block the start.
    const QFileInfo file(path_);
    if (!file.isFile() || !file.isReadable())
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
    p.language = translations::languageFromCode(s.value("language").toString());
    const QVariant folder = s.value("saveFolder");
    if (folder.typeId() == QMetaType::QString && QFileInfo(folder.toString()).isDir())
        p.saveFolder = folder.toString();
    known_ = p;
    return p;
}

bool PreferencesStore::save(const Preferences& p) {
    const QFileInfo file(path_);
    if (file.exists() && !file.isFile())
        return false;
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return false;
    // The file as it is now, so keys another running copy of the program saved meanwhile stay,
    // with this program's changes; a file QSettings cannot make sense of is not kept. The file
    // itself is then replaced whole.
    const QString copy = scratch.filePath(QStringLiteral("copy.conf"));
    const QString draft = scratch.filePath(QStringLiteral("draft.conf"));
    if (file.exists() && !QFile::copy(path_, copy))
        return false;
    {
        QSettings s(draft, QSettings::IniFormat);
        const QSettings onDisk(copy, QSettings::IniFormat);
        const QStringList keys = onDisk.allKeys();
        if (onDisk.status() == QSettings::NoError)
            for (const QString& key : keys)
                s.setValue(key, onDisk.value(key));
        // Only what this copy changed: the others' choices are not undone.
        if (p.interfaceScale != known_.interfaceScale)
            s.setValue("interfaceScale", p.interfaceScale);
        if (p.animationSpeed != known_.animationSpeed)
            s.setValue("animationSpeed", p.animationSpeed);
        if (p.comparing != known_.comparing)
            s.setValue("comparing", p.comparing);
        if (p.saveFolder != known_.saveFolder)
            s.setValue("saveFolder", p.saveFolder);
        if (p.pictureCaptions != known_.pictureCaptions)
            s.setValue("pictureCaptions", p.pictureCaptions);
        if (p.language && p.language != known_.language)
            s.setValue("language", translations::codeOf(*p.language));
        s.sync();
        if (s.status() != QSettings::NoError)
            return false;
    }
    QFile text(draft); // not written when it holds nothing
    const QByteArray bytes = text.open(QIODevice::ReadOnly) ? text.readAll() : QByteArray();
    QDir().mkpath(file.absolutePath());
    if (!saveFileAtomically(path_, bytes).isEmpty())
        return false;
    known_ = p;
    return true;
}

} // namespace ui
