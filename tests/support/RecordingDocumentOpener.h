#pragma once

#include "ui/platform/DocumentOpener.h"

#include <QStringList>

namespace ui {

// An opener for tests: nothing is launched; every request is kept in order.
class RecordingDocumentOpener : public DocumentOpener {
public:
    bool openDocument(const QString& name) override {
        documents.append(name);
        return documentsOpen;
    }
    bool openInEditor(const QString& name) override {
        edited.append(name);
        return editorStarts;
    }

    QStringList documents; // names handed to the desktop
    QStringList edited;    // names handed to the text editor
    bool documentsOpen = true;
    bool editorStarts = true;
};

} // namespace ui
