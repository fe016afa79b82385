#include "window_test.h"

#include <QTest>

void WindowTest::initTestCase() {
    h = new ProgramHarness;
    QVERIFY(h->start());
    w = &h->window();
    d = new WindowDriver(*h);
    started();
}

void WindowTest::cleanup() {
    d->reset();
}

void WindowTest::cleanupTestCase() {
    delete d;
    delete h;
}
