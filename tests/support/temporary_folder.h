#pragma once

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "tests/support/remove_tree.h"

namespace tess::testing {

// A QTemporaryDir that also goes when it holds names that are not UTF-8 (a
// document saved under Latin-1 bytes): Qt's own removal reads names as text
// and cannot remove those, so the folder is removed by the system's bytes.
class TemporaryFolder : public QTemporaryDir {
  public:
    TemporaryFolder() { setAutoRemove(false); }
    ~TemporaryFolder() {
        if (isValid()) removeTree(QFile::encodeName(path()).toStdString());
    }
};

// Qt's file dialog keeps its state in the user's settings (QtProject.conf in
// the person's configuration folder); while this lives, they go to a folder of
// the test's own. Made before the first dialog of the run.
class QtUserSettingsFolder : public TemporaryFolder {
  public:
    QtUserSettingsFolder() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path());
    }
};

}  // namespace tess::testing
