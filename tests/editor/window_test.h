#pragma once

#include <QObject>

#include "program_harness.h"
#include "window_driver.h"

// One run of the program shared by the test functions of a window test:
// started before the first, brought back after each to a blank, unmarked
// document with nothing held, asked, copied or open, ended after the last.
// A test class derives from it, keeps its test functions as private slots
// (Qt Test runs the fixture's slots with them) and adds to the start through
// started().
class WindowTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();

  protected:
    // What the test class sets up once the window shows.
    virtual void started() {}

    ProgramHarness* h = nullptr;    // the run
    tess::MainWindow* w = nullptr;  // its main window
    WindowDriver* d = nullptr;      // what drives that window
};
