#pragma once

#include "ui/platform/DocumentOpener.h"

#include <QStringList>

namespace ui {

// An opener for tests: nothing is launched; every request is kept in order.
class RecordingDocumentOpener : public DocumentOpener {
public:
    bool openDocument(const QString& name) override {
        documents.append(name);
        return desktopOpens;
    }

    QStringList documents;    // names handed to the desktop
    bool desktopOpens = true; // false: the desktop has no application for them
};

} // namespace ui
